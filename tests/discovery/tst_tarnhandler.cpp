// The discovery handler: announcements become events, device filters hide
// online events, error codes become texts, and the configuration records are
// built byte for byte. Nothing here starts discovery or reaches the network:
// announcements are handed to the callback directly.

#include "latin1text.h"
#include "tarnchannelpassword.h"
#include "tarndevicefilter.h"
#include "tarnhandler.h"
#include "tarnwifiparam.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <thread>

using TARN::TarnHandler;

namespace {

TarnAnnouncement makeAnnouncement(const char *serial, int messageType)
{
    TarnAnnouncement announcement{};
    std::memcpy(announcement.serialNumber, serial, std::min(std::strlen(serial), sizeof announcement.serialNumber));
    std::strcpy(announcement.macAddress, "a4-14-37-00-11-22");
    announcement.messageType = messageType;
    return announcement;
}

// Hides the devices with one serial number and counts how often it is asked.
class SerialFilter : public TarnDeviceFilter
{
public:
    explicit SerialFilter(const char *serial) : m_serial(QString::fromLatin1(serial)) {}

    bool isFiltered(const TarnDeviceInfo &struDevInfo) const override
    {
        ++calls;
        return latin1View(struDevInfo.serialNumber) == m_serial;
    }

    mutable std::atomic<int> calls{0};

private:
    QString m_serial;
};

constexpr const char *HiddenSerial = "HIDDEN-0001";

QByteArray bytesOf(const void *record, std::size_t size)
{
    return QByteArray(static_cast<const char *>(record), static_cast<qsizetype>(size));
}

} // namespace

class TarnHandlerTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void messageTypeSelectsEvent_data();
    void messageTypeSelectsEvent();
    void nullPointersAreIgnored_data();
    void nullPointersAreIgnored();
    void rejectedAnnouncementEmitsNothing();
    void filterHidesOnlyOnlineEvents_data();
    void filterHidesOnlyOnlineEvents();
    void firstHidingFilterEndsTheSearch();
    void eventFromLibraryThreadArrivesQueued();

    void errorText_data();
    void errorText();
    void stopBeforeStartSucceeds();

    void wifiRecord_data();
    void wifiRecord();
    void channelPasswordRecord_data();
    void channelPasswordRecord();
    void replyIsZeroedBeforeTheCall_data();
    void replyIsZeroedBeforeTheCall();

private:
    TarnHandler *m_handler = nullptr;
    SerialFilter m_hidingFilter{HiddenSerial};
    SerialFilter m_laterFilter{HiddenSerial};
};

void TarnHandlerTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    qRegisterMetaType<TarnDeviceInfo>("TarnDeviceInfo");
    m_handler = TarnHandler::Instance();
    QVERIFY(m_handler != nullptr);
    QCOMPARE(TarnHandler::Instance(), m_handler);
    // Added once, before any announcement, as the handler expects.
    m_handler->addDeviceFilter(nullptr);
    m_handler->addDeviceFilter(&m_hidingFilter);
    m_handler->addDeviceFilter(&m_laterFilter);
}

void TarnHandlerTest::messageTypeSelectsEvent_data()
{
    QTest::addColumn<int>("messageType");
    QTest::addColumn<int>("online");
    QTest::addColumn<int>("offline");
    QTest::addColumn<int>("update");

    QTest::newRow("0: ignored") << 0 << 0 << 0 << 0;
    QTest::newRow("1: appeared") << 1 << 1 << 0 << 0;
    QTest::newRow("2: changed") << 2 << 0 << 0 << 1;
    QTest::newRow("3: left") << 3 << 0 << 1 << 0;
    QTest::newRow("4: announced again") << 4 << 1 << 0 << 0;
    QTest::newRow("5: ignored") << 5 << 0 << 0 << 0;
    QTest::newRow("-1: ignored") << -1 << 0 << 0 << 0;
}

