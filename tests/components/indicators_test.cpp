// The valve and level indicators: sizes and published defaults, the state colours in their
// state areas, the fail overlay, the shading at half intensity, outlines, ignored states and
// which setters repaint.

#include <QTest>
#include <functional>
#include <memory>

#include "components/THandKranD.h"
#include "components/THandKranH.h"
#include "components/THandKranV.h"
#include "components/TLargeKran.h"
#include "components/TRectLevel.h"
#include "components/TRoundLevel.h"
#include "components/TSmallKran.h"
#include "paint_counter.h"

namespace zel {

namespace {

using Factory = std::function<TIndicator*()>;
using Points = QList<QPoint>;
using Colours = QList<QColor>;

template <typename Widget>
Factory Make() {
  return [] { return new Widget; };
}

const QColor kNone(192, 192, 192), kOpen(0, 255, 0), kTemp(255, 255, 0), kClose(0, 0, 255),
    kAvar(255, 0, 0), kFail(255, 255, 255), kBlack(0, 0, 0);

struct Kind {
  const char* name;
  Factory make;
  QSize size;
  int highestState;
  // The colour of each accepted state with the default colours.
  Colours stateColours;
  // Pixels inside the state areas.
  Points stateArea;
  // Pixels on the outline.
  Points outline;
};

const QList<Kind>& Kinds() {
  static const QList<Kind> kinds = {
      {"TLargeKran", Make<TLargeKran>(), {34, 42}, 4, {kNone, kOpen, kTemp, kClose, kAvar},
       // both actuator windows at their corners, the axis row, body strokes, short strokes
       {{5, 2}, {28, 7}, {5, 10}, {28, 15}, {2, 31}, {31, 31}, {2, 24}, {2, 38}, {31, 24},
        {4, 25}, {29, 37}, {8, 28}, {25, 34}, {11, 30}, {22, 32}},
       {{3, 0}, {30, 1}, {3, 16}, {30, 17}, {3, 8}, {29, 9}, {16, 8}, {17, 32}, {0, 21},
        {33, 41}, {16, 31}, {17, 31}, {3, 23}, {30, 23}, {3, 39}, {30, 39}}},
      {"TSmallKran", Make<TSmallKran>(), {14, 21}, 4, {kNone, kOpen, kTemp, kClose, kAvar},
       {{2, 2}, {11, 3}, {2, 6}, {11, 7}, {5, 7}, {8, 6}},
       {{0, 0}, {13, 1}, {0, 4}, {13, 5}, {0, 8}, {13, 9}, {6, 4}, {7, 17}, {0, 12}, {13, 20},
        {6, 16}, {7, 16}}},
      {"THandKranV", Make<THandKranV>(), {9, 13}, 4, {kNone, kOpen, kTemp, kClose, kNone},
       {{2, 2}, {6, 2}, {4, 3}, {4, 4}, {4, 8}, {3, 9}, {2, 10}, {6, 10}},
       {{0, 0}, {8, 1}, {1, 2}, {7, 2}, {4, 6}, {0, 12}, {8, 11}}},
      {"THandKranH", Make<THandKranH>(), {13, 9}, 4, {kNone, kOpen, kTemp, kClose, kNone},
       {{2, 2}, {2, 6}, {3, 4}, {4, 4}, {8, 4}, {9, 3}, {10, 2}, {10, 6}},
       {{0, 0}, {1, 8}, {2, 1}, {2, 7}, {6, 4}, {12, 0}, {11, 8}}},
      {"THandKranD", Make<THandKranD>(), {13, 9}, 4, {kNone, kOpen, kTemp, kClose, kNone},
       {{7, 2}, {7, 3}, {8, 3}, {4, 5}, {5, 5}, {5, 6}},
       {{6, 0}, {6, 8}, {2, 4}, {10, 4}, {6, 4}, {8, 2}, {4, 6}}},
      {"TRectLevel", Make<TRectLevel>(), {11, 11}, 2, {kNone, kOpen, kAvar},
       {{1, 1}, {9, 1}, {1, 9}, {9, 9}, {5, 5}},
       {{0, 0}, {10, 0}, {0, 10}, {10, 10}, {5, 0}, {0, 5}, {10, 5}, {5, 10}}},
      {"TRoundLevel", Make<TRoundLevel>(), {12, 12}, 2, {kNone, kOpen, kAvar},
       {{4, 3}, {7, 3}, {3, 4}, {8, 4}, {3, 7}, {8, 7}, {4, 8}, {7, 8}},
       {{4, 0}, {7, 0}, {0, 4}, {11, 7}, {4, 11}, {7, 11}, {2, 1}, {9, 10}}},
  };
  return kinds;
}

void AddKindRows(const std::function<void(const Kind&)>& addRows) {
  QTest::addColumn<int>("kind");
  for (const Kind& kind : Kinds()) addRows(kind);
}

const Kind& FetchKind() {
  QFETCH(int, kind);
  return Kinds()[kind];
}

int IndexOf(const Kind& kind) { return static_cast<int>(&kind - &Kinds()[0]); }

QColor PixelAt(const QImage& image, QPoint p) { return QColor(image.pixel(p)); }

QColor Half(const QColor& c) { return QColor(HalfIntensity(OpaquePixel(c))); }

}  // namespace

class IndicatorsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void sizesAndDefaults_data() {
    AddKindRows([](const Kind& kind) { QTest::newRow(kind.name) << IndexOf(kind); });
  }
  void sizesAndDefaults() {
    const Kind& kind = FetchKind();
    std::unique_ptr<TIndicator> widget(kind.make());
    QCOMPARE(widget->size(), kind.size);
    QCOMPARE(widget->minimumSize(), kind.size);
    QCOMPARE(widget->maximumSize(), kind.size);
    QCOMPARE(widget->Render().size(), kind.size);
    QCOMPARE(widget->property("State").toInt(), 0);
    QCOMPARE(widget->property("RGB_contour").value<QColor>(), kBlack);
    QCOMPARE(widget->property("RGB_none").value<QColor>(), kNone);
    QCOMPARE(widget->palette().color(widget->backgroundRole()), kNone);
  }

