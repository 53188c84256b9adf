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

QTEST_MAIN(PathDialogTest)
#include "path_dialog_test.moc"