void TarnHandlerTest::messageTypeSelectsEvent()
{
    QFETCH(int, messageType);
    QFETCH(int, online);
    QFETCH(int, offline);
    QFETCH(int, update);

    QSignalSpy onlineSpy(m_handler, &TarnHandler::signalDeviceOnline);
    QSignalSpy offlineSpy(m_handler, &TarnHandler::signalDeviceOffline);
    QSignalSpy updateSpy(m_handler, &TarnHandler::signalDeviceUpdate);

    const TarnAnnouncement announcement = makeAnnouncement("DS-7608NI-K2", messageType);
    TarnHandler::announcementCallback(&announcement, m_handler);

    QCOMPARE(onlineSpy.count(), online);
    QCOMPARE(offlineSpy.count(), offline);
    QCOMPARE(updateSpy.count(), update);
    for (QSignalSpy *spy : {&onlineSpy, &offlineSpy, &updateSpy}) {
        if (spy->isEmpty())
            continue;
        const auto info = spy->first().first().value<TarnDeviceInfo>();
        QCOMPARE(latin1String(info.serialNumber), QStringLiteral("DS-7608NI-K2"));
        QCOMPARE(info.messageType, messageType);
    }
}

void TarnHandlerTest::nullPointersAreIgnored_data()
{
    QTest::addColumn<bool>("nullAnnouncement");
    QTest::addColumn<bool>("nullUser");

    QTest::newRow("null announcement") << true << false;
    QTest::newRow("null user pointer") << false << true;
    QTest::newRow("both null") << true << true;
}

void TarnHandlerTest::nullPointersAreIgnored()
{
    QFETCH(bool, nullAnnouncement);
    QFETCH(bool, nullUser);

    QSignalSpy onlineSpy(m_handler, &TarnHandler::signalDeviceOnline);
    const TarnAnnouncement announcement = makeAnnouncement("DS-7608NI-K2", 1);
    TarnHandler::announcementCallback(nullAnnouncement ? nullptr : &announcement,
                                      nullUser ? nullptr : m_handler);
    QCOMPARE(onlineSpy.count(), 0);
}

void TarnHandlerTest::rejectedAnnouncementEmitsNothing()
{
    QSignalSpy onlineSpy(m_handler, &TarnHandler::signalDeviceOnline);
    TarnAnnouncement announcement = makeAnnouncement("DS-7608NI-K2", 1);
    announcement.recordState = 2;
    TarnHandler::announcementCallback(&announcement, m_handler);
    QCOMPARE(onlineSpy.count(), 0);
}

void TarnHandlerTest::filterHidesOnlyOnlineEvents_data()
{
    QTest::addColumn<int>("messageType");
    QTest::addColumn<int>("online");
    QTest::addColumn<int>("offline");
    QTest::addColumn<int>("update");

    QTest::newRow("appeared: hidden") << 1 << 0 << 0 << 0;
    QTest::newRow("announced again: hidden") << 4 << 0 << 0 << 0;
    QTest::newRow("changed: still reported") << 2 << 0 << 0 << 1;
    QTest::newRow("left: still reported") << 3 << 0 << 1 << 0;
}

void TarnHandlerTest::filterHidesOnlyOnlineEvents()
{
    QFETCH(int, messageType);
    QFETCH(int, online);
    QFETCH(int, offline);
    QFETCH(int, update);

    QSignalSpy onlineSpy(m_handler, &TarnHandler::signalDeviceOnline);
    QSignalSpy offlineSpy(m_handler, &TarnHandler::signalDeviceOffline);
    QSignalSpy updateSpy(m_handler, &TarnHandler::signalDeviceUpdate);

    const TarnAnnouncement announcement = makeAnnouncement(HiddenSerial, messageType);
    TarnHandler::announcementCallback(&announcement, m_handler);

    QCOMPARE(onlineSpy.count(), online);
    QCOMPARE(offlineSpy.count(), offline);
    QCOMPARE(updateSpy.count(), update);
}

void TarnHandlerTest::firstHidingFilterEndsTheSearch()
{
    const int hidingCalls = m_hidingFilter.calls;
    const int laterCalls = m_laterFilter.calls;

    const TarnAnnouncement hidden = makeAnnouncement(HiddenSerial, 1);
    TarnHandler::announcementCallback(&hidden, m_handler);
    QCOMPARE(m_hidingFilter.calls - hidingCalls, 1);
    QCOMPARE(m_laterFilter.calls - laterCalls, 0);

    // A device that no filter hides is shown to every filter in turn.
    const TarnAnnouncement shown = makeAnnouncement("DS-2CD2043G2", 1);
    TarnHandler::announcementCallback(&shown, m_handler);
    QCOMPARE(m_hidingFilter.calls - hidingCalls, 2);
    QCOMPARE(m_laterFilter.calls - laterCalls, 1);
}

