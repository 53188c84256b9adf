// The built program itself: start-up in its current directory and the single running copy.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class ProgramTest : public QObject {
    Q_OBJECT
private slots:
    void startsInItsFolderAndASecondCopyEndsSilently();
};

void ProgramTest::startsInItsFolderAndASecondCopyEndsSilently() {
    QTemporaryDir root;
    QVERIFY(root.isValid());
    QDir(root.path()).mkpath(QStringLiteral("home/current"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Its own home keeps this copy apart from any program the user runs.
    env.insert(QStringLiteral("HOME"), root.filePath(QStringLiteral("home")));
    env.insert(QStringLiteral("ZAMANSERI_DRIVES"), root.filePath(QStringLiteral("drives")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QString current = root.filePath(QStringLiteral("home/current"));

    QProcess first;
    first.setProcessEnvironment(env);
    first.setWorkingDirectory(current);
    first.start(QStringLiteral(ZS_PROGRAM), {});
    QVERIFY(first.waitForStarted());
    const QString options = root.filePath(QStringLiteral("drives/C/Zamanseri/OPTION.PRG"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(options), 30000);
    QCOMPARE(QFile(QDir(current).filePath(QStringLiteral("PATH.PRG"))).size(), qint64(81));

    QProcess second;
    second.setProcessEnvironment(env);
    second.setWorkingDirectory(current);
    second.start(QStringLiteral(ZS_PROGRAM), {});
    QVERIFY(second.waitForFinished(30000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);

    first.terminate();
    if (!first.waitForFinished(10000)) {
        first.kill();
        first.waitForFinished();
    }
}

QTEST_GUILESS_MAIN(ProgramTest)
#include "program_test.moc"
