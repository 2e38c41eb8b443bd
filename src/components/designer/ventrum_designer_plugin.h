#pragma once
// The Qt Designer plugin of Ventrum: offers every Ventrum widget in the widget box group
// "Ventrum", so forms can place them like the toolkit's own widgets.

#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <memory>
#include <vector>

namespace zel {

class VentrumDesignerPlugin : public QObject, public QDesignerCustomWidgetCollectionInterface {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
  Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

 public:
  explicit VentrumDesignerPlugin(QObject* parent = nullptr);
  ~VentrumDesignerPlugin() override;

  QList<QDesignerCustomWidgetInterface*> customWidgets() const override;

 private:
  std::vector<std::unique_ptr<QDesignerCustomWidgetInterface>> widgets_;
};

}  // namespace zel
