// Password recovery through the library against simulated devices on
// loopback, with the simulated maker (tarn-maker and its folder) finishing
// each method: key requests and keys, GUID export and reset, security
// questions, the reserved e-mail and its verification code, the default
// password restore with a security code and the channel reset flag. Wrong
// proofs count down and lock; keys, security codes and verification codes
// work once and only for the newest request.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <cstring>
#include <map>
#include <mutex>
#include <sodium.h>
#include <thread>

#include "devsimprocess.h"
#include "makerdesk.h"
#include "multicastchannel.h"
#include "tarnrecoveryrecords.h"
#include "tarnsdk.h"

namespace {

constexpr const char *AdminPassword = "Right1234";
constexpr const char *NewPassword = "NewPass123x";

std::mutex g_mutex;
std::map<std::string, TarnAnnouncement> g_devices;

void onAnnouncement(const TarnAnnouncement *a, void *)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_devices[std::string(a->serialNumber, strnlen(a->serialNumber, sizeof a->serialNumber))] = *a;
}

std::string serialOf(int n)
{
    return QStringLiteral("TC425020240101RCV%1").arg(n, 10, 10, QLatin1Char('0')).toStdString();
}

QString macOf(int n)
{
    return QStringLiteral("02-54-41-00-70-%1").arg(n, 2, 16, QLatin1Char('0'));
}

// Devices 1..29 are a Wi-Fi camera with every recovery method and the
// channel reset; device 30 lacks the QR key request.
QString deviceJson(int n, int ttlGroupRecoveryFlags = 0x0D)
{
    return QStringLiteral(R"({"serial": "%1", "mac": "%2", "model": "TC-4250-W", "activated": true,
        "password": "%3", "abilityFlags": 199, "recoveryFlags": %4, "extraAbilityFlags": 2,
        "emailTipMode": 2, "maxRetries": 3, "lockSeconds": 120})")
        .arg(QString::fromStdString(serialOf(n)), macOf(n), QLatin1String(AdminPassword))
        .arg(ttlGroupRecoveryFlags);
}

QByteArray fleetJson(int first, int last)
{
    QStringList devices;
    for (int n = first; n <= last; ++n)
        devices << deviceJson(n, n == 30 ? 0x0C : 0x0D);
    return "[" + devices.join(",\n").toUtf8() + "]";
}

void putText(char *field, size_t width, const std::string &text)
{
    std::memcpy(field, text.data(), std::min(width, text.size()));
}

// A network change with this password, keeping the device's addresses:
// what proves which password the device now has.
int netChangeWith(const std::string &serial, const char *password)
{
    TarnAnnouncement a;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        a = g_devices.at(serial);
    }
    TarnNetParam p;
    std::memset(&p, 0, sizeof p);
    std::memcpy(p.ipv4Address, a.ipv4Address, sizeof p.ipv4Address);
    std::memcpy(p.ipv4SubnetMask, a.ipv4SubnetMask, sizeof p.ipv4SubnetMask);
    std::memcpy(p.ipv4Gateway, a.ipv4Gateway, sizeof p.ipv4Gateway);
    p.port = uint16_t(a.port);
    p.httpPort = a.httpPort;
    char reply[128] = {};
    const std::string mac(a.macAddress, strnlen(a.macAddress, sizeof a.macAddress));
    return TARN_ModifyDeviceNetParam_V40(mac.c_str(), password, &p, reply, sizeof reply) >= 1 ? 0 : TARN_GetLastError();
}

struct ResetResult
{
    int code = 0;
    int attemptsLeft = 0;
    int lockMinutes = 0;
};

ResetResult reset(const std::string &serial, const TarnResetRequest &request)
{
    TarnResetFailureInfo failure;
    ResetResult r;
    if (TARN_ResetPasswd_V40(serial.c_str(), &request, &failure) < 1) {
        r.code = TARN_GetLastError();
        r.attemptsLeft = failure.attemptsLeft();
        r.lockMinutes = failure.lockMinutes();
    }
    return r;
}

