// The start-up arithmetic and the single-instance lock.

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "singleinstanceguard.h"
#include "startupgeometry.h"

class TstStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void windowGeometry_data();
    void windowGeometry();
    void displayCheck_data();
    void displayCheck();
    void secondInstanceIsRefused();
    void lockOfAKilledInstanceIsTakenOver();
};

void TstStartup::windowGeometry_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("position");
    QTest::newRow("low desktop takes it all") << QRect(0, 0, 1366, 728) << QSize(1366, 728) << QPoint(0, 0);
    QTest::newRow("full hd with task bar") << QRect(0, 0, 1920, 1040) << QSize(1417, 768) << QPoint(251, 0);
    QTest::newRow("exactly 768") << QRect(0, 0, 1024, 768) << QSize(1024, 768) << QPoint(0, 0);
    QTest::newRow("task bar on top") << QRect(0, 40, 2560, 1400) << QSize(1404, 768) << QPoint(578, 40);
}

void TstStartup::windowGeometry()
{
    QFETCH(QRect, available);
    QFETCH(QSize, size);
    QFETCH(QPoint, position);
    const QRect g = apt::mainWindowGeometry(available);
    QCOMPARE(g.size(), size);
    QCOMPARE(g.topLeft(), position);
}

void TstStartup::displayCheck_data()
{
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<bool>("large");
    QTest::newRow("1024 x 768") << QList<QRect>{{0, 0, 1024, 768}} << true;
    QTest::newRow("1023 wide") << QList<QRect>{{0, 0, 1023, 768}} << false;
    QTest::newRow("767 high") << QList<QRect>{{0, 0, 1280, 767}} << false;
    QTest::newRow("two screens side by side")
        << QList<QRect>{{0, 0, 1280, 720}, {1280, 0, 800, 1024}} << true;
    QTest::newRow("two small ones") << QList<QRect>{{0, 0, 800, 600}, {800, 0, 200, 600}} << false;
    QTest::newRow("no screen") << QList<QRect>{} << false;
}

void TstStartup::displayCheck()
{
    QFETCH(QList<QRect>, screens);
    QFETCH(bool, large);
    QCOMPARE(apt::isDisplayLargeEnough(screens), large);
}

void TstStartup::secondInstanceIsRefused()
{
    QTemporaryDir dir;
    apt::SingleInstanceGuard first("TARNToolTest", dir.path());
    QVERIFY(!first.isRunning());
    QVERIFY(!first.isRunning());   // asking again keeps the lock
    apt::SingleInstanceGuard second("TARNToolTest", dir.path());
    QVERIFY(second.isRunning());
    apt::SingleInstanceGuard otherProgram("OtherTool", dir.path());
    QVERIFY(!otherProgram.isRunning());
}

void TstStartup::lockOfAKilledInstanceIsTakenOver()
{
    QTemporaryDir dir;
    // A child process takes the lock and is killed without any chance to clean up.
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {"--hold-lock", dir.path()});
    QVERIFY(child.waitForStarted());
    QVERIFY(child.waitForReadyRead(5000));
    QCOMPARE(child.readAll().trimmed(), QByteArray("locked"));
    apt::SingleInstanceGuard whileAlive("TARNToolTest", dir.path());
    QVERIFY(whileAlive.isRunning());
    child.kill();
    QVERIFY(child.waitForFinished());
    QVERIFY(QFile::exists(whileAlive.lockFilePath()));
    apt::SingleInstanceGuard next("TARNToolTest", dir.path());
    QVERIFY(!next.isRunning());
}

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--hold-lock") == 0) {
        QCoreApplication app(argc, argv);
        apt::SingleInstanceGuard guard("TARNToolTest", QString::fromLocal8Bit(argv[2]));
        if (guard.isRunning())
            return 1;
        std::fputs("locked\n", stdout);
        std::fflush(stdout);
        QTest::qWait(60000);
        return 0;
    }
    QCoreApplication app(argc, argv);
    TstStartup test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_startup.moc"
