// The update library against a small HTTP server on 127.0.0.1 that the test
// runs itself: version comparison, the manifest, the check, and the
// download with its checksum.

#include "localhttpserver.h"
#include "updatemanifest.h"
#include "upgrade.h"
#include "versionnumber.h"

#include <QCryptographicHash>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkProxy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using upgrade::DownloadResult;
using upgrade::Upgrade;

Q_DECLARE_METATYPE(DownloadResult)

namespace {

upgrade::tagAppProperty tarnProperty(const std::string &version = "3.0.0.21")
{
    return upgrade::tagAppProperty{0, 0, "TARNTool", version};
}

QByteArray manifestJson(const QString &version, const QString &package, const QByteArray &sha256,
                        const QString &program = QStringLiteral("TARNTool"))
{
    QJsonObject object;
    if (!program.isNull())
        object.insert(QStringLiteral("program"), program);
    object.insert(QStringLiteral("version"), version);
    if (!package.isNull())
        object.insert(QStringLiteral("package"), package);
    if (!sha256.isNull())
        object.insert(QStringLiteral("sha256"), QString::fromLatin1(sha256));
    return QJsonDocument(object).toJson();
}

LocalHttpServer::Response ok(const QByteArray &body)
{
    LocalHttpServer::Response response;
    response.body = body;
    return response;
}

QByteArray sha256Of(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

// About 1 MiB of varied bytes, so that the download arrives in several parts.
QByteArray packageBytes()
{
    QByteArray bytes;
    bytes.reserve(1 << 20);
    for (int i = 0; i < (1 << 20); ++i)
        bytes.append(static_cast<char>((i * 131 + i / 1024) & 0xff));
    return bytes;
}

} // namespace

class TestUpgrade : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void compareVersions_data();
    void compareVersions();
    void manifestUrl_data();
    void manifestUrl();
    void manifestParse();

    void checkUpdate_data();
    void checkUpdate();
    void checkWithoutAddress();
    void silentServerIsNoUpdate();

    void download_data();
    void download();
    void downloadWithoutCheck();
    void downloadReportsProgress();
    void silentPackageTimesOut();

private:
    std::unique_ptr<LocalHttpServer> m_server;
    std::unique_ptr<QTemporaryDir> m_downloads;
};

void TestUpgrade::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    // Nothing but the local server is ever asked.
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
}

void TestUpgrade::init()
{
    m_server = std::make_unique<LocalHttpServer>();
    QVERIFY(m_server->start());
    m_downloads = std::make_unique<QTemporaryDir>();
    QVERIFY(m_downloads->isValid());
}

void TestUpgrade::compareVersions_data()
{
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");
    QTest::addColumn<int>("expected");

    QTest::newRow("equal") << "3.0.0.21" << "3.0.0.21" << 0;
    QTest::newRow("21 < 1.2 in the third part") << "3.0.0.21" << "3.0.1.2" << -1;
    QTest::newRow("3.0.1.2 < 3.0.10.0") << "3.0.1.2" << "3.0.10.0" << -1;
    QTest::newRow("3.0.10.0 > 3.0.9.9") << "3.0.10.0" << "3.0.9.9" << 1;
    QTest::newRow("last part numeric, not text") << "3.0.0.9" << "3.0.0.10" << -1;
    QTest::newRow("missing parts are zero") << "3.0" << "3.0.0.0" << 0;
    QTest::newRow("longer is newer when the extra part counts") << "3.0.0.21.1" << "3.0.0.21" << 1;
    QTest::newRow("leading V ignored") << "V3.0.1.2" << "3.0.1.2" << 0;
    QTest::newRow("leading v ignored") << "v3.0.0.22" << "3.0.0.21" << 1;
    QTest::newRow("major wins") << "4.0.0.0" << "3.99.99.99" << 1;
    QTest::newRow("empty is oldest") << "" << "0.0.0.1" << -1;
}

void TestUpgrade::compareVersions()
{
    QFETCH(QString, left);
    QFETCH(QString, right);
    QFETCH(int, expected);
    const int result = upgrade::compareVersions(left, right);
    QCOMPARE(result < 0 ? -1 : (result > 0 ? 1 : 0), expected);
    const int reverse = upgrade::compareVersions(right, left);
    QCOMPARE(reverse < 0 ? -1 : (reverse > 0 ? 1 : 0), -expected);
}

