#include "core/cp1254.h"
#include "core/entities.h"
#include "core/settings.h"
#include "core/startup.h"
#include "ui/app_session.h"
#include "ui_test_support.h"

#include <QTest>

#include <filesystem>

namespace fs = std::filesystem;
using zs::DataFile;
using zs::test::readBytes;
using zs::test::UiFolder;
using zs::ui::AppSession;

namespace {

zs::Bytes pathRecord(const std::string& text) {
    return zs::encodePathRecord(text);
}

zs::Database lessonsOnly(int count) {
    zs::Database db;
    for (int i = 1; i <= count; ++i)
        zs::addLesson(db, zs::Id(i), 0, 1, zs::Pattern{1, 0, 0, 0, 0}, "D",
                      "DERS" + std::to_string(i), 1);
    return db;
}

} // namespace

class AppSessionTest : public QObject {
    Q_OBJECT
private slots:
    void firstStartInAnEmptyFolder();
    void startUsesTheDirectoryOfPathFile();
    void startInAMissingChosenDirectoryFails();
    void changeToAMissingDirectoryChangesNothing();
    void changeReloadsWithoutDoubling();
    void anEmptyAnnexReceivesTheMainLessons();
    void aFailedChangeKeepsTheDirectoryInUse();
    void aSecondProgramOnTheFolderIsRefused();
};

void AppSessionTest::firstStartInAnEmptyFolder() {
    UiFolder folder;
    AppSession session(folder.currentDir(), folder.drives());
    auto s = session.start();
    QVERIFY2(s.ok(), s.ok() ? "" : s.error().message.c_str());

    QCOMPARE(zs::decodePathRecord(readBytes(folder.currentDir() / "PATH.PRG")),
             std::string("C:\\Zamanseri\\"));
    QCOMPARE(session.workDir, std::string("C:\\Zamanseri\\"));
    QVERIFY(!session.restartPending);

    // The default folder is made and loaded (what a load creates is the core's to test).
    QVERIFY(fs::exists(folder.mainFolder() / "LESSON.PRG"));
    QVERIFY(session.loaded);
}

void AppSessionTest::startUsesTheDirectoryOfPathFile() {
    UiFolder folder;
    zs::test::writeBytes(folder.currentDir() / "PATH.PRG", pathRecord("D:\\OKUL\\"));
    zs::test::writeTables(lessonsOnly(3), folder.drive('D') / "OKUL", {DataFile::Lesson});
    AppSession session(folder.currentDir(), folder.drives());
    QVERIFY(session.start().ok());
    QCOMPARE(session.workDir, std::string("D:\\OKUL\\"));
    QCOMPARE(session.db.lessons.count(), 3);
    QVERIFY(!fs::exists(folder.mainFolder()));
}

void AppSessionTest::startInAMissingChosenDirectoryFails() {
    UiFolder folder;
    zs::test::writeBytes(folder.currentDir() / "PATH.PRG", pathRecord("D:\\YOK\\"));
    AppSession session(folder.currentDir(), folder.drives());
    auto s = session.start();
    QVERIFY(!s.ok());
    QVERIFY(!s.error().path.empty());
    QVERIFY(session.db.lessons.empty());
}

void AppSessionTest::changeToAMissingDirectoryChangesNothing() {
    UiFolder folder;
    zs::test::writeTables(lessonsOnly(2), folder.mainFolder(), {DataFile::Lesson});
    AppSession session(folder.currentDir(), folder.drives());
    QVERIFY(session.start().ok());
    const zs::Bytes before = readBytes(folder.currentDir() / "PATH.PRG");

    for (const char* text : {"D:\\YOK\\", "C:\\Zamanseri\\YOK", ""}) {
        auto r = session.changeWorkDir(text);
        QVERIFY(r.ok());
        QVERIFY(!r.value());
    }
    QCOMPARE(readBytes(folder.currentDir() / "PATH.PRG"), before);
    QCOMPARE(session.workDir, std::string("C:\\Zamanseri\\"));
    QCOMPARE(session.db.lessons.count(), 2);
}

