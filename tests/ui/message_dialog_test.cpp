#include "ui/app_session.h"
#include "ui/message_dialog.h"
#include "ui_test_support.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using zs::test::DialogDriver;
using zs::ui::TSilForm;

class MessageDialogTest : public QObject {
    Q_OBJECT
private slots:
    void textAreaNeverTakesTheFocus();
    void confirmAnswersByButton();
    void informSetsThePendingFlagOnlyWhileOpen();
    void confirmDuringPendingRestartOnlyInforms();
    void ioErrorNamesTheFile();
};

void MessageDialogTest::textAreaNeverTakesTheFocus() {
    TSilForm form(QStringLiteral("Bilgi"), false);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto* area = form.findChild<QPlainTextEdit*>(QStringLiteral("messageText"));
    QVERIFY(area);
    QTest::mouseClick(area->viewport(), Qt::LeftButton);
    QTest::keyClick(&form, Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != area);
    QVERIFY(area->isReadOnly());
}

void MessageDialogTest::confirmAnswersByButton() {
    DialogDriver driver;
    driver.then(DialogDriver::pressOk())
        .then(DialogDriver::pressCancel())
        .then(DialogDriver::pressEnter());
    QVERIFY(TSilForm::confirm(nullptr, QStringLiteral("a silinecek !")));
    QVERIFY(!TSilForm::confirm(nullptr, QStringLiteral("b silinecek !")));
    QVERIFY(!TSilForm::confirm(nullptr, QStringLiteral("c silinecek !")));
    QCOMPARE(driver.seen.size(), std::size_t(3));
    for (const auto& s : driver.seen) {
        QCOMPARE(s.type, QStringLiteral("TSilForm"));
        QVERIFY(!s.information);
        QVERIFY(s.cancelVisible);
        QCOMPARE(s.focus, QStringLiteral("cancelButton"));
    }
    QCOMPARE(driver.seen[1].text, QStringLiteral("b silinecek !"));
}

void MessageDialogTest::informSetsThePendingFlagOnlyWhileOpen() {
    zs::test::UiFolder folder;
    zs::ui::AppSession session(folder.currentDir(), folder.drives());
    bool flagWhileOpen = false;
    DialogDriver driver;
    driver.then([&](QWidget* w) {
        flagWhileOpen = session.restartPending;
        DialogDriver::pressEnter()(w);
    });
    TSilForm::inform(nullptr, QStringLiteral("Bilgi"));
    QVERIFY(flagWhileOpen);
    QVERIFY(!session.restartPending);
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QVERIFY(driver.seen[0].information);
    QVERIFY(!driver.seen[0].cancelVisible);
    QCOMPARE(driver.seen[0].focus, QStringLiteral("okButton"));
    // A flag already set stays set.
    session.restartPending = true;
    driver.then(DialogDriver::pressOk());
    TSilForm::inform(nullptr, QStringLiteral("Bilgi"));
    QVERIFY(session.restartPending);
}

void MessageDialogTest::confirmDuringPendingRestartOnlyInforms() {
    zs::test::UiFolder folder;
    zs::ui::AppSession session(folder.currentDir(), folder.drives());
    session.restartPending = true;
    DialogDriver driver;
    driver.then(DialogDriver::pressOk());
    QVERIFY(TSilForm::confirm(nullptr, QStringLiteral("x silinecek !")));
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QVERIFY(driver.seen[0].information);
    QVERIFY(!driver.seen[0].cancelVisible);
}

void MessageDialogTest::ioErrorNamesTheFile() {
    DialogDriver driver;
    driver.then(DialogDriver::pressOk());
    TSilForm::showIoError(nullptr, zs::Error{"No space left on device", "/okul/LESSON.PRG"});
    QCOMPARE(driver.seen.size(), std::size_t(1));
    QVERIFY(driver.seen[0].information);
    QVERIFY(driver.seen[0].text.contains(QStringLiteral("/okul/LESSON.PRG")));
    QVERIFY(driver.seen[0].text.contains(QStringLiteral("hata")));
}

QTEST_MAIN(MessageDialogTest)
#include "message_dialog_test.moc"
