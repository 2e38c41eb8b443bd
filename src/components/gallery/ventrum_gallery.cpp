// ventrum-gallery: every Ventrum widget in every state, at its own size and enlarged, and the
// gradient panel with and without title and frame. With --grab DIR it writes the pictures as
// PNG files instead of opening a window.

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QVBoxLayout>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "components/TGradient.h"
#include "components/THandKranD.h"
#include "components/THandKranH.h"
#include "components/THandKranV.h"
#include "components/TLargeKran.h"
#include "components/TRectLevel.h"
#include "components/TRoundLevel.h"
#include "components/TSmallKran.h"

namespace zel {
namespace {

struct IndicatorKind {
  QString name;
  int highestState;
  bool hasFail;
  std::function<TIndicator*(QWidget*)> create;
};

template <typename Widget>
IndicatorKind Kind(const QString& name, int highestState, bool hasFail) {
  return {name, highestState, hasFail, [](QWidget* parent) { return new Widget(parent); }};
}

std::vector<IndicatorKind> Kinds() {
  return {Kind<TLargeKran>("TLargeKran", 4, true),  Kind<TSmallKran>("TSmallKran", 4, true),
          Kind<THandKranV>("THandKranV", 4, false), Kind<THandKranH>("THandKranH", 4, false),
          Kind<THandKranD>("THandKranD", 4, false), Kind<TRectLevel>("TRectLevel", 2, false),
          Kind<TRoundLevel>("TRoundLevel", 2, false)};
}

std::unique_ptr<TIndicator> MakeIndicator(const IndicatorKind& kind, int state, bool fail,
                                          QWidget* parent = nullptr) {
  std::unique_ptr<TIndicator> widget(kind.create(parent));
  widget->SetState(state);
  if (fail) {
    auto* valve = static_cast<TMotorValve*>(widget.get());
    valve->SetFail(true);
    valve->SetShowFail(true);
  }
  return widget;
}

// The widget painted through its own paint event into an image of exactly its size.
QImage Painted(QWidget& widget) {
  QImage image(widget.size(), QImage::Format_RGB32);
  widget.render(&image);
  return image;
}

bool Save(const QImage& image, const QDir& dir, const QString& name) {
  const QString path = dir.filePath(name + ".png");
  if (image.save(path, "PNG")) return true;
  std::fprintf(stderr, "ventrum-gallery: cannot write %s\n", qPrintable(path));
  return false;
}

int Grab(const QString& dirPath) {
  QDir dir(dirPath);
  if (!dir.mkpath(".")) {
    std::fprintf(stderr, "ventrum-gallery: cannot create %s\n", qPrintable(dirPath));
    return 1;
  }
  bool ok = true;
  for (const IndicatorKind& kind : Kinds()) {
    for (int state = 0; state <= kind.highestState; ++state) {
      const QString name = QStringLiteral("%1-%2").arg(kind.name).arg(state);
      ok = Save(Painted(*MakeIndicator(kind, state, false)), dir, name) && ok;
      if (kind.hasFail) {
        ok = Save(Painted(*MakeIndicator(kind, state, true)), dir, name + "-fail") && ok;
      }
    }
  }
  TGradient gradient;
  gradient.resize(200, 100);
  ok = Save(Painted(gradient), dir, "TGradient-plain") && ok;
  gradient.SetControl_3D(true);
  ok = Save(Painted(gradient), dir, "TGradient-frame") && ok;
  return ok ? 0 : 1;
}

// The picture enlarged without smoothing, so single pixels can be seen.
QLabel* Enlarged(const QImage& image, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setPixmap(QPixmap::fromImage(image.scaled(image.size() * 3)));
  return label;
}

// One row per widget class: each state at its own size over an enlarged copy, then for the
// motor valves each state again with Fail and ShowFail set.
QWidget* IndicatorPage(QWidget* parent) {
  auto* box = new QGroupBox("Indicators", parent);
  auto* grid = new QGridLayout(box);
  grid->setHorizontalSpacing(10);
  for (int state = 0; state <= 4; ++state) {
    grid->addWidget(new QLabel(QStringLiteral("State %1").arg(state), box), 0, 1 + state,
                    Qt::AlignHCenter);
    grid->addWidget(new QLabel(QStringLiteral("%1, fail").arg(state), box), 0, 6 + state,
                    Qt::AlignHCenter);
  }
  int row = 1;
  for (const IndicatorKind& kind : Kinds()) {
    grid->addWidget(new QLabel(kind.name, box), row, 0);
    for (int pass = 0; pass < (kind.hasFail ? 2 : 1); ++pass) {
      const bool fail = pass == 1;
      for (int state = 0; state <= kind.highestState; ++state) {
        auto* cell = new QWidget(box);
        auto* layout = new QVBoxLayout(cell);
        layout->setContentsMargins(0, 0, 0, 0);
        TIndicator* widget = MakeIndicator(kind, state, fail, cell).release();
        layout->addWidget(widget, 0, Qt::AlignHCenter);
        layout->addWidget(Enlarged(widget->Render(), cell), 0, Qt::AlignHCenter);
        grid->addWidget(cell, row, 1 + state + (fail ? 5 : 0), Qt::AlignCenter);
      }
    }
    ++row;
  }
  return box;
}

QWidget* GradientPage(QWidget* parent) {
  auto* box = new QGroupBox("TGradient", parent);
  auto* grid = new QGridLayout(box);
  struct Sample {
    QString caption;
    std::function<void(TGradient&)> set;
  };
  const std::vector<Sample> samples = {
      {"default colours", [](TGradient&) {}},
      {"TITLE at (8, 8)",
       [](TGradient& g) {
         g.SetRGB_To(QColor(0, 0, 128));
         g.SetTITLE("Ventrum");
       }},
      {"TITLE centred, Control_3D",
       [](TGradient& g) {
         g.SetRGB_From(QColor(255, 255, 0));
         g.SetRGB_To(QColor(255, 0, 0));
         g.SetTITLE("Centred title");
         g.SetTITLE_centered(true);
         g.SetControl_3D(true);
       }},
      {"message box colours",
       [](TGradient& g) {
         g.SetRGB_From(QColor(192, 192, 192));
         g.SetRGB_To(QColor(224, 224, 224));
         g.SetControl_3D(true);
       }},
      {"title wider than the panel",
       [](TGradient& g) {
         g.SetTITLE("A centred title much wider than its panel");
         g.SetTITLE_centered(true);
         g.SetControl_3D(true);
         g.SetRGB_To(QColor(0, 128, 0));
       }},
  };
  int column = 0;
  for (const Sample& sample : samples) {
    auto* gradient = new TGradient(box);
    gradient->setFixedSize(200, 100);
    sample.set(*gradient);
    grid->addWidget(new QLabel(sample.caption, box), 0, column);
    grid->addWidget(gradient, 1, column);
    ++column;
  }
  return box;
}

}  // namespace
}  // namespace zel

int main(int argc, char* argv[]) {
  // Grabbing needs no screen: unless told otherwise, paint off screen at one pixel per pixel.
  for (int i = 1; i < argc; ++i) {
    const QByteArray arg(argv[i]);
    const bool grab = arg == "--grab" || arg.startsWith("--grab=");
    if (grab && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName("ventrum-gallery");
  QCommandLineParser parser;
  parser.setApplicationDescription("Shows every Ventrum widget in every state.");
  parser.addHelpOption();
  QCommandLineOption grab("grab", "Write one PNG per widget and state into DIR and exit.", "DIR");
  parser.addOption(grab);
  parser.process(app);
  if (parser.isSet(grab)) return zel::Grab(parser.value(grab));

  QScrollArea scroll;
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(zel::GradientPage(page));
  layout->addWidget(zel::IndicatorPage(page));
  scroll.setWidget(page);
  scroll.setWindowTitle("Ventrum gallery");
  scroll.resize(page->sizeHint() + QSize(24, 24));
  scroll.show();
  return app.exec();
}