void TarnHandlerTest::eventFromLibraryThreadArrivesQueued()
{
    QObject receiver;
    QThread *receivedOn = nullptr;
    TarnDeviceInfo received{};
    bool arrived = false;
    connect(m_handler, &TarnHandler::signalDeviceOnline, &receiver,
            [&](const TarnDeviceInfo &struDevInfo) {
                receivedOn = QThread::currentThread();
                received = struDevInfo;
                arrived = true;
            });

    // The announcement lives only while the callback runs, as in the library.
    std::thread libraryThread([this] {
        const TarnAnnouncement announcement = makeAnnouncement("DS-2DE4425IW", 1);
        TarnHandler::announcementCallback(&announcement, m_handler);
    });
    libraryThread.join();

    QVERIFY(!arrived);  // queued, not run on the library's thread
    QVERIFY(QTest::qWaitFor([&] { return arrived; }, 5000));
    QCOMPARE(receivedOn, QThread::currentThread());
    QCOMPARE(latin1String(received.serialNumber), QStringLiteral("DS-2DE4425IW"));
}

void TarnHandlerTest::errorText_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");

    QTest::newRow("2005") << 2005 << "Incorrect parameters.";
    QTest::newRow("2007") << 2007 << "Sending the data failed.";
    QTest::newRow("2009") << 2009 << "Device rejected.";
    QTest::newRow("2011") << 2011 << "Time out.";
    QTest::newRow("2015") << 2015 << "Sending failed.";
    QTest::newRow("2016") << 2016 << "Receiving failed.";
    QTest::newRow("2018") << 2018 << "Device is locked.";
    QTest::newRow("2022") << 2022 << "The encrypted string is required.";
    QTest::newRow("2023") << 2023 << "The exported file is expired.";
    QTest::newRow("2024") << 2024 << "Wrong password.";
    QTest::newRow("2026") << 2026 << "Invalid GUID.";
    QTest::newRow("2027") << 2027 << "Incorrect answer.";
    QTest::newRow("2028") << 2028 << "Setting the number of security questions failed.";
    QTest::newRow("2033") << 2033 << "Invalid verification code.";
    QTest::newRow("2006: others") << 2006 << "Error2006:others";
    QTest::newRow("2019: others") << 2019 << "Error2019:others";
    QTest::newRow("0: others") << 0 << "Error0:others";
    QTest::newRow("negative: others") << -1 << "Error-1:others";
}

void TarnHandlerTest::errorText()
{
    QFETCH(int, code);
    QFETCH(QString, text);

    QCOMPARE(m_handler->errorText(code), text);
}

void TarnHandlerTest::stopBeforeStartSucceeds()
{
    QVERIFY(m_handler->stop());
    QVERIFY(m_handler->stop());
}

void TarnHandlerTest::wifiRecord_data()
{
    QTest::addColumn<bool>("region");  // false: enhancement
    QTest::addColumn<int>("value");    // region code, or enhancement on (1) / off (0)
    QTest::addColumn<QString>("password");
    QTest::addColumn<QByteArray>("head");  // the first bytes of the expected record

    QTest::newRow("region 0 (default)") << true << 0 << QStringLiteral("Admin12345")
                                        << QByteArray("\x01\x00\x00\x00" "Admin12345", 14);
    QTest::newRow("region 5") << true << 5 << QStringLiteral("Admin12345")
                              << QByteArray("\x01\x05\x00\x00" "Admin12345", 14);
    QTest::newRow("enhancement on") << false << 1 << QStringLiteral("Admin12345")
                                    << QByteArray("\x02\x00\x01\x00" "Admin12345", 14);
    QTest::newRow("enhancement off") << false << 0 << QStringLiteral("Admin12345")
                                     << QByteArray("\x02\x00\x00\x00" "Admin12345", 14);
    // The program's default code page here is UTF-8: the password keeps all
    // of its bytes, more than it has characters.
    QTest::newRow("password with non-ASCII letters") << true << 2 << QStringLiteral("P\u00e4ssw\u00f6rd1")
            << QByteArray("\x01\x02\x00\x00" "P\xc3\xa4ssw\xc3\xb6rd1", 15);
    const QString full(144, QLatin1Char('p'));
    QTest::newRow("144-character password fills the field, no terminator") << false << 1 << full
            << QByteArray("\x02\x00\x01\x00", 4) + QByteArray(144, 'p');
    QTest::newRow("overlong password stays in its field") << true << 1 << full + QStringLiteral("xyz")
            << QByteArray("\x01\x01\x00\x00", 4) + QByteArray(144, 'p');
}