  void publishedProperties_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("properties");
    const QStringList valve = {"State",      "Fail",      "ShowFail",  "RGB_contour", "RGB_none",
                               "RGB_open",   "RGB_temp",  "RGB_close", "RGB_avar",    "RGB_fail"};
    const QStringList hand = {"State",    "RGB_contour", "RGB_none",
                              "RGB_open", "RGB_temp",    "RGB_close"};
    const QStringList defaults[] = {
        valve, valve, hand, hand, hand,
        {"State", "RGB_contour", "RGB_none", "RGB_high", "RGB_low"},
        {"State", "RGB_contour", "RGB_none", "RGB_low", "RGB_high"}};
    for (const Kind& kind : Kinds()) {
      QTest::newRow(kind.name) << IndexOf(kind) << defaults[IndexOf(kind)];
    }
  }
  // The published properties in their order, after those of QWidget.
  void publishedProperties() {
    QFETCH(QStringList, properties);
    std::unique_ptr<TIndicator> widget(FetchKind().make());
    const QMetaObject* meta = widget->metaObject();
    QStringList names;
    for (int i = QWidget::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
      names << meta->property(i).name();
    }
    QCOMPARE(names, properties);
  }

  void stateAreasInStateColour_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("state");
    for (const Kind& kind : Kinds()) {
      for (int state = 0; state <= kind.highestState; ++state) {
        QTest::addRow("%s state %d", kind.name, state) << IndexOf(kind) << state;
      }
    }
  }
  void stateAreasInStateColour() {
    const Kind& kind = FetchKind();
    QFETCH(int, state);
    std::unique_ptr<TIndicator> widget(kind.make());
    widget->SetState(state);
    QCOMPARE(widget->State(), state);
    const QImage image = widget->Render();
    const QColor expected = kind.stateColours[state];
    for (QPoint p : kind.stateArea) {
      QVERIFY2(PixelAt(image, p) == expected, qPrintable(QString("pixel %1,%2 is %3")
                                                            .arg(p.x())
                                                            .arg(p.y())
                                                            .arg(PixelAt(image, p).name())));
    }
    for (QPoint p : kind.outline) QCOMPARE(PixelAt(image, p), kBlack);
  }

  // Changed colours reach the picture: every colour property is used for its state, the
  // contour for the outline.
  void customColours_data() {
    AddKindRows([](const Kind& kind) { QTest::newRow(kind.name) << IndexOf(kind); });
  }
  void customColours() {
    const Kind& kind = FetchKind();
    std::unique_ptr<TIndicator> widget(kind.make());
    const char* stateProperty[][5] = {
        {"RGB_none", "RGB_open", "RGB_temp", "RGB_close", "RGB_avar"},
        {"RGB_none", "RGB_low", "RGB_high", nullptr, nullptr}};
    const bool lamp = kind.highestState == 2;
    const QColor contour(10, 20, 30);
    widget->setProperty("RGB_contour", contour);
    for (int state = 0; state <= kind.highestState; ++state) {
      const char* name = stateProperty[lamp ? 1 : 0][state];
      const QColor colour(40 + state, 50 + state, 60 + state);
      if (kind.stateColours[state] == kNone && state != 0) {
        widget->setProperty("RGB_none", colour);  // hand valve state 4 draws in RGB_none
      } else {
        QVERIFY(widget->setProperty(name, colour));
      }
      widget->SetState(state);
      const QImage image = widget->Render();
      for (QPoint p : kind.stateArea) QCOMPARE(PixelAt(image, p), colour);
      for (QPoint p : kind.outline) QCOMPARE(PixelAt(image, p), contour);
    }
  }

  void failOverlay_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("fail");
    QTest::addColumn<bool>("showFail");
    for (int k : {0, 1}) {
      for (bool fail : {false, true}) {
        for (bool show : {false, true}) {
          QTest::addRow("%s Fail %d ShowFail %d", Kinds()[k].name, fail, show) << k << fail << show;
        }
      }
    }
  }
  // Only Fail and ShowFail together paint the actuator windows in RGB_fail; the valve body
  // keeps the state colour.
  void failOverlay() {
    const Kind& kind = FetchKind();
    QFETCH(bool, fail);
    QFETCH(bool, showFail);
    std::unique_ptr<TIndicator> widget(kind.make());
    auto* valve = qobject_cast<TMotorValve*>(widget.get());
    QVERIFY(valve != nullptr);
    valve->SetState(3);
    valve->SetFail(fail);
    valve->SetShowFail(showFail);
    const QImage image = valve->Render();
    const QColor windows = fail && showFail ? kFail : kClose;
    for (QPoint p : kind.stateArea) {
      const bool inWindow = p.y() < (IndexOf(kind) == 0 ? 16 : 8);
      QCOMPARE(PixelAt(image, p), inWindow ? windows : kClose);
    }
  }

  void largeValveShading() {
    TLargeKran valve;
    valve.SetRGB_temp(QColor(201, 100, 3));
    valve.SetState(2);
    QPalette palette = valve.palette();
    palette.setColor(valve.backgroundRole(), QColor(11, 250, 64));
    valve.setPalette(palette);
    const QImage image = valve.Render();
    const Points inside = {{3, 24},  {6, 26},  {9, 28},  {12, 30}, {3, 38},  {6, 36},
                           {9, 34},  {12, 32}, {30, 24}, {27, 26}, {24, 28}, {21, 30},
                           {30, 38}, {27, 36}, {24, 34}, {21, 32}};
    const Points outside = {{3, 22},  {6, 24},  {9, 26},  {12, 28}, {3, 40},  {6, 38},
                            {9, 36},  {12, 34}, {30, 22}, {27, 24}, {24, 26}, {21, 28},
                            {30, 40}, {27, 38}, {24, 36}, {21, 34}, {15, 30}, {15, 32},
                            {18, 30}, {18, 32}};
    for (QPoint p : inside) QCOMPARE(PixelAt(image, p), QColor(101, 50, 2));
    for (QPoint p : outside) QCOMPARE(PixelAt(image, p), QColor(6, 125, 32));
    // Untouched background outside the symbol.
    QCOMPARE(PixelAt(image, {0, 0}), QColor(11, 250, 64));
  }

  void smallValveShading() {
    TSmallKran valve;
    valve.SetState(4);
    const QImage image = valve.Render();
    for (QPoint p : Points{{3, 15}, {5, 16}, {3, 17}, {10, 15}, {8, 16}, {10, 17}}) {
      QCOMPARE(PixelAt(image, p), Half(kAvar));
    }
    int outside = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) outside += PixelAt(image, {x, y}) == Half(kNone);
    }
    QCOMPARE(outside, 12);
    // The body is outlined, not filled.
    QCOMPARE(PixelAt(image, {3, 16}), kNone);
  }

  void roundLampRim() {
    TRoundLevel lamp;
    lamp.SetRGB_high(QColor(250, 40, 100));
    lamp.SetState(2);
    const QImage image = lamp.Render();
    QCOMPARE(PixelAt(image, {5, 5}), QColor(250, 40, 100));
    QCOMPARE(PixelAt(image, {5, 2}), QColor(218, 8, 68));   // darkened by 32
    QCOMPARE(PixelAt(image, {2, 5}), QColor(218, 8, 68));
    QCOMPARE(PixelAt(image, {5, 1}), QColor(186, 0, 36));   // by 64, floored at 0
    QCOMPARE(PixelAt(image, {10, 6}), QColor(186, 0, 36));
    QCOMPARE(PixelAt(image, {0, 0}), kNone);                // corners stay background
  }

  void ignoredStates_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("value");
    for (const Kind& kind : Kinds()) {
      for (int value : {-1, kind.highestState + 1, 255}) {
        QTest::addRow("%s %d", kind.name, value) << IndexOf(kind) << value;
      }
    }
  }
  // A state out of range changes nothing, not even by a repaint.
  void ignoredStates() {
    const Kind& kind = FetchKind();
    QFETCH(int, value);
    std::unique_ptr<TIndicator> widget(kind.make());
    widget->SetState(1);
    const QImage before = widget->Render();
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
    test::PaintCounter paints(widget.get());
    widget->SetState(value);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCOMPARE(widget->State(), 1);
    QCOMPARE(paints.count(), 0);
    QCOMPARE(widget->Render(), before);
  }

  void settersRepaint_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<bool>("repaintsUnchanged");
    for (const Kind& kind : Kinds()) {
      QTest::addRow("%s State", kind.name) << IndexOf(kind) << QByteArray("State") << false;
      QTest::addRow("%s RGB_none", kind.name) << IndexOf(kind) << QByteArray("RGB_none") << true;
      QTest::addRow("%s RGB_contour", kind.name)
          << IndexOf(kind) << QByteArray("RGB_contour") << true;
    }
    for (int k : {0, 1}) {
      for (const char* name : {"Fail", "ShowFail"}) {
        QTest::addRow("%s %s", Kinds()[k].name, name) << k << QByteArray(name) << false;
      }
      for (const char* name : {"RGB_open", "RGB_temp", "RGB_close", "RGB_avar", "RGB_fail"}) {
        QTest::addRow("%s %s", Kinds()[k].name, name) << k << QByteArray(name) << true;
      }
    }
    for (const char* name : {"RGB_low", "RGB_high"}) {
      QTest::addRow("TRoundLevel %s", name) << 6 << QByteArray(name) << true;
    }
  }
  // Colour setters repaint even when assigned their current value; State, Fail and ShowFail
  // only on a change.
  void settersRepaint() {
    const Kind& kind = FetchKind();
    QFETCH(QByteArray, property);
    QFETCH(bool, repaintsUnchanged);
    std::unique_ptr<TIndicator> widget(kind.make());
    widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
    test::PaintCounter paints(widget.get());
    auto repaintedAfter = [&](const QVariant& value) {
      const int before = paints.count();
      widget->setProperty(property.constData(), value);
      QCoreApplication::sendPostedEvents();
      QCoreApplication::processEvents();
      return paints.count() > before;
    };
    const QVariant current = widget->property(property.constData());
    QCOMPARE(repaintedAfter(current), repaintsUnchanged);
    const QVariant changed = current.typeId() == QMetaType::QColor ? QVariant(QColor(1, 2, 3))
                             : current.typeId() == QMetaType::Bool ? QVariant(!current.toBool())
                                                                   : QVariant(2);
    QVERIFY(repaintedAfter(changed));
  }

  // The widget paints exactly its composed picture.
  void paintsTheRenderedPicture_data() {
    AddKindRows([](const Kind& kind) { QTest::newRow(kind.name) << IndexOf(kind); });
  }
  void paintsTheRenderedPicture() {
    std::unique_ptr<TIndicator> widget(FetchKind().make());
    widget->SetState(2);
    QImage painted(widget->size(), QImage::Format_RGB32);
    widget->render(&painted);
    QCOMPARE(painted, widget->Render());
  }
};

}  // namespace zel

QTEST_MAIN(zel::IndicatorsTest)
#include "indicators_test.moc"