void TestUpgrade::manifestUrl_data()
{
    QTest::addColumn<QString>("server");
    QTest::addColumn<QString>("expected");

    QTest::newRow("base with slash") << "http://127.0.0.1:8765/" << "http://127.0.0.1:8765/TARNTool/manifest.json";
    QTest::newRow("base without slash") << "http://127.0.0.1:8765" << "http://127.0.0.1:8765/TARNTool/manifest.json";
    QTest::newRow("base with folder") << "https://127.0.0.1/updates" << "https://127.0.0.1/updates/TARNTool/manifest.json";
    QTest::newRow("spaces around") << "  http://127.0.0.1/ " << "http://127.0.0.1/TARNTool/manifest.json";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("not http") << "ftp://127.0.0.1/" << "";
    QTest::newRow("no scheme") << "127.0.0.1:8765" << "";
}

void TestUpgrade::manifestUrl()
{
    QFETCH(QString, server);
    QFETCH(QString, expected);
    const QUrl url = upgrade::UpdateManifest::manifestUrl(server, QStringLiteral("TARNTool"));
    QCOMPARE(url.toString(), expected);
    QCOMPARE(url.isValid(), !expected.isEmpty());
}

void TestUpgrade::manifestParse()
{
    const QUrl at(QStringLiteral("http://127.0.0.1:1/TARNTool/manifest.json"));
    const upgrade::UpdateManifest relative = upgrade::UpdateManifest::parse(
        manifestJson("3.0.1.2", "pkg/TARNTool.deb", "ABCDEF"), at, QStringLiteral("TARNTool"));
    QVERIFY(relative.isValid());
    QCOMPARE(relative.version(), QStringLiteral("3.0.1.2"));
    QCOMPARE(relative.packageUrl(), QUrl(QStringLiteral("http://127.0.0.1:1/TARNTool/pkg/TARNTool.deb")));
    QCOMPARE(relative.sha256(), QStringLiteral("abcdef"));
    QCOMPARE(relative.size(), qint64(-1));

    const upgrade::UpdateManifest absolute = upgrade::UpdateManifest::parse(
        manifestJson("3.0.1.2", "http://127.0.0.2/x.deb", QByteArray()), at, QStringLiteral("TARNTool"));
    QCOMPARE(absolute.packageUrl(), QUrl(QStringLiteral("http://127.0.0.2/x.deb")));
    QVERIFY(absolute.sha256().isEmpty());

    QVERIFY(!upgrade::UpdateManifest::parse("not json", at, QStringLiteral("TARNTool")).isValid());
    QVERIFY(!upgrade::UpdateManifest::parse("[1, 2]", at, QStringLiteral("TARNTool")).isValid());
    QVERIFY(!upgrade::UpdateManifest::parse(manifestJson("", "x", "y"), at, QStringLiteral("TARNTool")).isValid());
    QVERIFY(!upgrade::UpdateManifest::parse(manifestJson("9.0", "x", "y", "Other"), at,
                                            QStringLiteral("TARNTool")).isValid());
    QVERIFY(upgrade::UpdateManifest::parse(manifestJson("9.0", "x", "y", QString()), at,
                                           QStringLiteral("TARNTool")).isValid());
}

void TestUpgrade::checkUpdate_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("expected");
    QTest::addColumn<QString>("version");

    QTest::newRow("newer") << 200 << manifestJson("3.0.1.2", "p.deb", "00") << true << "3.0.1.2";
    QTest::newRow("newer, two-digit part") << 200 << manifestJson("3.0.10.0", "p.deb", "00") << true << "3.0.10.0";
    QTest::newRow("newer, with V") << 200 << manifestJson("V3.0.0.22", "p.deb", "00") << true << "3.0.0.22";
    QTest::newRow("same") << 200 << manifestJson("3.0.0.21", "p.deb", "00") << false << "";
    QTest::newRow("older") << 200 << manifestJson("3.0.0.9", "p.deb", "00") << false << "";
    QTest::newRow("other program") << 200 << manifestJson("9.0.0.0", "p.deb", "00", "Other") << false << "";
    QTest::newRow("broken manifest") << 200 << QByteArray("{\"version\": ") << false << "";
    QTest::newRow("server error") << 500 << manifestJson("9.0.0.0", "p.deb", "00") << false << "";
}

