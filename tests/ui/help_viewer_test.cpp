#include "platform/help_viewer.h"

#include <QDialog>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

using namespace zs::platform;

namespace {

const int kTopics[] = {help::MainMenu,        help::WorkingDirectory, help::MessageDialog,
                       help::Lessons,         help::LessonGroups,     help::LessonEdit,
                       help::LessonGroupEdit, help::Classes,          help::Rooms,
                       help::Teachers,        help::TeacherEdit,      help::DailyLessonCounts,
                       help::Settings,        help::Details,          help::SpecialSettings,
                       help::StartTimes,      help::AutomaticSettings};

QString page(int topic) {
    QFile file(helpTopicUrl(topic).toString().mid(3)); // "qrc:/help/.." as ":/help/.."
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT
private slots:
    void everyTopicHasAPageListedInTheContents();
    void everyLinkLeadsToAPage();
    void opensAtTheTopicAndReusesTheWindow();
    void unknownTopicShowsTheContents();
    void helpOverAModalScreenIsUsable();
};

void HelpViewerTest::everyTopicHasAPageListedInTheContents() {
    QVERIFY(helpTopicExists(help::Contents));
    const QString contents = page(help::Contents);
    for (int topic : kTopics) {
        QVERIFY2(helpTopicExists(topic), qPrintable(QString::number(topic)));
        QVERIFY2(contents.contains(QStringLiteral("href=\"%1.html\"").arg(topic)),
                 qPrintable(QString::number(topic)));
    }
}

void HelpViewerTest::everyLinkLeadsToAPage() {
    static const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
    QList<int> topics(std::begin(kTopics), std::end(kTopics));
    topics << help::Contents;
    for (int topic : topics) {
        auto it = link.globalMatch(page(topic));
        while (it.hasNext()) {
            const QString target = it.next().captured(1);
            QVERIFY2(QFile::exists(QStringLiteral(":/help/") + target),
                     qPrintable(QStringLiteral("%1 -> %2").arg(topic).arg(target)));
        }
    }
}

void HelpViewerTest::opensAtTheTopicAndReusesTheWindow() {
    QWidget owner;
    owner.show();
    HelpWindow* first = showHelp(help::Lessons, &owner);
    QVERIFY(first->isVisible());
    QVERIFY(first->browser()->source().toString().endsWith(QStringLiteral("/101.html")));
    QVERIFY(first->browser()->toPlainText().contains(QStringLiteral("DERSLER")));
    HelpWindow* second = showHelp(help::MainMenu, &owner);
    QCOMPARE(second, first);
    QVERIFY(first->browser()->toPlainText().contains(QStringLiteral("BÜTÜN DOSYALARI SİL")));
}

void HelpViewerTest::unknownTopicShowsTheContents() {
    QWidget owner;
    HelpWindow* window = showHelp(999, &owner);
    QVERIFY(window->browser()->source().toString().endsWith(QStringLiteral("contents.html")));
    QVERIFY(window->browser()->toPlainText().contains(QStringLiteral("İçindekiler")));
}

void HelpViewerTest::helpOverAModalScreenIsUsable() {
    QDialog screen;
    screen.setModal(true);
    screen.show();
    // A modal dialog blocks every window but its own children.
    HelpWindow* window = showHelp(help::Teachers, &screen);
    QCOMPARE(window->parentWidget(), static_cast<QWidget*>(&screen));
    QVERIFY(window->isWindow());
}

QTEST_MAIN(HelpViewerTest)
#include "help_viewer_test.moc"
