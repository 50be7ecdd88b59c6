// The recovery set-up's decisions without a device: refused answers and
// questions, which devices may export a GUID, and when the dialog closes by
// itself after a task.

#include "recoverysetuprules.h"
#include "tarndeviceinfo.h"

#include <QStandardPaths>
#include <QTest>

using TarnTool::RecoverySetupRules;

class TstRecoverySetupRules : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void firstBlankAnswer_data();
    void firstBlankAnswer();
    void firstOverlongAnswer_data();
    void firstOverlongAnswer();
    void repeatedQuestion_data();
    void repeatedQuestion();
    void guidSupport_data();
    void guidSupport();
    void closesAfterGuidExport_data();
    void closesAfterGuidExport();
    void closesAfterQuestions_data();
    void closesAfterQuestions();
    void closesAfterEmail_data();
    void closesAfterEmail();
};

void TstRecoverySetupRules::firstBlankAnswer_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<int>("expected");

    QTest::newRow("all given") << QStringList{"a", "b", "c"} << -1;
    QTest::newRow("first empty") << QStringList{"", "b", "c"} << 0;
    QTest::newRow("second spaces only") << QStringList{"a", "   ", "c"} << 1;
    QTest::newRow("third tab and newline") << QStringList{"a", "b", "\t\n"} << 2;
    QTest::newRow("first of several") << QStringList{"a", "", " "} << 1;
    QTest::newRow("surrounding spaces pass") << QStringList{" a ", "b ", " c"} << -1;
}

void TstRecoverySetupRules::firstBlankAnswer()
{
    QFETCH(QStringList, answers);
    QFETCH(int, expected);
    QCOMPARE(RecoverySetupRules::firstBlankAnswer(answers), expected);
}

void TstRecoverySetupRules::firstOverlongAnswer_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<int>("expected");

    QTest::newRow("short") << QStringList{"a", "b", "c"} << -1;
    QTest::newRow("exactly the field") << QStringList{QString(256, 'a'), "b", "c"} << -1;
    QTest::newRow("one byte more") << QStringList{"a", QString(257, 'b'), "c"} << 1;
    QTest::newRow("third far too long") << QStringList{"a", "b", QString(1000, 'c')} << 2;
}

void TstRecoverySetupRules::firstOverlongAnswer()
{
    QFETCH(QStringList, answers);
    QFETCH(int, expected);
    QCOMPARE(RecoverySetupRules::firstOverlongAnswer(answers), expected);
}

void TstRecoverySetupRules::repeatedQuestion_data()
{
    QTest::addColumn<QVector<int>>("positions");
    QTest::addColumn<bool>("repeated");

    QTest::newRow("all on the first item") << QVector<int>{0, 0, 0} << true;
    QTest::newRow("first and third") << QVector<int>{3, 1, 3} << true;
    QTest::newRow("second and third") << QVector<int>{1, 14, 14} << true;
    QTest::newRow("first and second") << QVector<int>{7, 7, 2} << true;
    QTest::newRow("distinct") << QVector<int>{1, 4, 8} << false;
    QTest::newRow("distinct, reversed") << QVector<int>{14, 13, 0} << false;
}

void TstRecoverySetupRules::repeatedQuestion()
{
    QFETCH(QVector<int>, positions);
    QFETCH(bool, repeated);
    QCOMPARE(RecoverySetupRules::hasRepeatedQuestion(positions), repeated);
}

void TstRecoverySetupRules::guidSupport_data()
{
    QTest::addColumn<int>("recoveryFlags");
    QTest::addColumn<bool>("supported");

    QTest::newRow("none") << 0x00 << false;
    QTest::newRow("bit 2") << 0x04 << true;
    QTest::newRow("other bits only") << 0xFB << false;
    QTest::newRow("all bits") << 0xFF << true;
    QTest::newRow("questions only") << 0x08 << false;
}

void TstRecoverySetupRules::guidSupport()
{
    QFETCH(int, recoveryFlags);
    QFETCH(bool, supported);
    TarnDeviceInfo record;
    record.recoveryFlags = quint8(recoveryFlags);
    QCOMPARE(RecoverySetupRules::supportsGuidExport(record), supported);
}

void TstRecoverySetupRules::closesAfterGuidExport_data()
{
    QTest::addColumn<int>("devices");
    QTest::addColumn<bool>("closes");

    QTest::newRow("one device stays open") << 1 << false;
    QTest::newRow("two devices close") << 2 << true;
    QTest::newRow("a large batch closes") << 40 << true;
}

void TstRecoverySetupRules::closesAfterGuidExport()
{
    QFETCH(int, devices);
    QFETCH(bool, closes);
    QCOMPARE(RecoverySetupRules::closesAfterGuidExport(devices), closes);
}

void TstRecoverySetupRules::closesAfterQuestions_data()
{
    QTest::addColumn<bool>("guid");
    QTest::addColumn<bool>("questions");
    QTest::addColumn<bool>("email");
    QTest::addColumn<bool>("emailDone");
    QTest::addColumn<bool>("closes");

    QTest::newRow("questions only") << false << true << false << false << true;
    QTest::newRow("questions and e-mail, e-mail not yet") << false << true << true << false << false;
    QTest::newRow("questions and e-mail, e-mail done") << false << true << true << true << true;
    QTest::newRow("GUID and questions") << true << true << false << false << false;
    QTest::newRow("GUID and questions, stale e-mail flag") << true << true << false << true << false;
    QTest::newRow("all three, e-mail not yet") << true << true << true << false << false;
    QTest::newRow("all three, e-mail done") << true << true << true << true << true;
}

void TstRecoverySetupRules::closesAfterQuestions()
{
    QFETCH(bool, guid);
    QFETCH(bool, questions);
    QFETCH(bool, email);
    QFETCH(bool, emailDone);
    QFETCH(bool, closes);
    QCOMPARE(RecoverySetupRules::closesAfterQuestions({guid, questions, email}, emailDone), closes);
}

void TstRecoverySetupRules::closesAfterEmail_data()
{
    QTest::addColumn<bool>("guid");
    QTest::addColumn<bool>("questions");
    QTest::addColumn<bool>("email");
    QTest::addColumn<bool>("questionsDone");
    QTest::addColumn<bool>("emailDone");
    QTest::addColumn<bool>("closes");

    QTest::newRow("e-mail only, done") << false << false << true << false << true << true;
    QTest::newRow("e-mail only, failed") << false << false << true << false << false << false;
    QTest::newRow("GUID and e-mail, done") << true << false << true << false << true << true;
    QTest::newRow("questions and e-mail, questions not yet")
        << false << true << true << false << true << false;
    QTest::newRow("questions and e-mail, both done") << false << true << true << true << true << true;
    QTest::newRow("questions and e-mail, e-mail failed")
        << false << true << true << true << false << false;
    QTest::newRow("all three, both done") << true << true << true << true << true << true;
}

void TstRecoverySetupRules::closesAfterEmail()
{
    QFETCH(bool, guid);
    QFETCH(bool, questions);
    QFETCH(bool, email);
    QFETCH(bool, questionsDone);
    QFETCH(bool, emailDone);
    QFETCH(bool, closes);
    QCOMPARE(RecoverySetupRules::closesAfterEmail({guid, questions, email}, questionsDone, emailDone),
             closes);
}

QTEST_GUILESS_MAIN(TstRecoverySetupRules)
#include "tst_recoverysetuprules.moc"