void AppSessionTest::changeReloadsWithoutDoubling() {
    UiFolder folder;
    zs::test::writeTables(lessonsOnly(1), folder.mainFolder(), {DataFile::Lesson});
    const fs::path other = folder.drive('D') / "OKUL2";
    zs::test::writeTables(zs::test::smallSchool(), other,
                          {DataFile::Lesson, DataFile::Class, DataFile::Teacher,
                           DataFile::ClassLesson, DataFile::TeacherLesson});
    AppSession session(folder.currentDir(), folder.drives());
    QVERIFY(session.start().ok());
    session.restartPending = true;

    // The typed folder gets its final backslash.
    auto r = session.changeWorkDir("D:\\OKUL2");
    QVERIFY(r.ok() && r.value());
    QCOMPARE(session.workDir, std::string("D:\\OKUL2\\"));
    QCOMPARE(zs::decodePathRecord(readBytes(folder.currentDir() / "PATH.PRG")),
             std::string("D:\\OKUL2\\"));
    QVERIFY(!session.restartPending);
    QCOMPARE(session.db.lessons.count(), 2);
    QCOMPARE(session.db.teachers.count(), 2);
    QCOMPARE(int(session.db.teacherLessons.size()), 1);
    QCOMPARE(session.db.classLessons.find(1, 1)->teacherCount, zs::u8(1));
    QVERIFY(fs::exists(other / "OPTION.PRG"));

    QVERIFY(session.changeWorkDir("C:\\Zamanseri\\").value());
    QCOMPARE(session.db.lessons.count(), 1);
    QCOMPARE(session.db.teachers.count(), 0);
    QVERIFY(session.changeWorkDir("D:\\OKUL2\\").value());
    QVERIFY(session.changeWorkDir("d:\\okul2\\").value());
    QCOMPARE(int(session.db.teacherLessons.size()), 1);
    QCOMPARE(session.db.classLessons.find(1, 1)->teacherCount, zs::u8(1));
}

void AppSessionTest::anEmptyAnnexReceivesTheMainLessons() {
    UiFolder folder;
    zs::test::writeTables(lessonsOnly(3), folder.mainFolder(), {DataFile::Lesson});
    const fs::path annex = folder.drive('C') / "ekbina";
    fs::create_directories(annex);
    AppSession session(folder.currentDir(), folder.drives());
    QVERIFY(session.start().ok());

    QVERIFY(session.changeWorkDir("C:\\ekbina\\").value());
    QCOMPARE(session.db.lessons.count(), 3);
    QCOMPARE(readBytes(annex / "LESSON.PRG"), readBytes(folder.mainFolder() / "LESSON.PRG"));
}

void AppSessionTest::aFailedChangeKeepsTheDirectoryInUse() {
    UiFolder folder;
    zs::test::writeTables(lessonsOnly(2), folder.mainFolder(), {DataFile::Lesson});
    const fs::path bad = folder.drive('D') / "BOZUK";
    zs::test::writeTables(lessonsOnly(5), bad, {DataFile::Lesson});
    fs::create_directories(bad / "CMNO.PRG");
    AppSession session(folder.currentDir(), folder.drives());
    QVERIFY(session.start().ok());
    const zs::Bytes path = readBytes(folder.currentDir() / "PATH.PRG");

    auto r = session.changeWorkDir("D:\\BOZUK\\");
    QVERIFY(!r.ok());
    QVERIFY(r.error().path.find("CMNO.PRG") != std::string::npos);
    QVERIFY(session.loaded);
    QCOMPARE(session.workDir, std::string("C:\\Zamanseri\\"));
    QCOMPARE(session.db.lessons.count(), 2);
    QCOMPARE(readBytes(folder.currentDir() / "PATH.PRG"), path);
}

void AppSessionTest::aSecondProgramOnTheFolderIsRefused() {
    UiFolder folder;
    AppSession first(folder.currentDir(), folder.drives());
    QVERIFY(first.start().ok());
    AppSession second(folder.currentDir(), folder.drives());
    const zs::Status s = second.start();
    QVERIFY(!s.ok());
    QVERIFY(s.error().message.find("Zamanseri programı") != std::string::npos);
    QVERIFY(!second.loaded);
    QVERIFY(!second.clearAll().ok());
}

QTEST_MAIN(AppSessionTest)
#include "app_session_test.moc"
