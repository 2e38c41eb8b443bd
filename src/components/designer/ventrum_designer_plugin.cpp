#include "ventrum_designer_plugin.h"

#include <QIcon>
#include <QPixmap>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <functional>
#include <type_traits>
#include <utility>

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

// One widget box entry; the widget box icon is the widget's own picture.
class WidgetEntry final : public QDesignerCustomWidgetInterface {
 public:
  using Factory = std::function<QWidget*(QWidget*)>;
  using Picture = std::function<QImage()>;

  WidgetEntry(QString className, QString header, QString toolTip, bool container,
              Factory factory, Picture picture)
      : className_(std::move(className)),
        header_(std::move(header)),
        toolTip_(std::move(toolTip)),
        container_(container),
        factory_(std::move(factory)),
        picture_(std::move(picture)) {}

  QString name() const override { return "zel::" + className_; }
  QString group() const override { return QStringLiteral("Ventrum"); }
  QString toolTip() const override { return toolTip_; }
  QString whatsThis() const override { return toolTip_; }
  QString includeFile() const override { return header_; }
  QIcon icon() const override { return QIcon(QPixmap::fromImage(picture_())); }
  bool isContainer() const override { return container_; }
  QWidget* createWidget(QWidget* parent) override { return factory_(parent); }
  bool isInitialized() const override { return initialized_; }
  void initialize(QDesignerFormEditorInterface*) override { initialized_ = true; }
  QString domXml() const override {
    QString object = className_;
    object[0] = object[0].toLower();
    return QStringLiteral("<ui language=\"c++\"><widget class=\"%1\" name=\"%2\"/></ui>")
        .arg(name(), object);
  }

 private:
  QString className_;
  QString header_;
  QString toolTip_;
  bool container_;
  Factory factory_;
  Picture picture_;
  bool initialized_ = false;
};

// The picture shown as the widget box icon: an indicator in its "open" state, a small framed
// gradient.
template <typename Widget>
QImage IconPicture() {
  Widget widget;
  if constexpr (std::is_same_v<Widget, TGradient>) {
    widget.resize(22, 22);
    widget.SetControl_3D(true);
    widget.SetRGB_To(QColor(0, 0, 128));
  } else {
    widget.SetState(1);
  }
  return widget.Render();
}

template <typename Widget>
std::unique_ptr<QDesignerCustomWidgetInterface> Entry(const QString& className,
                                                      const QString& toolTip) {
  return std::make_unique<WidgetEntry>(
      className, QStringLiteral("components/%1.h").arg(className), toolTip,
      std::is_same_v<Widget, TGradient>,
      [](QWidget* parent) -> QWidget* { return new Widget(parent); }, &IconPicture<Widget>);
}

}  // namespace

VentrumDesignerPlugin::VentrumDesignerPlugin(QObject* parent) : QObject(parent) {
  widgets_.push_back(Entry<TGradient>("TGradient", "Panel with a vertical colour gradient"));
  widgets_.push_back(Entry<TLargeKran>("TLargeKran", "Large motor-driven valve"));
  widgets_.push_back(Entry<TSmallKran>("TSmallKran", "Small motor-driven valve"));
  widgets_.push_back(Entry<THandKranV>("THandKranV", "Hand valve, upright"));
  widgets_.push_back(Entry<THandKranH>("THandKranH", "Hand valve, lying"));
  widgets_.push_back(Entry<THandKranD>("THandKranD", "Hand valve, diagonal"));
  widgets_.push_back(Entry<TRectLevel>("TRectLevel", "Square level lamp"));
  widgets_.push_back(Entry<TRoundLevel>("TRoundLevel", "Round level lamp"));
}

VentrumDesignerPlugin::~VentrumDesignerPlugin() = default;

QList<QDesignerCustomWidgetInterface*> VentrumDesignerPlugin::customWidgets() const {
  QList<QDesignerCustomWidgetInterface*> list;
  for (const auto& widget : widgets_) list.append(widget.get());
  return list;
}

}  // namespace zel