TarnResetRequest resetRequest(uint8_t method, const char *password = NewPassword)
{
    TarnResetRequest r;
    r.method = method;
    putText(r.newPassword, sizeof r.newPassword, password);
    return r;
}

std::string keyRequest(const std::string &serial, bool qr)
{
    if (qr) {
        TarnKeyRequestQrBlock block;
        if (TARN_GetDeviceConfig(serial.c_str(), 2, nullptr, 0, &block, sizeof block) < 1)
            return {};
        return std::string(block.data, std::min<size_t>(block.length, sizeof block.data));
    }
    TarnKeyRequestBlock block;
    if (TARN_GetDeviceConfig(serial.c_str(), 1, nullptr, 0, &block, sizeof block) < 1)
        return {};
    return std::string(block.data, std::min<size_t>(block.length, sizeof block.data));
}

// Everything on the group while it listens, as a passive listener on the segment.
class Sniffer
{
public:
    Sniffer()
    {
        m_channel.open(tarnwire::ChannelConfig::fromEnvironment());
        m_thread = std::thread([this] {
            while (!m_stop) {
                if (m_channel.wait(20)) {
                    std::lock_guard<std::mutex> lock(m_mutex);
                    for (auto &r : m_channel.receiveAll())
                        m_heard.append(QByteArray(reinterpret_cast<const char *>(r.data.data()), qsizetype(r.data.size())));
                }
            }
        });
    }
    ~Sniffer()
    {
        m_stop = true;
        m_thread.join();
    }
    // Whether any datagram holds the text in clear.
    bool heard(const std::string &text)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        const QByteArray needle = QByteArray::fromStdString(text);
        for (const QByteArray &d : m_heard)
            if (d.contains(needle))
                return true;
        return false;
    }
    int count()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return int(m_heard.size());
    }

private:
    tarnwire::MulticastChannel m_channel;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    QList<QByteArray> m_heard;
};

} // namespace

class TstRecoveryMethods : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void keyReset_data();
    void keyReset();
    void keyOfAnOlderRequestIsRefused();
    void keyExpires();
    void guidReset();
    void questionReset();
    void emailReset();
    void restoreDefaultPassword();
    void wrongProofsCountDownAndLock_data();
    void wrongProofsCountDownAndLock();
    void channelResetFlag();
    void recoveryStateSurvivesRestart();
    void secretsStayOffTheWire();
    void makerRefusesForeignRequests_data();
    void makerRefusesForeignRequests();

private:
    QString makerTool() const;
    QString runMaker(const QStringList &arguments, int *exitCode = nullptr) const;
    void waitFor(const std::string &serial);
    bool exportGuid(const std::string &serial, std::string *guid);
    bool setQuestions(const std::string &serial, const std::map<int, std::string> &answers);
    bool setEmail(const std::string &serial, const std::string &address);
    std::string mailedCode(const std::string &serial);

    QTemporaryDir m_dir;
    QString m_makerDir;
    QString m_statePath;
    DevsimProcess m_sim;
    std::unique_ptr<devsim::MakerDesk> m_desk;
};

void TstRecoveryMethods::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCOMPARE(qEnvironmentVariable("TARN_INTERFACE"), QStringLiteral("127.0.0.1"));
    QVERIFY(m_dir.isValid());
    QVERIFY(QFileInfo::exists(makerTool()));
    m_makerDir = m_dir.filePath("maker");
    m_statePath = m_dir.filePath("state.json");
    QVERIFY(m_sim.start({"--fleet", m_sim.writeFleetFile(fleetJson(1, 30)), "--state", m_statePath,
                         "--maker-dir", m_makerDir, "--recovery-ttl", "600"}));
    QVERIFY(m_sim.output().contains(m_makerDir));
    m_desk = std::make_unique<devsim::MakerDesk>(m_makerDir.toStdString());
    std::string error;
    QVERIFY2(m_desk->open(&error), error.c_str());
    QVERIFY(TARN_Start_V40(onAnnouncement, 1, nullptr) >= 1);
    QVERIFY(QTest::qWaitFor([] {
        std::lock_guard<std::mutex> lock(g_mutex);
        return g_devices.size() >= 30;
    }, 10000));
}

