// The built program itself: PATH.PRG in the per-user folder wherever it is started from,
// and the single running copy.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class ProgramTest : public QObject {
    Q_OBJECT
private slots:
    void usesItsUserFolderAndASecondCopyEndsSilently();
};

void ProgramTest::usesItsUserFolderAndASecondCopyEndsSilently() {
    QTemporaryDir root;
    QVERIFY(root.isValid());
    QDir(root.path()).mkpath(QStringLiteral("elsewhere"));
    QDir(root.path()).mkpath(QStringLiteral("data/zamanseri"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Its own home keeps this copy apart from any program the user runs.
    env.insert(QStringLiteral("HOME"), root.filePath(QStringLiteral("home")));
    env.insert(QStringLiteral("ZAMANSERI_DRIVES"), root.filePath(QStringLiteral("drives")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), root.filePath(QStringLiteral("data")));
    const QString current = root.filePath(QStringLiteral("elsewhere"));
    const QString userFolder = root.filePath(QStringLiteral("data/zamanseri"));
    // An earlier user's PATH.PRG names another working directory: it must be honoured.
    QByteArray pathRecord(81, '\0');
    const QByteArray workDir("D:\\OKUL\\");
    pathRecord[0] = char(workDir.size());
    pathRecord.replace(1, workDir.size(), workDir);
    QDir(root.path()).mkpath(QStringLiteral("drives/D/OKUL"));
    {
        QFile f(QDir(userFolder).filePath(QStringLiteral("PATH.PRG")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(pathRecord);
    }

    QProcess first;
    first.setProcessEnvironment(env);
    first.setWorkingDirectory(current);
    first.start(QStringLiteral(ZS_PROGRAM), {});
    QVERIFY(first.waitForStarted());
    const QString options = root.filePath(QStringLiteral("drives/D/OKUL/OPTION.PRG"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(options), 30000);
    QVERIFY(QDir(current).isEmpty());

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
