#include "platform/dos_path.h"
#include "ui/path_dialog.h"
#include "ui_test_support.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

using zs::ui::TPathForm;

class PathDialogTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheWorkingDirectory();
    void doubleClickSwitchesBuildingsAndBack();
    void doubleClickLeavesOtherTextAlone_data();
    void doubleClickLeavesOtherTextAlone();
    void aChosenFolderIsWrittenTheDosWayOrRefused();
};

void PathDialogTest::showsTheWorkingDirectory() {
    TPathForm form(QStringLiteral("C:\\Zamanseri\\"));
    QCOMPARE(form.windowTitle(), QStringLiteral("ÇALIŞMA DİZİNİ"));
    QCOMPARE(form.text(), QStringLiteral("C:\\Zamanseri\\"));
    bool labelled = false;
    for (auto* label : form.findChildren<QLabel*>())
        labelled |=
            label->text() == QStringLiteral("ÇALIŞMA DİZİNİ") && label->buddy() == form.field();
    QVERIFY(labelled);
}

void PathDialogTest::doubleClickSwitchesBuildingsAndBack() {
    TPathForm form(QStringLiteral("C:\\Zamanseri\\"));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseDClick(form.field(), Qt::LeftButton);
    QCOMPARE(form.text(), QStringLiteral("C:\\ekbina\\"));
    QTest::mouseDClick(form.field(), Qt::LeftButton);
    QCOMPARE(form.text(), QStringLiteral("C:\\Zamanseri\\"));
}

void PathDialogTest::doubleClickLeavesOtherTextAlone_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("other folder") << QStringLiteral("D:\\OKUL\\");
    QTest::newRow("other case") << QStringLiteral("c:\\zamanseri\\");
    QTest::newRow("no backslash") << QStringLiteral("C:\\Zamanseri");
    QTest::newRow("empty") << QString();
}

void PathDialogTest::doubleClickLeavesOtherTextAlone() {
    QFETCH(QString, text);
    TPathForm form(text);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseDClick(form.field(), Qt::LeftButton);
    QCOMPARE(form.text(), text);
}

// The folder chooser's answer goes into the field as the DOS text the program stores; a
// folder PATH.PRG cannot name is refused on the spot with the reason, the field unchanged.
void PathDialogTest::aChosenFolderIsWrittenTheDosWayOrRefused() {
    zs::platform::DriveMap drives;
    drives.set('C', "/home/okul");
    drives.set('D', "/srv/okul");
    drives.set('E', "/home/okul/usb");
    const std::string longName(70, 'K');
    const struct {
        std::string folder;
        std::string text;    // in the field afterwards
        const char* refusal; // a part of the notice; none when taken
    } cases[] = {{"/home/okul", "C:\\", nullptr},
                 {"/home/okul/Zamanseri", "C:\\Zamanseri\\", nullptr},
                 {"/home/okul/a/b/", "C:\\a\\b\\", nullptr},
                 {"/home/okul/usb/OKUL", "E:\\OKUL\\", nullptr},
                 {"/srv/okul/" + longName, "D:\\" + longName + "\\", nullptr},
                 {"/srv/okul/" + longName + "/ABCDEFGH", "C:\\Zamanseri\\", "en çok 80 karakter"},
                 {"/home/okulx", "C:\\Zamanseri\\", "C: (/home/okul), D: (/srv/okul)"},
                 {"/tmp/data", "C:\\Zamanseri\\", "sürücü harfinin altında değil"},
                 {"/home/okul/\xe6\x97\xa5", "C:\\Zamanseri\\", "kod sayfasında"}};
    for (const auto& c : cases) {
        TPathForm form(QStringLiteral("C:\\Zamanseri\\"), nullptr, &drives);
        zs::test::DialogDriver driver;
        driver.then(zs::test::DialogDriver::pressOk());
        const bool taken = form.takeFolder(c.folder);
        QCOMPARE(taken, c.refusal == nullptr);
        if (c.refusal) {
            QCOMPARE(driver.seen.size(), std::size_t(1));
            QVERIFY2(driver.seen[0].text.contains(QString::fromUtf8(c.refusal)),
                     qPrintable(driver.seen[0].text));
        } else {
            QVERIFY(driver.seen.empty());
        }
        QCOMPARE(form.text(), QString::fromStdString(c.text));
    }
}

QTEST_MAIN(PathDialogTest)
#include "path_dialog_test.moc"
