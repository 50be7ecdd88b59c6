// Layouts of the recovery records: every field at the offset and with the
// size the device expects, and a default-constructed record zero-filled
// except for its size word.

#include "tarnrecoveryrecords.h"

#include <QStandardPaths>
#include <QTest>

#include <cstring>

namespace {

struct FieldPlace
{
    std::size_t offset;
    std::size_t size;
};

#define TARN_FIELD(Record, field) FieldPlace{offsetof(Record, field), sizeof(Record::field)}

template<typename Record>
int nonZeroBytesAfterSizeWord(const Record &record, std::size_t sizeWordBytes)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(&record);
    int count = 0;
    for (std::size_t i = sizeWordBytes; i < sizeof(Record); ++i)
        count += bytes[i] != 0;
    return count;
}

std::uint32_t wordAt(const void *record, std::size_t offset)
{
    const auto *bytes = static_cast<const unsigned char *>(record) + offset;
    return std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 | std::uint32_t(bytes[2]) << 16
        | std::uint32_t(bytes[3]) << 24;
}

} // namespace

Q_DECLARE_METATYPE(std::size_t)

class RecoveryRecordsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fields_data();
    void fields();
    void recordSizes_data();
    void recordSizes();
    void questionEntryPositions_data();
    void questionEntryPositions();
    void defaultsAreZeroFilled();
    void failureInfoBytes();
};

void RecoveryRecordsTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void RecoveryRecordsTest::fields_data()
{
    QTest::addColumn<std::size_t>("offset");
    QTest::addColumn<std::size_t>("size");
    QTest::addColumn<std::size_t>("expectedOffset");
    QTest::addColumn<std::size_t>("expectedSize");

    auto row = [](const char *name, FieldPlace place, std::size_t offset, std::size_t size) {
        QTest::newRow(name) << place.offset << place.size << offset << size;
    };

    row("entry.questionId", TARN_FIELD(TarnQuestionEntry, questionId), 0, 4);
    row("entry.answer", TARN_FIELD(TarnQuestionEntry, answer), 4, 256);
    row("entry.isSet", TARN_FIELD(TarnQuestionEntry, isSet), 260, 1);
    row("entry.reserved", TARN_FIELD(TarnQuestionEntry, reserved), 261, 131);

    row("reset.size", TARN_FIELD(TarnResetRequest, size), 0, 4);
    row("reset.method", TARN_FIELD(TarnResetRequest, method), 4, 1);
    row("reset.synchronize", TARN_FIELD(TarnResetRequest, synchronize), 5, 1);
    row("reset.reserved1", TARN_FIELD(TarnResetRequest, reserved1), 6, 2);
    row("reset.newPassword", TARN_FIELD(TarnResetRequest, newPassword), 8, 16);
    row("reset.keyText", TARN_FIELD(TarnResetRequest, keyText), 24, 256);
    row("reset.keyFilePath", TARN_FIELD(TarnResetRequest, keyFilePath), 280, 260);
    row("reset.guid", TARN_FIELD(TarnResetRequest, guid), 540, 128);
    row("reset.reserved2", TARN_FIELD(TarnResetRequest, reserved2), 668, 8);
    row("reset.questions", TARN_FIELD(TarnResetRequest, questions), 676, 16 * 392);
    row("reset.reserved3", TARN_FIELD(TarnResetRequest, reserved3), 676 + 16 * 392, 14256 - 676 - 16 * 392);

    row("list.size", TARN_FIELD(TarnQuestionList, size), 0, 4);
    row("list.reserved1", TARN_FIELD(TarnQuestionList, reserved1), 4, 4);
    row("list.entries", TARN_FIELD(TarnQuestionList, entries), 8, 16 * 392);
    row("list.reserved2", TARN_FIELD(TarnQuestionList, reserved2), 8 + 16 * 392, 12548 - 8 - 16 * 392);
    row("list.adminPassword", TARN_FIELD(TarnQuestionList, adminPassword), 12548, 16);
    row("list.reserved3", TARN_FIELD(TarnQuestionList, reserved3), 12564, 13076 - 12564);

    row("email.size", TARN_FIELD(TarnReservedEmailParam, size), 0, 4);
    row("email.adminPassword", TARN_FIELD(TarnReservedEmailParam, adminPassword), 4, 16);
    row("email.email", TARN_FIELD(TarnReservedEmailParam, email), 20, 256);

    row("guidInput.adminPassword", TARN_FIELD(TarnGuidExportInput, adminPassword), 0, 16);
    row("guidInput.reserved", TARN_FIELD(TarnGuidExportInput, reserved), 16, 128);

    row("info.word", TARN_FIELD(TarnEmailResetInfo, word), 0, 4);
    row("info.reserved", TARN_FIELD(TarnEmailResetInfo, reserved), 4, 8);
    row("info.qrText", TARN_FIELD(TarnEmailResetInfo, qrText), 12, 256);
    row("info.reservedEmail", TARN_FIELD(TarnEmailResetInfo, reservedEmail), 268, 128);
    row("info.companyEmail", TARN_FIELD(TarnEmailResetInfo, companyEmail), 396, 256);

    row("keyBlock.length", TARN_FIELD(TarnKeyRequestBlock, length), 0, 4);
    row("keyBlock.data", TARN_FIELD(TarnKeyRequestBlock, data), 4, 256);
    row("keyQrBlock.length", TARN_FIELD(TarnKeyRequestQrBlock, length), 0, 4);
    row("keyQrBlock.data", TARN_FIELD(TarnKeyRequestQrBlock, data), 4, 384);
    row("guidBlock.length", TARN_FIELD(TarnGuidExportBlock, length), 0, 4);
    row("guidBlock.data", TARN_FIELD(TarnGuidExportBlock, data), 4, 384);

    row("failure.bytes", TARN_FIELD(TarnResetFailureInfo, bytes), 0, 256);
}