void TstRecoveryMethods::cleanupTestCase()
{
    TARN_Stop();
    QVERIFY(m_sim.stop());
}

QString TstRecoveryMethods::makerTool() const
{
    return QFileInfo(qEnvironmentVariable("TARN_DEVSIM")).dir().filePath("tarn-maker");
}

QString TstRecoveryMethods::runMaker(const QStringList &arguments, int *exitCode) const
{
    QProcess maker;
    maker.start(makerTool(), QStringList{"--maker-dir", m_makerDir} + arguments);
    if (!maker.waitForFinished(15000))
        return {};
    if (exitCode)
        *exitCode = maker.exitCode();
    return QString::fromUtf8(maker.readAllStandardOutput()) + QString::fromUtf8(maker.readAllStandardError());
}

bool TstRecoveryMethods::exportGuid(const std::string &serial, std::string *guid)
{
    TarnGuidExportInput input;
    putText(input.adminPassword, sizeof input.adminPassword, AdminPassword);
    TarnGuidExportBlock block;
    block.length = sizeof block;
    if (TARN_GetDeviceConfig(serial.c_str(), 5, &input, sizeof input, &block, sizeof block) < 1)
        return false;
    *guid = std::string(block.data, strnlen(block.data, TarnGuidFileSize));
    return true;
}

bool TstRecoveryMethods::setQuestions(const std::string &serial, const std::map<int, std::string> &answers)
{
    TarnQuestionList list;
    putText(list.adminPassword, sizeof list.adminPassword, AdminPassword);
    for (const auto &[id, answer] : answers) {
        list.entries[id].questionId = uint32_t(id);
        list.entries[id].isSet = 1;
        putText(list.entries[id].answer, sizeof list.entries[id].answer, answer);
    }
    char output[256] = {};
    return TARN_SetDeviceConfig(serial.c_str(), 7, &list, sizeof list, output, sizeof output) >= 1;
}

bool TstRecoveryMethods::setEmail(const std::string &serial, const std::string &address)
{
    TarnReservedEmailParam param;
    putText(param.adminPassword, sizeof param.adminPassword, AdminPassword);
    putText(param.email, sizeof param.email, address);
    char output[128] = {};
    return TARN_SetDeviceConfig(serial.c_str(), 20, &param, sizeof param, output, sizeof output) >= 1;
}

// Reads the e-mail reset information, has the maker deliver the code, and
// reads it from the mailbox, as a user would.
std::string TstRecoveryMethods::mailedCode(const std::string &serial)
{
    TarnEmailResetInfo info;
    if (TARN_GetDeviceConfig(serial.c_str(), 21, nullptr, 0, &info, sizeof info) < 1)
        return {};
    const QString qrFile = m_dir.filePath(QString::fromStdString(serial) + ".xml");
    QFile file(qrFile);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(info.qrText, qsizetype(strnlen(info.qrText, sizeof info.qrText)));
    file.close();
    int exitCode = -1;
    const QString said = runMaker({"email", qrFile}, &exitCode);
    if (exitCode != 0)
        return {};
    const QString address = QString::fromLatin1(info.reservedEmail, int(strnlen(info.reservedEmail, sizeof info.reservedEmail)));
    const QString mail = runMaker({"mailbox", address});
    const QRegularExpressionMatch m = QRegularExpression("verification code: (\\S+)").match(mail);
    return m.hasMatch() && said.contains("mailbox") ? m.captured(1).toStdString() : std::string();
}

void TstRecoveryMethods::keyReset_data()
{
    QTest::addColumn<int>("device");
    QTest::addColumn<bool>("qr");
    QTest::addColumn<bool>("keyFile");
    QTest::newRow("key file from a plain request") << 30 << false << true;
    QTest::newRow("typed key from a QR request") << 1 << true << false;
    QTest::newRow("key file from a QR request") << 2 << true << true;
}

