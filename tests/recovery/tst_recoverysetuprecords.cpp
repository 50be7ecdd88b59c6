// The records the recovery set-up sends: every text in its field at its
// offset, the answers as typed, and input that does not fit refused instead
// of cut.

#include "recoverysetuprecords.h"

#include <QStandardPaths>
#include <QTest>

#include <cstring>
#include <memory>

using TarnTool::RecoverySetupRecords;

namespace {

QByteArray bytesAt(const void *record, int offset, int size)
{
    return QByteArray(static_cast<const char *>(record) + offset, size);
}

bool zeroOutside(const void *record, int recordSize, const QVector<QPair<int, int>> &ranges)
{
    const auto *bytes = static_cast<const unsigned char *>(record);
    for (int i = 0; i < recordSize; ++i) {
        bool inside = false;
        for (const auto &range : ranges)
            inside = inside || (i >= range.first && i < range.first + range.second);
        if (!inside && bytes[i] != 0)
            return false;
    }
    return true;
}

QByteArray padded(const QByteArray &text, int size)
{
    return text + QByteArray(size - text.size(), '\0');
}

quint32 wordAt(const void *record, int offset)
{
    quint32 value = 0;
    std::memcpy(&value, static_cast<const char *>(record) + offset, 4);
    return value;
}

} // namespace

class TstRecoverySetupRecords : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void guidExportInput_data();
    void guidExportInput();
    void questionList_data();
    void questionList();
    void questionListRefuses_data();
    void questionListRefuses();
    void reservedEmail_data();
    void reservedEmail();
    void reservedEmailTooLong();
};

void TstRecoverySetupRecords::guidExportInput_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QByteArray>("field");

    QTest::newRow("short") << "Abc12345" << padded("Abc12345", 16);
    QTest::newRow("full field, no terminator") << "Abcdefgh12345678" << QByteArray("Abcdefgh12345678");
    QTest::newRow("spaces kept") << " pass word " << padded(" pass word ", 16);
}

void TstRecoverySetupRecords::guidExportInput()
{
    QFETCH(QString, password);
    QFETCH(QByteArray, field);
    const TarnGuidExportInput input = RecoverySetupRecords::guidExportInput(password);
    QCOMPARE(int(sizeof input), 144);
    QCOMPARE(bytesAt(&input, 0, 16), field);
    QVERIFY(zeroOutside(&input, sizeof input, {{0, 16}}));
}

void TstRecoverySetupRecords::questionList_data()
{
    QTest::addColumn<QVector<int>>("ids");
    QTest::addColumn<QStringList>("answers");

    QTest::newRow("questions 2, 5 and 9") << QVector<int>{2, 5, 9} << QStringList{"red", "Anna", "Go"};
    QTest::newRow("first and last IDs") << QVector<int>{1, 15, 8} << QStringList{"a", "b", "c"};
    QTest::newRow("answers as typed") << QVector<int>{3, 7, 12}
                                      << QStringList{"  spaced  ", " ", QString(256, 'x')};
}

void TstRecoverySetupRecords::questionList()
{
    QFETCH(QVector<int>, ids);
    QFETCH(QStringList, answers);
    QVector<RecoverySetupRecords::QuestionAnswer> chosen;
    for (int i = 0; i < ids.size(); ++i)
        chosen.append({ids.at(i), answers.at(i)});

    auto list = std::make_unique<TarnQuestionList>();
    QVERIFY(RecoverySetupRecords::fillQuestionList(*list, QStringLiteral("Admin12345"), chosen));

    QCOMPARE(int(sizeof(TarnQuestionList)), 13076);
    QCOMPARE(wordAt(list.get(), 0), quint32(13076));
    QCOMPARE(bytesAt(list.get(), 12548, 16), padded("Admin12345", 16));
    QVector<QPair<int, int>> written{{0, 4}, {12548, 16}};
    for (int i = 0; i < ids.size(); ++i) {
        const int offset = 8 + 392 * ids.at(i);
        QCOMPARE(wordAt(list.get(), offset), quint32(ids.at(i)));
        const QByteArray answer = answers.at(i).toLatin1();
        QCOMPARE(bytesAt(list.get(), offset + 4, 256), padded(answer, 256));
        QCOMPARE(bytesAt(list.get(), offset + 260, 1), QByteArray(1, '\1'));
        written.append({offset, 261});
    }
    // Position 0 and every entry not chosen stay zero.
    QVERIFY(zeroOutside(list.get(), sizeof(TarnQuestionList), written));
}

void TstRecoverySetupRecords::questionListRefuses_data()
{
    QTest::addColumn<QVector<int>>("ids");
    QTest::addColumn<QStringList>("answers");

    QTest::newRow("ID 0") << QVector<int>{0, 5, 9} << QStringList{"a", "b", "c"};
    QTest::newRow("ID 16") << QVector<int>{2, 16, 9} << QStringList{"a", "b", "c"};
    QTest::newRow("negative ID") << QVector<int>{2, 5, -1} << QStringList{"a", "b", "c"};
    QTest::newRow("answer of 257 bytes") << QVector<int>{2, 5, 9}
                                         << QStringList{"a", QString(257, 'b'), "c"};
}

void TstRecoverySetupRecords::questionListRefuses()
{
    QFETCH(QVector<int>, ids);
    QFETCH(QStringList, answers);
    QVector<RecoverySetupRecords::QuestionAnswer> chosen;
    for (int i = 0; i < ids.size(); ++i)
        chosen.append({ids.at(i), answers.at(i)});
    auto list = std::make_unique<TarnQuestionList>();
    QVERIFY(!RecoverySetupRecords::fillQuestionList(*list, QStringLiteral("Admin12345"), chosen));
    QCOMPARE(wordAt(list.get(), 0), quint32(13076));
    QVERIFY(zeroOutside(list.get(), sizeof(TarnQuestionList), {{0, 4}}));
}

void TstRecoverySetupRecords::reservedEmail_data()
{
    QTest::addColumn<QString>("email");

    QTest::newRow("plain") << "admin@example.com";
    QTest::newRow("128 characters") << QString(116, 'a') + "@example.com";
    QTest::newRow("fills the field") << QString(244, 'b') + "@example.com";
}

void TstRecoverySetupRecords::reservedEmail()
{
    QFETCH(QString, email);
    TarnReservedEmailParam param;
    QVERIFY(RecoverySetupRecords::fillReservedEmailParam(param, QStringLiteral("Admin12345"), email));
    QCOMPARE(int(sizeof param), 276);
    QCOMPARE(wordAt(&param, 0), quint32(276));
    QCOMPARE(bytesAt(&param, 4, 16), padded("Admin12345", 16));
    QCOMPARE(bytesAt(&param, 20, 256), padded(email.toLatin1(), 256));
}

void TstRecoverySetupRecords::reservedEmailTooLong()
{
    TarnReservedEmailParam param;
    QVERIFY(!RecoverySetupRecords::fillReservedEmailParam(param, QStringLiteral("Admin12345"),
                                                          QString(245, 'c') + "@example.com"));
    QCOMPARE(wordAt(&param, 0), quint32(276));
    QVERIFY(zeroOutside(&param, sizeof param, {{0, 4}}));
}

QTEST_GUILESS_MAIN(TstRecoverySetupRecords)
#include "tst_recoverysetuprecords.moc"
