#include "platform/dos_path.h"
#include "ui/path_dialog.h"

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
    void aChosenFolderIsWrittenTheDosWay();
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

// The folder chooser's answer goes into the field as the DOS text the program stores.
void PathDialogTest::aChosenFolderIsWrittenTheDosWay() {
    zs::platform::DriveMap drives;
    drives.set('C', "/home/okul");
    const struct {
        const char* folder;
        const char* text;
    } cases[] = {{"/home/okul", "C:\\"},
                 {"/home/okul/Zamanseri", "C:\\Zamanseri\\"},
                 {"/home/okul/a/b/", "C:\\a\\b\\"},
                 {"/home/okulx", "/home/okulx/"},
                 {"/srv/data", "/srv/data/"}};
    for (const auto& c : cases)
        QCOMPARE(QString::fromStdString(zs::platform::dosFolderText(c.folder, drives)),
                 QString::fromLatin1(c.text));
}

QTEST_MAIN(PathDialogTest)
#include "path_dialog_test.moc"