void TstRecoveryMethods::keyReset()
{
    QFETCH(int, device);
    QFETCH(bool, qr);
    QFETCH(bool, keyFile);
    const std::string serial = serialOf(device);
    const std::string request = keyRequest(serial, qr);
    QVERIFY2(!request.empty(), qPrintable(QString::number(TARN_GetLastError())));
    QVERIFY(QString::fromStdString(request).startsWith("TARNKEY1;" + QString::fromStdString(serial) + ";"));
    // Every request is drawn at random, and the newest one counts.
    const std::string fresh = keyRequest(serial, qr);
    const QString requestFile = m_dir.filePath(QString::fromStdString(serial) + "-request.xml");
    QFile out(requestFile);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(fresh.data(), qsizetype(fresh.size()));
    out.close();
    QVERIFY(fresh != request);

    const QString keyPath = m_dir.filePath(QString::fromStdString(serial) + "-key.txt");
    int exitCode = -1;
    const QString key = runMaker({"key", requestFile, "--out", keyPath}, &exitCode).trimmed();
    QCOMPARE(exitCode, 0);
    QVERIFY2(QRegularExpression("^[A-Z2-7]{5}(-[A-Z2-7]{1,5})+$").match(key).hasMatch(), qPrintable(key));
    QVERIFY(key.size() <= 128);

    TarnResetRequest r = resetRequest(keyFile ? 2 : 3);
    if (keyFile)
        putText(r.keyFilePath, sizeof r.keyFilePath, keyPath.toStdString());
    else
        putText(r.keyText, sizeof r.keyText, key.toLower().toStdString());
    QCOMPARE(reset(serial, r).code, 0);
    QCOMPARE(netChangeWith(serial, NewPassword), 0);
    QCOMPARE(netChangeWith(serial, AdminPassword), int(TARN_ERR_PASSWORD));
    // A key answers one request once.
    QCOMPARE(reset(serial, r).code, int(TARN_ERR_FILE_EXPIRED));
}

void TstRecoveryMethods::keyOfAnOlderRequestIsRefused()
{
    const std::string serial = serialOf(3);
    const std::string older = keyRequest(serial, true);
    QVERIFY(!older.empty());
    std::string error;
    const std::string olderKey = m_desk->keyFor(older, &error);
    QVERIFY2(!olderKey.empty(), error.c_str());
    QVERIFY(!keyRequest(serial, true).empty());

    TarnResetRequest r = resetRequest(3);
    putText(r.keyText, sizeof r.keyText, olderKey);
    const ResetResult refused = reset(serial, r);
    QCOMPARE(refused.code, int(TARN_ERR_DEVICE_DENY));
    QCOMPARE(refused.attemptsLeft, 2);
    QCOMPARE(netChangeWith(serial, AdminPassword), 0);
    // A key is not derived from anything the device announces: made for a
    // request of another device it opens nothing either.
    const std::string otherKey = m_desk->keyFor(keyRequest(serialOf(4), true), &error);
    putText(r.keyText, sizeof r.keyText, otherKey);
    QCOMPARE(reset(serial, r).code, int(TARN_ERR_DEVICE_DENY));
}

void TstRecoveryMethods::keyExpires()
{
    // A second simulator with short-lived requests, on the same segment.
    DevsimProcess shortLived;
    QVERIFY(shortLived.start({"--fleet", shortLived.writeFleetFile("[" + deviceJson(40).toUtf8() + "]"),
                              "--maker-dir", m_makerDir, "--recovery-ttl", "1"}));
    const std::string serial = serialOf(40);
    QVERIFY(QTest::qWaitFor([&] {
        std::lock_guard<std::mutex> lock(g_mutex);
        return g_devices.count(serial) == 1;
    }, 10000));
    const std::string request = keyRequest(serial, true);
    QVERIFY(!request.empty());
    const qint64 expires = QString::fromStdString(request).section(';', 3, 3).toLongLong();
    QVERIFY(expires > 0);
    std::string error;
    const std::string key = m_desk->keyFor(request, &error);
    QVERIFY(QTest::qWaitFor([&] { return QDateTime::currentSecsSinceEpoch() > expires; }, 5000));
    TarnResetRequest r = resetRequest(3);
    putText(r.keyText, sizeof r.keyText, key);
    QCOMPARE(reset(serial, r).code, int(TARN_ERR_FILE_EXPIRED));
    QCOMPARE(netChangeWith(serial, AdminPassword), 0);
    QVERIFY(shortLived.stop());
}

