// The Designer plugin loads like Qt Designer loads it and offers all eight Ventrum widgets in
// the group "Ventrum".

#include <QFileInfo>
#include <QPluginLoader>
#include <QTest>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <memory>

namespace zel {

class DesignerPluginTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void offersEveryWidgetInGroupVentrum() {
    QPluginLoader loader(QStringLiteral(VENTRUM_DESIGNER_PLUGIN));
    QVERIFY2(loader.load(), qPrintable(loader.errorString()));
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
    QVERIFY(collection != nullptr);

    const QStringList expected = {"TGradient",  "TLargeKran", "TSmallKran", "THandKranV",
                                  "THandKranH", "THandKranD", "TRectLevel", "TRoundLevel"};
    QStringList offered;
    for (QDesignerCustomWidgetInterface* entry : collection->customWidgets()) {
      const QString className = entry->name().section("::", -1);
      offered << className;
      QCOMPARE(entry->group(), QStringLiteral("Ventrum"));
      QVERIFY(!entry->toolTip().isEmpty());
      QVERIFY(!entry->icon().isNull());
      QVERIFY(entry->domXml().contains(QStringLiteral("class=\"%1\"").arg(entry->name())));
      // uic writes this include; it must name the real header.
      QVERIFY2(QFileInfo::exists(QStringLiteral(ZELMARK_SOURCE_DIR "/src/") + entry->includeFile()),
               qPrintable(entry->includeFile()));
      // Only the panel takes child widgets in a form.
      QCOMPARE(entry->isContainer(), className == "TGradient");

      std::unique_ptr<QWidget> widget(entry->createWidget(nullptr));
      QVERIFY(widget != nullptr);
      QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), entry->name());
    }
    QCOMPARE(offered, expected);
  }
};

}  // namespace zel

QTEST_MAIN(zel::DesignerPluginTest)
#include "designer_plugin_test.moc"
