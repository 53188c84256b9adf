#include "platform/single_instance.h"

#include <QSignalSpy>
#include <QTest>
#include <QUuid>

using zs::platform::SingleInstance;

class SingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    void secondCopyAsksTheFirstAndGivesWay();
    void namesDifferPerUserHome();
};

void SingleInstanceTest::secondCopyAsksTheFirstAndGivesWay() {
    const QString name = QStringLiteral("zs-test-") + QUuid::createUuid().toString(QUuid::Id128);
    SingleInstance first(name);
    QSignalSpy raised(&first, &SingleInstance::raiseRequested);
    QVERIFY(first.becomePrimary());
    {
        SingleInstance second(name);
        QVERIFY(!second.becomePrimary());
    }
    QVERIFY(raised.count() == 1 || raised.wait());
    QCOMPARE(raised.count(), 1);
}

void SingleInstanceTest::namesDifferPerUserHome() {
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", "/home/ayse");
    const QString a = SingleInstance::defaultName();
    qputenv("HOME", "/home/ali");
    const QString b = SingleInstance::defaultName();
    qputenv("HOME", home);
    QVERIFY(a != b);
    QVERIFY(a.startsWith(QStringLiteral("zamanseri-")));
}

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