void TstRecoveryMethods::guidReset()
{
    const std::string serial = serialOf(5);
    std::string guid;
    QVERIFY2(exportGuid(serial, &guid), qPrintable(QString::number(TARN_GetLastError())));
    QCOMPARE(guid.size(), size_t(64));
    std::string again;
    QVERIFY(exportGuid(serial, &again));
    QCOMPARE(again, guid);

    TarnResetRequest r = resetRequest(4);
    putText(r.guid, sizeof r.guid, guid);
    r.synchronize = 0;
    QCOMPARE(reset(serial, r).code, 0);
    QCOMPARE(netChangeWith(serial, NewPassword), 0);
    // The exported file is spent with the reset.
    const ResetResult spent = reset(serial, r);
    QCOMPARE(spent.code, int(TARN_ERR_GUID));
    QCOMPARE(spent.attemptsLeft, 2);
}

void TstRecoveryMethods::questionReset()
{
    const std::string serial = serialOf(6);
    QVERIFY(setQuestions(serial, {{3, "Mr Smith"}, {7, "Nobody"}, {12, "Heat"}}));

    TarnQuestionList list;
    QVERIFY(TARN_GetDeviceConfig(serial.c_str(), 6, nullptr, 0, &list, sizeof list) >= 1);
    QCOMPARE(list.size, uint32_t(TarnQuestionListSize));
    std::vector<int> ids;
    for (const TarnQuestionEntry &e : list.entries) {
        QCOMPARE(int(strnlen(e.answer, sizeof e.answer)), 0);   // answers never leave the device
        if (e.isSet == 1)
            ids.push_back(int(e.questionId));
    }
    QCOMPARE(ids, (std::vector<int>{3, 7, 12}));

    TarnResetRequest r = resetRequest(5);
    for (const auto &[id, answer] : std::map<int, std::string>{{3, "Mr Smith"}, {7, "Nobody"}, {12, "Heat"}}) {
        r.questions[id].questionId = uint32_t(id);
        r.questions[id].isSet = 1;
        putText(r.questions[id].answer, sizeof r.questions[id].answer, answer);
    }
    QCOMPARE(reset(serial, r).code, 0);
    QCOMPARE(netChangeWith(serial, NewPassword), 0);

    // The questions are set with the administrator password, which is now the new one.
    QVERIFY(!setQuestions(serial, {{1, "a"}, {2, "b"}, {4, "c"}}));
    QCOMPARE(TARN_GetLastError(), int(TARN_ERR_PASSWORD));
    // Two questions are not a set.
    QVERIFY(!setQuestions(serialOf(10), {{1, "a"}, {2, "b"}}));
    QCOMPARE(TARN_GetLastError(), int(TARN_ERR_QUESTION_COUNT));
}

void TstRecoveryMethods::emailReset()
{
    const std::string serial = serialOf(7);
    QVERIFY(setEmail(serial, "owner7@example.org"));
    TarnEmailResetInfo info;
    QVERIFY(TARN_GetDeviceConfig(serial.c_str(), 21, nullptr, 0, &info, sizeof info) >= 1);
    QCOMPARE(QByteArray(info.reservedEmail), QByteArray("owner7@example.org"));
    QCOMPARE(QByteArray(info.companyEmail), QByteArray(devsim::MakerDesk::kMakerAddress));
    QVERIFY(QByteArray(info.qrText).startsWith("TARNMAIL1;"));

    const std::string code = mailedCode(serial);
    QCOMPARE(code.size(), size_t(8));
    // The QR text does not hold the code in clear.
    QVERIFY(!QByteArray(info.qrText).contains(QByteArray::fromStdString(code)));

    TarnResetRequest r = resetRequest(6);
    putText(r.keyText, sizeof r.keyText, QString::fromStdString(code).toLower().toStdString());
    QCOMPARE(reset(serial, r).code, 0);
    QCOMPARE(netChangeWith(serial, NewPassword), 0);
    // Single use.
    const ResetResult again = reset(serial, r);
    QCOMPARE(again.code, int(TARN_ERR_VERIFY_CODE));
    QCOMPARE(again.attemptsLeft, 2);

    // A device without a reserved address answers an empty record.
    TarnEmailResetInfo none;
    QVERIFY(TARN_GetDeviceConfig(serialOf(8).c_str(), 21, nullptr, 0, &none, sizeof none) >= 1);
    QCOMPARE(QByteArray(none.qrText), QByteArray());
    QCOMPARE(QByteArray(none.reservedEmail), QByteArray());
}

