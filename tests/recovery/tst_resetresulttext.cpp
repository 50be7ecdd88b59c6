// The messages after a reset request: success, and each failure code with
// the attempts left or the lock time taken from the failure record.

#include "resetresulttext.h"

#include <QStandardPaths>
#include <QTest>

using TarnTool::ResetResultText;

class TstResetResultText : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void succeed();
    void failures_data();
    void failures();
};

void TstResetResultText::succeed()
{
    QCOMPARE(ResetResultText::succeedText(), QStringLiteral("Reset password Succeed."));
}

void TstResetResultText::failures_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("attempts");
    QTest::addColumn<int>("lockMinutes");
    QTest::addColumn<QString>("expected");

    QTest::newRow("device deny") << 2009 << 3 << 4 << "Reset password failed,device deny.";
    QTest::newRow("time out") << 2011 << 0 << 0 << "Reset password failed,time out.";
    QTest::newRow("locked for 30 minutes") << 2018 << 0 << 30
                                           << "Reset password failed,device locked,lock time:30minutes";
    QTest::newRow("locked, 255 minutes (unsigned byte)")
        << 2018 << 0 << 255 << "Reset password failed,device locked,lock time:255minutes";
    QTest::newRow("locked without time") << 2018 << 5 << 0 << "Reset password failed,device locked.";
    QTest::newRow("invalid guid") << 2026 << 4 << 0 << "Reset password failed,invalid guid, retry times:4";
    QTest::newRow("wrong answer, 2 left") << 2027 << 2 << 0 << "Reset password failed,answer error,retry times:2";
    QTest::newRow("wrong answer, 200 left (unsigned byte)")
        << 2027 << 200 << 0 << "Reset password failed,answer error,retry times:200";
    QTest::newRow("invalid code") << 2033 << 0 << 9
                                  << "Reset password failed,invalid verification code, retry times:0";
    QTest::newRow("other code") << 9 << 1 << 1 << "Reset password failed,error id:9";
    QTest::newRow("wrong password code is not special")
        << 2024 << 3 << 0 << "Reset password failed,error id:2024";
    QTest::newRow("zero") << 0 << 0 << 0 << "Reset password failed,error id:0";
}

void TstResetResultText::failures()
{
    QFETCH(int, code);
    QFETCH(int, attempts);
    QFETCH(int, lockMinutes);
    QFETCH(QString, expected);
    QCOMPARE(ResetResultText::failureText(code, quint8(attempts), quint8(lockMinutes)), expected);
}

QTEST_GUILESS_MAIN(TstResetResultText)
#include "tst_resetresulttext.moc"
