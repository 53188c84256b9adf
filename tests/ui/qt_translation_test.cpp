// Qt's own dialogs speak Turkish once the program has loaded Qt's translations.
#include "platform/qt_translation.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

class QtTranslationTest : public QObject {
    Q_OBJECT
private slots:
    void qtDialogsAreTurkish();
};

namespace {

// Every text of the dialog's buttons and labels and its title.
QStringList textsOf(QWidget* dialog) {
    QStringList texts{dialog->windowTitle()};
    for (auto* b : dialog->findChildren<QAbstractButton*>()) texts << b->text();
    for (auto* a : dialog->findChildren<QAction*>()) texts << a->text() << a->toolTip();
    return texts;
}

} // namespace

void QtTranslationTest::qtDialogsAreTurkish() {
    QPrinter printer;
    QPrintDialog before(&printer);
    QCOMPARE(before.windowTitle(), QStringLiteral("Print"));

    QVERIFY(zs::platform::installQtTranslations(*qApp));
    QPrintDialog print(&printer);
    QCOMPARE(print.windowTitle(), QStringLiteral("Yazdır"));
    QPrintPreviewDialog preview(&printer);
    QVERIFY(textsOf(&preview).contains(QStringLiteral("Yazdır")));
    QPageSetupDialog setup(&printer);
    QVERIFY(!textsOf(&setup).contains(QStringLiteral("Portrait")));
    QVERIFY(!textsOf(&preview).contains(QStringLiteral("Portrait")));
    // The menu of every text field.
    QLineEdit field;
    field.setText(QStringLiteral("abc"));
    std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList items;
    for (QAction* a : menu->actions()) items << a->text();
    QVERIFY(items.join(QLatin1Char('|')).contains(QStringLiteral("Kopyala")));
}

QTEST_MAIN(QtTranslationTest)
#include "qt_translation_test.moc"