void RecoveryRecordsTest::fields()
{
    QFETCH(std::size_t, offset);
    QFETCH(std::size_t, size);
    QFETCH(std::size_t, expectedOffset);
    QFETCH(std::size_t, expectedSize);
    QCOMPARE(offset, expectedOffset);
    QCOMPARE(size, expectedSize);
}

void RecoveryRecordsTest::recordSizes_data()
{
    QTest::addColumn<std::size_t>("size");
    QTest::addColumn<std::size_t>("expected");
    QTest::newRow("TarnQuestionEntry") << sizeof(TarnQuestionEntry) << std::size_t(392);
    QTest::newRow("TarnResetRequest") << sizeof(TarnResetRequest) << std::size_t(14256);
    QTest::newRow("TarnQuestionList") << sizeof(TarnQuestionList) << std::size_t(13076);
    QTest::newRow("TarnReservedEmailParam") << sizeof(TarnReservedEmailParam) << std::size_t(276);
    QTest::newRow("TarnGuidExportInput") << sizeof(TarnGuidExportInput) << std::size_t(144);
    QTest::newRow("TarnEmailResetInfo") << sizeof(TarnEmailResetInfo) << std::size_t(652);
    QTest::newRow("TarnKeyRequestBlock") << sizeof(TarnKeyRequestBlock) << std::size_t(260);
    QTest::newRow("TarnKeyRequestQrBlock") << sizeof(TarnKeyRequestQrBlock) << std::size_t(388);
    QTest::newRow("TarnGuidExportBlock") << sizeof(TarnGuidExportBlock) << std::size_t(388);
    QTest::newRow("TarnResetFailureInfo") << sizeof(TarnResetFailureInfo) << std::size_t(256);
}

void RecoveryRecordsTest::recordSizes()
{
    QFETCH(std::size_t, size);
    QFETCH(std::size_t, expected);
    QCOMPARE(size, expected);
}

// The entry of question ID n is written at 676 + 392 n in the reset request
// and at 8 + 392 n in the question list; ID 15 is the last one that fits.
void RecoveryRecordsTest::questionEntryPositions_data()
{
    QTest::addColumn<int>("questionId");
    for (int id : {1, 2, 3, 7, 9, 12, 15})
        QTest::addRow("id %d", id) << id;
}

void RecoveryRecordsTest::questionEntryPositions()
{
    QFETCH(int, questionId);
    TarnResetRequest request;
    TarnQuestionList list;
    const auto requestOffset = std::size_t(reinterpret_cast<const char *>(&request.questions[questionId])
                                           - reinterpret_cast<const char *>(&request));
    const auto listOffset = std::size_t(reinterpret_cast<const char *>(&list.entries[questionId])
                                        - reinterpret_cast<const char *>(&list));
    QCOMPARE(requestOffset, std::size_t(676 + 392 * questionId));
    QCOMPARE(listOffset, std::size_t(8 + 392 * questionId));
    QVERIFY(requestOffset + sizeof(TarnQuestionEntry) <= sizeof(TarnResetRequest));
    QVERIFY(listOffset + sizeof(TarnQuestionEntry) <= offsetof(TarnQuestionList, adminPassword));
}

void RecoveryRecordsTest::defaultsAreZeroFilled()
{
    const TarnResetRequest request;
    QCOMPARE(wordAt(&request, 0), 14256u);
    QCOMPARE(nonZeroBytesAfterSizeWord(request, 4), 0);

    const TarnQuestionList list;
    QCOMPARE(wordAt(&list, 0), 13076u);
    QCOMPARE(nonZeroBytesAfterSizeWord(list, 4), 0);

    const TarnReservedEmailParam email;
    QCOMPARE(wordAt(&email, 0), 276u);
    QCOMPARE(nonZeroBytesAfterSizeWord(email, 4), 0);

    QCOMPARE(nonZeroBytesAfterSizeWord(TarnGuidExportInput(), 0), 0);
    QCOMPARE(nonZeroBytesAfterSizeWord(TarnEmailResetInfo(), 0), 0);
    QCOMPARE(nonZeroBytesAfterSizeWord(TarnKeyRequestBlock(), 0), 0);
    QCOMPARE(nonZeroBytesAfterSizeWord(TarnKeyRequestQrBlock(), 0), 0);
    QCOMPARE(nonZeroBytesAfterSizeWord(TarnGuidExportBlock(), 0), 0);
    QCOMPARE(nonZeroBytesAfterSizeWord(TarnResetFailureInfo(), 0), 0);
}

void RecoveryRecordsTest::failureInfoBytes()
{
    TarnResetFailureInfo failure;
    failure.bytes[0] = 3;
    failure.bytes[1] = 200;
    QCOMPARE(int(failure.attemptsLeft()), 3);
    QCOMPARE(int(failure.lockMinutes()), 200);
}

QTEST_GUILESS_MAIN(RecoveryRecordsTest)
#include "tst_recoveryrecords.moc"
