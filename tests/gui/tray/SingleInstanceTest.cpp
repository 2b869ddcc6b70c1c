// One instance per data directory: the second finds the first and hands it
// its request; a socket left by a crashed instance does not block a start.
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <future>

#include "platform/qt/SingleInstance.h"

using namespace quorvix;

class SingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    void secondInstanceHandsItsRequestToTheFirst();
    void staleSocketDoesNotBlockTheStart();
};

void SingleInstanceTest::secondInstanceHandsItsRequestToTheFirst() {
    QTemporaryDir dir;
    SingleInstance first(dir.path());
    QCOMPARE(first.Claim(), SingleInstance::Role::Primary);
    QSignalSpy received(&first, &SingleInstance::requestReceived);

    // The same directory under another spelling is the same instance.
    SingleInstance second(dir.path() + QStringLiteral("/./"));
    QCOMPARE(second.serverName(), first.serverName());
    QCOMPARE(second.Claim(), SingleInstance::Role::Secondary);
    // Sent from another thread: this one serves the socket meanwhile.
    auto sent = std::async(std::launch::async, [&] { return second.Send(kShowCalculatorRequest); });
    QTRY_COMPARE(received.count(), 1);
    QCOMPARE(received.at(0).at(0).toByteArray(), QByteArray(kShowCalculatorRequest));
    while (sent.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
        QCoreApplication::processEvents();
    QVERIFY(sent.get());

    QTemporaryDir other;
    QVERIFY(InstanceServerName(other.path()) != first.serverName());
}

void SingleInstanceTest::staleSocketDoesNotBlockTheStart() {
    QTemporaryDir dir;
    const QString name = InstanceServerName(dir.path());
    // What a killed instance leaves: its socket file, no lock holder.
    QVERIFY(QDir::isAbsolutePath(name));
    QFile stale(name);
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.close();
    SingleInstance instance(dir.path());
    QCOMPARE(instance.Claim(), SingleInstance::Role::Primary);
    SingleInstance later(dir.path());
    QCOMPARE(later.Claim(), SingleInstance::Role::Secondary);
    auto sent = std::async(std::launch::async, [&] { return later.Send("show"); });
    while (sent.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
        QCoreApplication::processEvents();
    QVERIFY(sent.get());
}

QTEST_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