void TstRecoveryMethods::restoreDefaultPassword()
{
    const std::string serial = serialOf(9);
    int exitCode = -1;
    const QString said = runMaker({"security-code", "--serial", QString::fromStdString(serial)}, &exitCode);
    QCOMPARE(exitCode, 0);
    const QString code = said.section('\n', 0, 0).trimmed();
    QVERIFY2(QRegularExpression("^[A-Z2-7]{5}-[A-Z2-7]{5}-[A-Z2-7]{2}$").match(code).hasMatch(), qPrintable(said));
    QVERIFY(said.contains("expires "));

    QVERIFY(TARN_ResetDefaultPasswd(serial.c_str(), code.toLatin1().constData()) >= 1);
    QCOMPARE(netChangeWith(serial, "Admin12345"), 0);
    // Single use: the same code again is a wrong one.
    QVERIFY(TARN_ResetDefaultPasswd(serial.c_str(), code.toLatin1().constData()) < 1);
    QCOMPARE(TARN_GetLastError(), int(TARN_ERR_DEVICE_DENY));

    // A fresh code replaces the one told before.
    const QString first = runMaker({"security-code", "--serial", QString::fromStdString(serial)}).section('\n', 0, 0);
    const QString second = runMaker({"security-code", "--serial", QString::fromStdString(serial)}).section('\n', 0, 0);
    QVERIFY(first != second);
    QVERIFY(TARN_ResetDefaultPasswd(serial.c_str(), first.toLatin1().constData()) < 1);
    QVERIFY(TARN_ResetDefaultPasswd(serial.c_str(), second.toLatin1().constData()) >= 1);

    exitCode = -1;
    runMaker({"security-code", "--serial", "NO-SUCH-DEVICE"}, &exitCode);
    QCOMPARE(exitCode, 1);
}

void TstRecoveryMethods::wrongProofsCountDownAndLock_data()
{
    QTest::addColumn<int>("device");
    QTest::addColumn<int>("method");
    QTest::addColumn<int>("code");
    QTest::newRow("key") << 11 << 3 << int(TARN_ERR_DEVICE_DENY);
    QTest::newRow("guid") << 12 << 4 << int(TARN_ERR_GUID);
    QTest::newRow("questions") << 13 << 5 << int(TARN_ERR_ANSWER);
    QTest::newRow("email") << 14 << 6 << int(TARN_ERR_VERIFY_CODE);
}