void TestUpgrade::checkUpdate()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(bool, expected);
    QFETCH(QString, version);

    LocalHttpServer::Response response = ok(body);
    response.status = status;
    response.contentType = "application/json";
    m_server->setResponse(QStringLiteral("/TARNTool/manifest.json"), response);

    Upgrade library;
    library.setServerAddr(m_server->baseUrl().toStdString());
    QCOMPARE(library.serverAddr(), m_server->baseUrl().toStdString());
    std::string reported = "untouched";
    QCOMPARE(library.checkUpdate(reported, tarnProperty()), expected);
    QCOMPARE(QString::fromStdString(reported), expected ? version : QStringLiteral("untouched"));
    QCOMPARE(m_server->requestedPaths(), QStringList{QStringLiteral("/TARNTool/manifest.json")});
    QCOMPARE(library.manifest().isValid(), expected);
}

void TestUpgrade::checkWithoutAddress()
{
    Upgrade library;
    std::string reported;
    QVERIFY(!library.checkUpdate(reported, tarnProperty()));
    library.setServerAddr(std::string());
    QVERIFY(!library.checkUpdate(reported, tarnProperty()));
    QVERIFY(reported.empty());
    QVERIFY(m_server->requestedPaths().isEmpty());
}

void TestUpgrade::silentServerIsNoUpdate()
{
    LocalHttpServer::Response silent;
    silent.silent = true;
    m_server->setResponse(QStringLiteral("/TARNTool/manifest.json"), silent);

    Upgrade library;
    QCOMPARE(library.timeout(), Upgrade::DefaultTimeoutMs);
    library.setTimeout(300);
    library.setServerAddr(m_server->baseUrl().toStdString());
    std::string reported;
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!library.checkUpdate(reported, tarnProperty()));
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(elapsed >= 250 && elapsed < 3000, qPrintable(QString::number(elapsed)));
    QVERIFY(reported.empty());
    QCOMPARE(m_server->requestedPaths().size(), 1);
}

void TestUpgrade::download_data()
{
    QTest::addColumn<QString>("package");
    QTest::addColumn<QByteArray>("checksum");
    QTest::addColumn<bool>("served");
    QTest::addColumn<DownloadResult>("result");

    const QByteArray right = sha256Of(packageBytes());
    QTest::newRow("verified, relative address")
        << "TARNTool-3.0.1.2.deb" << right << true << DownloadResult::Opened;
    QTest::newRow("verified, upper-case checksum, absolute address")
        << "/TARNTool/TARNTool-3.0.1.2.deb" << right.toUpper() << true << DownloadResult::Opened;
    QTest::newRow("checksum mismatch")
        << "TARNTool-3.0.1.2.deb" << sha256Of("something else") << true << DownloadResult::ChecksumMismatch;
    QTest::newRow("no checksum")
        << "TARNTool-3.0.1.2.deb" << QByteArray() << true << DownloadResult::ChecksumMismatch;
    QTest::newRow("package missing")
        << "TARNTool-3.0.1.2.deb" << right << false << DownloadResult::NetworkError;
}

void TestUpgrade::download()
{
    QFETCH(QString, package);
    QFETCH(QByteArray, checksum);
    QFETCH(bool, served);
    QFETCH(DownloadResult, result);

    const QByteArray bytes = packageBytes();
    m_server->setResponse(QStringLiteral("/TARNTool/manifest.json"),
                          ok(manifestJson("3.0.1.2", package, checksum)));
    if (served)
        m_server->setResponse(QStringLiteral("/TARNTool/TARNTool-3.0.1.2.deb"), ok(bytes));

    Upgrade library;
    library.setServerAddr(m_server->baseUrl().toStdString());
    library.setDownloadFolder(m_downloads->path());
    QList<QUrl> opened;
    library.setPackageOpener([&opened](const QUrl &file) {
        opened.append(file);
        return true;
    });
    std::string reported;
    QVERIFY(library.checkUpdate(reported, tarnProperty()));
    QCOMPARE(library.lastDownloadResult(), DownloadResult::NotStarted);
    library.dowmloadPackage();
    QCOMPARE(library.lastDownloadResult(), result);
    QCOMPARE(m_server->requestedPaths().last(), QStringLiteral("/TARNTool/TARNTool-3.0.1.2.deb"));

    const QString target = m_downloads->filePath(QStringLiteral("TARNTool-3.0.1.2.deb"));
    if (result == DownloadResult::Opened) {
        QCOMPARE(library.downloadedFile(), target);
        QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(target)});
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
    } else {
        // Nothing unverified is opened or left behind.
        QVERIFY(opened.isEmpty());
        QVERIFY(library.downloadedFile().isEmpty());
        QVERIFY(!QFile::exists(target));
        QVERIFY(!QFile::exists(target + QStringLiteral(".part")));
    }
}