void TarnHandlerTest::wifiRecord()
{
    QFETCH(bool, region);
    QFETCH(int, value);
    QFETCH(QString, password);
    QFETCH(QByteArray, head);

    const TarnWifiParam record = region
            ? makeWifiRegionRecord(static_cast<uint8_t>(value), password)
            : makeWifiEnhancementRecord(value != 0, password);

    QByteArray expected(148, '\0');
    expected.replace(0, head.size(), head);
    QCOMPARE(bytesOf(&record, sizeof record), expected);
}

void TarnHandlerTest::channelPasswordRecord_data()
{
    QTest::addColumn<QString>("adminPassword");
    QTest::addColumn<QString>("channelPassword");
    QTest::addColumn<QByteArray>("adminField");    // 16 bytes
    QTest::addColumn<QByteArray>("channelField");  // head of the 144 bytes

    QTest::newRow("16-character administrator password fills its field")
            << QStringLiteral("Abcdefgh12345678") << QStringLiteral("Channel#1")
            << QByteArray("Abcdefgh12345678") << QByteArray("Channel#1");
    QTest::newRow("short passwords are zero-padded")
            << QStringLiteral("Admin123") << QStringLiteral("Cam12345")
            << QByteArray("Admin123\0\0\0\0\0\0\0\0", 16) << QByteArray("Cam12345");
    QTest::newRow("characters outside Latin-1 become ?")
            << QStringLiteral("Adm\u20acn12\u00e9") << QStringLiteral("\U0001F600cam")
            << QByteArray("Adm?n12\xe9\0\0\0\0\0\0\0\0", 16) << QByteArray("?cam");
    QTest::newRow("overlong administrator password stays in its field")
            << QStringLiteral("Abcdefgh123456789") << QString()
            << QByteArray("Abcdefgh12345678") << QByteArray();
    QTest::newRow("144-character channel password fills its field")
            << QStringLiteral("Admin123") << QString(150, QLatin1Char('c'))
            << QByteArray("Admin123\0\0\0\0\0\0\0\0", 16) << QByteArray(144, 'c');
}

void TarnHandlerTest::channelPasswordRecord()
{
    QFETCH(QString, adminPassword);
    QFETCH(QString, channelPassword);
    QFETCH(QByteArray, adminField);
    QFETCH(QByteArray, channelField);

    const TarnChannelPassword record = makeChannelPasswordRecord(adminPassword, channelPassword);

    QByteArray expected(160, '\0');
    expected.replace(0, 16, adminField);
    expected.replace(16, channelField.size(), channelField);
    QCOMPARE(bytesOf(&record, sizeof record), expected);
}

void TarnHandlerTest::replyIsZeroedBeforeTheCall_data()
{
    QTest::addColumn<int>("command");  // 0 network parameters, 1 Wi-Fi region, 2 Wi-Fi enhancement

    QTest::newRow("network parameters") << 0;
    QTest::newRow("Wi-Fi region") << 1;
    QTest::newRow("Wi-Fi enhancement") << 2;
}

void TarnHandlerTest::replyIsZeroedBeforeTheCall()
{
    QFETCH(int, command);

    // Discovery is not started, so the library fails before any device could
    // write into the buffer: whatever it holds afterwards was put there by the
    // handler.
    TarnHandler::ReplyBuffer reply;
    std::memset(reply, 0x5A, sizeof reply);
    bool accepted = true;
    switch (command) {
    case 0: {
        TarnNetParam netParam{};
        accepted = m_handler->modifyDeviceNetParamV40(QStringLiteral("a4-14-37-00-11-22"),
                                                      QStringLiteral("Admin12345"), netParam,
                                                      reply, sizeof reply);
        break;
    }
    case 1:
        accepted = m_handler->setWifiRegion(QStringLiteral("DS-2CD2043G2"), 0,
                                            QStringLiteral("Admin12345"), reply);
        break;
    default:
        accepted = m_handler->setWifiEnhancement(QStringLiteral("DS-2CD2043G2"), true,
                                                 QStringLiteral("Admin12345"), reply);
        break;
    }
    QVERIFY(!accepted);
    QCOMPARE(m_handler->getLastError(), 2006);
    QCOMPARE(QByteArray(reply, sizeof reply), QByteArray(TarnHandler::ReplyLength, '\0'));
}

QTEST_GUILESS_MAIN(TarnHandlerTest)
#include "tst_tarnhandler.moc"