void TstRecoveryMethods::wrongProofsCountDownAndLock()
{
    QFETCH(int, device);
    QFETCH(int, method);
    QFETCH(int, code);
    const std::string serial = serialOf(device);
    TarnResetRequest wrong = resetRequest(uint8_t(method));
    TarnResetRequest right = resetRequest(uint8_t(method));
    switch (method) {
    case 3: {
        std::string error;
        const std::string key = m_desk->keyFor(keyRequest(serial, true), &error);
        putText(right.keyText, sizeof right.keyText, key);
        std::string bad = key;
        bad[0] = bad[0] == 'A' ? 'B' : 'A';
        putText(wrong.keyText, sizeof wrong.keyText, bad);
        break;
    }
    case 4: {
        std::string guid;
        QVERIFY(exportGuid(serial, &guid));
        putText(right.guid, sizeof right.guid, guid);
        putText(wrong.guid, sizeof wrong.guid, std::string(64, '0'));
        break;
    }
    case 5:
        QVERIFY(setQuestions(serial, {{1, "one"}, {2, "two"}, {3, "three"}}));
        for (int id : {1, 2, 3}) {
            for (TarnResetRequest *r : {&right, &wrong}) {
                r->questions[id].questionId = uint32_t(id);
                r->questions[id].isSet = 1;
            }
        }
        putText(right.questions[1].answer, 256, "one");
        putText(right.questions[2].answer, 256, "two");
        putText(right.questions[3].answer, 256, "three");
        putText(wrong.questions[1].answer, 256, "one");
        putText(wrong.questions[2].answer, 256, "two");
        putText(wrong.questions[3].answer, 256, "four");
        break;
    case 6: {
        QVERIFY(setEmail(serial, "owner14@example.org"));
        const std::string mailed = mailedCode(serial);
        QVERIFY(!mailed.empty());
        putText(right.keyText, sizeof right.keyText, mailed);
        putText(wrong.keyText, sizeof wrong.keyText, "AAAAAAAA");
        break;
    }
    }

    const ResetResult first = reset(serial, wrong);
    QCOMPARE(first.code, code);
    QCOMPARE(first.attemptsLeft, 2);
    const ResetResult second = reset(serial, wrong);
    QCOMPARE(second.code, code);
    QCOMPARE(second.attemptsLeft, 1);
    const ResetResult third = reset(serial, wrong);
    QCOMPARE(third.code, int(TARN_ERR_LOCKED));
    QCOMPARE(third.lockMinutes, 2);
    // Locked: even the right proof and the right password are refused.
    const ResetResult locked = reset(serial, right);
    QCOMPARE(locked.code, int(TARN_ERR_LOCKED));
    QVERIFY(locked.lockMinutes >= 1);
    QCOMPARE(netChangeWith(serial, AdminPassword), int(TARN_ERR_LOCKED));
}

void TstRecoveryMethods::channelResetFlag()
{
    const std::string serial = serialOf(15);
    std::string guid;
    QVERIFY(exportGuid(serial, &guid));
    TarnResetRequest r = resetRequest(4);
    putText(r.guid, sizeof r.guid, guid);
    r.synchronize = 1;
    QCOMPARE(reset(serial, r).code, 0);
    // The linked cameras took the new password as well (the state file tells).
    QVERIFY(QTest::qWaitFor([&] {
        QFile file(m_statePath);
        if (!file.open(QIODevice::ReadOnly))
            return false;
        const QJsonObject devices = QJsonDocument::fromJson(file.readAll()).object()["devices"].toObject();
        const QJsonObject state = devices[QString::fromStdString(serial)].toObject();
        const std::string hash = state["channelPasswordHash"].toString().toStdString();
        return !hash.empty() && crypto_pwhash_str_verify(hash.c_str(), NewPassword, std::strlen(NewPassword)) == 0;
    }, 5000));
}

void TstRecoveryMethods::recoveryStateSurvivesRestart()
{
    const std::string serial = serialOf(16);
    QVERIFY(setQuestions(serial, {{4, "x4"}, {5, "x5"}, {6, "x6"}}));
    QVERIFY(setEmail(serial, "owner16@example.org"));
    std::string guid;
    QVERIFY(exportGuid(serial, &guid));
    QVERIFY(m_sim.stop());
    QVERIFY(m_sim.start({"--fleet", m_sim.writeFleetFile(fleetJson(1, 30)), "--state", m_statePath,
                         "--maker-dir", m_makerDir, "--recovery-ttl", "600"}));
    TarnQuestionList list;
    QVERIFY(QTest::qWaitFor([&] {
        return TARN_GetDeviceConfig(serial.c_str(), 6, nullptr, 0, &list, sizeof list) >= 1;
    }, 10000));
    QCOMPARE(list.entries[0].questionId, 4u);
    QCOMPARE(list.entries[2].questionId, 6u);
    TarnEmailResetInfo info;
    QVERIFY(TARN_GetDeviceConfig(serial.c_str(), 21, nullptr, 0, &info, sizeof info) >= 1);
    QCOMPARE(QByteArray(info.reservedEmail), QByteArray("owner16@example.org"));
    std::string again;
    QVERIFY(exportGuid(serial, &again));
    QCOMPARE(again, guid);
}