void TestUpgrade::downloadWithoutCheck()
{
    Upgrade library;
    library.setServerAddr(m_server->baseUrl().toStdString());
    bool opened = false;
    library.setPackageOpener([&opened](const QUrl &) { return opened = true; });
    library.dowmloadPackage();
    QCOMPARE(library.lastDownloadResult(), DownloadResult::NoPackage);
    QVERIFY(!opened);
    QVERIFY(m_server->requestedPaths().isEmpty());

    // A check that finds nothing new leaves nothing to download either.
    m_server->setResponse(QStringLiteral("/TARNTool/manifest.json"),
                          ok(manifestJson("3.0.0.21", "p.deb", "00")));
    std::string reported;
    QVERIFY(!library.checkUpdate(reported, tarnProperty()));
    library.dowmloadPackage();
    QCOMPARE(library.lastDownloadResult(), DownloadResult::NoPackage);
    QVERIFY(!opened);
}

void TestUpgrade::downloadReportsProgress()
{
    const QByteArray bytes = packageBytes();
    m_server->setResponse(QStringLiteral("/TARNTool/manifest.json"),
                          ok(manifestJson("3.0.1.2", "p.deb", sha256Of(bytes))));
    m_server->setResponse(QStringLiteral("/TARNTool/p.deb"), ok(bytes));

    Upgrade library;
    library.setServerAddr(m_server->baseUrl().toStdString());
    library.setDownloadFolder(m_downloads->path());
    library.setPackageOpener([](const QUrl &) { return false; });
    QSignalSpy progress(&library, &Upgrade::downloadProgress);
    std::string reported;
    QVERIFY(library.checkUpdate(reported, tarnProperty()));
    library.dowmloadPackage();
    // Verified and kept, but the desktop would not open it.
    QCOMPARE(library.lastDownloadResult(), DownloadResult::OpenFailed);
    QCOMPARE(library.downloadedFile(), m_downloads->filePath(QStringLiteral("p.deb")));
    QVERIFY(QFile::exists(library.downloadedFile()));

    QVERIFY(!progress.isEmpty());
    qint64 previous = -1;
    for (const QList<QVariant> &step : std::as_const(progress)) {
        QVERIFY(step.at(0).toLongLong() >= previous);
        previous = step.at(0).toLongLong();
        QCOMPARE(step.at(1).toLongLong(), qint64(bytes.size()));
    }
    QCOMPARE(previous, qint64(bytes.size()));
}

void TestUpgrade::silentPackageTimesOut()
{
    m_server->setResponse(QStringLiteral("/TARNTool/manifest.json"),
                          ok(manifestJson("3.0.1.2", "p.deb", "00")));
    LocalHttpServer::Response silent;
    silent.silent = true;
    m_server->setResponse(QStringLiteral("/TARNTool/p.deb"), silent);

    Upgrade library;
    library.setTimeout(300);
    library.setServerAddr(m_server->baseUrl().toStdString());
    library.setDownloadFolder(m_downloads->path());
    bool opened = false;
    library.setPackageOpener([&opened](const QUrl &) { return opened = true; });
    std::string reported;
    QVERIFY(library.checkUpdate(reported, tarnProperty()));
    library.dowmloadPackage();
    QCOMPARE(library.lastDownloadResult(), DownloadResult::Timeout);
    QVERIFY(!opened);
    QVERIFY(!QFile::exists(m_downloads->filePath(QStringLiteral("p.deb.part"))));
}

QTEST_GUILESS_MAIN(TestUpgrade)
#include "tst_upgrade.moc"
