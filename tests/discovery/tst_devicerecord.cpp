// Turning announcements into device records, and the Latin-1 texts that the
// records and the library calls are read and written with.

#include "latin1text.h"
#include "tarnannouncementconverter.h"

#include <QStandardPaths>
#include <QTest>

#include <cstring>

namespace {

// An announcement in which every byte that the text check looks at is a
// letter, so that none of the eight texts ends within 64 bytes.
TarnAnnouncement allTextsLong()
{
    TarnAnnouncement announcement{};
    std::memset(&announcement, 'A', offsetof(TarnAnnouncement, startTime) + 64);
    announcement.recordState = 0;
    return announcement;
}

TarnAnnouncement withShortSerial()
{
    TarnAnnouncement announcement{};
    std::strcpy(announcement.serialNumber, "DS-2CD2043G2-I20240101");
    std::strcpy(announcement.macAddress, "a4-14-37-00-11-22");
    announcement.messageType = 1;
    return announcement;
}

void writeBytes(TarnAnnouncement &announcement, int offset, const QByteArray &bytes)
{
    std::memcpy(reinterpret_cast<char *>(&announcement) + offset, bytes.constData(),
                static_cast<std::size_t>(bytes.size()));
}

} // namespace

class DeviceRecordTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void nullAnnouncementIsRejected();
    void textCheck_data();
    void textCheck();
    void recordState_data();
    void recordState();
    void mirroredBytesAreCopiedUnchanged();
    void fullWidthSerialIsReadToTheArrayEnd();
    void tailFields_data();
    void tailFields();

    void boundedLatin1_data();
    void boundedLatin1();
    void latin1Bytes_data();
    void latin1Bytes();
};

void DeviceRecordTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void DeviceRecordTest::nullAnnouncementIsRejected()
{
    QVERIFY(!convertAnnouncement(nullptr).has_value());
}

void DeviceRecordTest::textCheck_data()
{
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("text");  // written with its terminator, if any
    QTest::addColumn<bool>("accepted");

    QTest::newRow("all eight texts 64 or longer") << 0 << QByteArray() << false;
    QTest::newRow("short first text") << 0 << QByteArray("abc", 4) << true;
    QTest::newRow("short serial number") << 12 << QByteArray("DS-1", 5) << true;
    QTest::newRow("short MAC address") << 60 << QByteArray("a4-14-37-00-11-22", 18) << true;
    QTest::newRow("short IPv4 address") << 80 << QByteArray("192.168.1.64", 13) << true;
    QTest::newRow("short subnet mask") << 96 << QByteArray("255.255.255.0", 14) << true;
    QTest::newRow("short software version") << 128 << QByteArray("V5.7.3", 7) << true;
    QTest::newRow("short DSP version") << 176 << QByteArray("V7.3", 5) << true;
    QTest::newRow("short start time") << 224 << QByteArray("2024-01-01", 11) << true;
    // The last text's measurement ends 64 bytes after its start.
    QTest::newRow("start time of 63 characters") << 224 + 63 << QByteArray(1, '\0') << true;
    QTest::newRow("start time of 64 characters") << 224 + 64 << QByteArray(1, '\0') << false;
    QTest::newRow("terminator in an unchecked text") << 300 << QByteArray(1, '\0') << false;
}

void DeviceRecordTest::textCheck()
{
    QFETCH(int, offset);
    QFETCH(QByteArray, text);
    QFETCH(bool, accepted);

    TarnAnnouncement announcement = allTextsLong();
    writeBytes(announcement, offset, text);

    QCOMPARE(convertAnnouncement(&announcement).has_value(), accepted);
}

void DeviceRecordTest::recordState_data()
{
    QTest::addColumn<int>("recordState");
    QTest::addColumn<int>("messageType");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("state 0") << 0 << 1 << true;
    QTest::newRow("state 1") << 1 << 1 << true;
    for (const int messageType : {1, 2, 3, 4}) {
        QTest::addRow("state 2, message type %d", messageType) << 2 << messageType << false;
    }
    QTest::newRow("state -1") << -1 << 1 << false;
    QTest::newRow("state 256") << 256 << 1 << false;
}

void DeviceRecordTest::recordState()
{
    QFETCH(int, recordState);
    QFETCH(int, messageType);
    QFETCH(bool, accepted);

    TarnAnnouncement announcement = withShortSerial();
    announcement.recordState = recordState;
    announcement.messageType = messageType;

    const std::optional<TarnDeviceInfo> info = convertAnnouncement(&announcement);
    QCOMPARE(info.has_value(), accepted);
    if (accepted)
        QCOMPARE(info->recordState, recordState);
}