void TstRecoveryMethods::secretsStayOffTheWire()
{
    Sniffer sniffer;
    const std::string serial = serialOf(17);
    const std::string answer = "UniqueAnswerQ17";
    QVERIFY(setQuestions(serial, {{8, answer}, {9, answer + "b"}, {10, answer + "c"}}));
    std::string guid;
    QVERIFY(exportGuid(serial, &guid));
    QVERIFY(setEmail(serial, "owner17@example.org"));
    const std::string code = mailedCode(serial);
    QVERIFY(!code.empty());
    const std::string request = keyRequest(serial, true);
    std::string error;
    const std::string key = m_desk->keyFor(request, &error);
    TarnResetRequest r = resetRequest(3, "WirePass17x");
    putText(r.keyText, sizeof r.keyText, key);
    QCOMPARE(reset(serial, r).code, 0);
    TarnResetRequest e = resetRequest(6, "WirePass17y");
    putText(e.keyText, sizeof e.keyText, code);
    QCOMPARE(reset(serial, e).code, 0);

    QVERIFY(QTest::qWaitFor([&] { return sniffer.count() > 20; }, 5000));
    QVERIFY(sniffer.heard(serial));   // the listener did hear the exchange
    for (const std::string &secret : {answer, guid, code, key, request, std::string("WirePass17x"),
                                      std::string("WirePass17y"), std::string(AdminPassword)})
        QVERIFY2(!sniffer.heard(secret), secret.c_str());
}

// An e-mail reset request whose clear address was changed would send the
// code to someone else's mailbox; the maker refuses it, and anything that is
// not a device's request.
void TstRecoveryMethods::makerRefusesForeignRequests_data()
{
    QTest::addColumn<QString>("edit");
    QTest::newRow("address changed") << "address";
    QTest::newRow("serial changed") << "serial";
    QTest::newRow("sealed part changed") << "sealed";
    QTest::newRow("not a request") << "garbage";
}

void TstRecoveryMethods::makerRefusesForeignRequests()
{
    QFETCH(QString, edit);
    const std::string serial = serialOf(18);
    QVERIFY(setEmail(serial, "owner18@example.org"));
    TarnEmailResetInfo info;
    QVERIFY(TARN_GetDeviceConfig(serial.c_str(), 21, nullptr, 0, &info, sizeof info) >= 1);
    QStringList parts = QString::fromLatin1(info.qrText).split(';');
    QCOMPARE(parts.size(), 4);
    std::string mailbox, error;
    QVERIFY2(m_desk->deliverEmailCode(parts.join(';').toStdString(), &mailbox, &error), error.c_str());
    QVERIFY(QFile::remove(QString::fromStdString(mailbox)));

    if (edit == "address")
        parts[2] = "thief@example.org";
    else if (edit == "serial")
        parts[1] = QString::fromStdString(serialOf(19));
    else if (edit == "sealed")
        parts[3][5] = parts[3][5] == QLatin1Char('A') ? QLatin1Char('B') : QLatin1Char('A');
    else
        parts = QStringList{"TARNMAIL1", "x"};
    QVERIFY(!m_desk->deliverEmailCode(parts.join(';').toStdString(), &mailbox, &error));
    QVERIFY(!error.empty());
    QVERIFY(!QFileInfo::exists(QString::fromStdString(m_desk->mailboxFile("thief@example.org"))));
    QVERIFY(!QFileInfo::exists(QString::fromStdString(m_desk->mailboxFile("owner18@example.org"))));
    QVERIFY(m_desk->keyFor("not a key request", &error).empty());
}

QTEST_GUILESS_MAIN(TstRecoveryMethods)
#include "tst_recoverymethods.moc"