void DeviceRecordTest::mirroredBytesAreCopiedUnchanged()
{
    // Every byte of 0..499 differs from its neighbours, including the bytes
    // that nothing interprets; the record state and one terminator keep the
    // announcement acceptable.
    TarnAnnouncement announcement{};
    auto *bytes = reinterpret_cast<unsigned char *>(&announcement);
    for (std::size_t i = 0; i < sizeof announcement; ++i)
        bytes[i] = static_cast<unsigned char>(i * 7 + 1);
    announcement.serialNumber[20] = '\0';
    announcement.recordState = 1;

    const std::optional<TarnDeviceInfo> info = convertAnnouncement(&announcement);
    QVERIFY(info.has_value());
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(&*info), TarnDeviceInfoMirrorSize),
             QByteArray(reinterpret_cast<const char *>(&announcement), TarnDeviceInfoMirrorSize));
    QCOMPARE(info->recordState, 1);
    QCOMPARE(info->auxValue2, announcement.auxValue2);
    QCOMPARE(info->extraAbilityFlags, announcement.extraAbilityFlags);
}

void DeviceRecordTest::fullWidthSerialIsReadToTheArrayEnd()
{
    TarnAnnouncement announcement = withShortSerial();
    const QByteArray serial(48, 'S');
    std::memcpy(announcement.serialNumber, serial.constData(), 48);

    const std::optional<TarnDeviceInfo> info = convertAnnouncement(&announcement);
    QVERIFY(info.has_value());
    QCOMPARE(latin1String(info->serialNumber), QString::fromLatin1(serial));
    QCOMPARE(latin1String(info->macAddress), QStringLiteral("a4-14-37-00-11-22"));
}

void DeviceRecordTest::tailFields_data()
{
    QTest::addColumn<uint>("enhancedSdkPort");
    QTest::addColumn<int>("emailTipMode");
    QTest::addColumn<int>("userKind");
    QTest::addColumn<QByteArray>("userName");

    QTest::newRow("administrator, no port") << 0u << 0 << 0 << QByteArray();
    QTest::newRow("named user") << 8443u << 2 << 1 << QByteArray("operator");
    QTest::newRow("full-width user name") << 0xFFFFFFFFu << 255 << 3 << QByteArray(33, 'u');
}

void DeviceRecordTest::tailFields()
{
    QFETCH(uint, enhancedSdkPort);
    QFETCH(int, emailTipMode);
    QFETCH(int, userKind);
    QFETCH(QByteArray, userName);

    TarnAnnouncement announcement = withShortSerial();
    std::memset(announcement.unread1, 0xEE, sizeof announcement.unread1);
    std::memset(announcement.unread2, 0xEE, sizeof announcement.unread2);
    announcement.enhancedSdkPort = enhancedSdkPort;
    announcement.emailTipMode = static_cast<uint8_t>(emailTipMode);
    announcement.userKind = static_cast<uint8_t>(userKind);
    std::memcpy(announcement.userName, userName.constData(), static_cast<std::size_t>(userName.size()));

    const std::optional<TarnDeviceInfo> info = convertAnnouncement(&announcement);
    QVERIFY(info.has_value());
    QCOMPARE(info->enhancedSdkPort, enhancedSdkPort);
    QCOMPARE(int(info->emailTipMode), emailTipMode);
    QCOMPARE(int(info->userKind), userKind);
    QCOMPARE(latin1String(info->userName), QString::fromLatin1(userName));
}

void DeviceRecordTest::boundedLatin1_data()
{
    QTest::addColumn<QByteArray>("array");  // exactly 8 bytes
    QTest::addColumn<QString>("text");

    QTest::newRow("terminated") << QByteArray("ab\0cdefg", 8) << QStringLiteral("ab");
    QTest::newRow("empty") << QByteArray(8, '\0') << QString();
    QTest::newRow("full, no terminator") << QByteArray("abcdefgh", 8) << QStringLiteral("abcdefgh");
    QTest::newRow("high bytes are Latin-1") << QByteArray("\xe9t\xe9\0xxxx", 8) << QStringLiteral("\u00e9t\u00e9");
}

void DeviceRecordTest::boundedLatin1()
{
    QFETCH(QByteArray, array);
    QFETCH(QString, text);

    // The array is followed by letters that must not be read.
    struct { char field[8]; char next[4]; } record{};
    std::memcpy(record.field, array.constData(), 8);
    std::memcpy(record.next, "ZZZZ", 4);

    QCOMPARE(latin1String(record.field), text);
    QVERIFY(latin1View(record.field) == text);
}

void DeviceRecordTest::latin1Bytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("ASCII serial") << QStringLiteral("DS-2CD2043G2") << QByteArray("DS-2CD2043G2");
    QTest::newRow("Latin-1 letters") << QStringLiteral("Caf\u00e9\u00ff") << QByteArray("Caf\xe9\xff");
    QTest::newRow("outside Latin-1") << QStringLiteral("DS\u20ac1\u4e2d") << QByteArray("DS?1?");
    QTest::newRow("outside the basic plane") << QStringLiteral("A\U0001F600B") << QByteArray("A?B");
    QTest::newRow("empty") << QString() << QByteArray();
}

void DeviceRecordTest::latin1Bytes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);

    const QByteArray converted = toLatin1Bytes(text);
    QCOMPARE(converted, bytes);
    // The library reads the text up to its terminator.
    QCOMPARE(converted.constData()[converted.size()], '\0');
}

QTEST_GUILESS_MAIN(DeviceRecordTest)
#include "tst_devicerecord.moc"
