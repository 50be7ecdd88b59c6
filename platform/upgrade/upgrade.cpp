#include "upgrade.h"

#include "versionnumber.h"

#include <QCryptographicHash>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStandardPaths>
#include <QTimer>

namespace upgrade {

namespace {

// A manifest is a few hundred bytes; anything far larger is not one.
constexpr qint64 MaxManifestBytes = 64 * 1024;

QNetworkRequest requestFor(const QUrl &url)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    // Always the server's current answer, never a cached one.
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    return request;
}

} // namespace

Upgrade::Upgrade(QObject *parent)
    : QObject(parent),
      m_network(std::make_unique<QNetworkAccessManager>()),
      m_opener([](const QUrl &file) { return QDesktopServices::openUrl(file); })
{
}

Upgrade::~Upgrade()
{
    // The replies belong to the manager; end them before it goes.
    if (m_activeReply)
        m_activeReply->abort();
}

void Upgrade::setServerAddr(const std::string &address)
{
    m_serverAddress = QString::fromStdString(address);
}

std::string Upgrade::serverAddr() const
{
    return m_serverAddress.toStdString();
}

bool Upgrade::waitFor(QNetworkReply *reply, bool restartOnData)
{
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    bool timedOut = false;
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    connect(&timer, &QTimer::timeout, &loop, [&]() {
        timedOut = true;
        reply->abort();
    });
    if (restartOnData)
        connect(reply, &QNetworkReply::downloadProgress, &timer, [&]() { timer.start(); });
    m_activeReply = reply;
    timer.start(m_timeoutMs);
    if (!reply->isFinished())
        loop.exec();
    m_activeReply = nullptr;
    return !timedOut;
}

bool Upgrade::checkUpdate(std::string &newVersion, const tagAppProperty &property)
{
    m_hasUpdate = false;
    m_manifest = UpdateManifest();
    const QString programId = QString::fromStdString(property.programId);
    const QUrl url = UpdateManifest::manifestUrl(m_serverAddress, programId);
    if (!url.isValid())
        return false;

    std::unique_ptr<QNetworkReply> reply(m_network->get(requestFor(url)));
    if (!waitFor(reply.get(), false) || reply->error() != QNetworkReply::NoError)
        return false;
    const QByteArray body = reply->readAll();
    if (body.size() > MaxManifestBytes)
        return false;

    const UpdateManifest manifest = UpdateManifest::parse(body, reply->url(), programId);
    if (!manifest.isValid())
        return false;
    if (compareVersions(manifest.version(), QString::fromStdString(property.programVersion)) <= 0)
        return false;
    m_manifest = manifest;
    m_hasUpdate = true;
    QString version = manifest.version();
    if (version.startsWith(QLatin1Char('V')) || version.startsWith(QLatin1Char('v')))
        version.remove(0, 1);
    newVersion = version.toStdString();
    return true;
}

void Upgrade::dowmloadPackage()
{
    m_downloadedFile.clear();
    m_cancelled = false;
    if (!m_hasUpdate || !m_manifest.packageUrl().isValid()) {
        m_lastResult = DownloadResult::NoPackage;
        return;
    }

    const QString folder = downloadFolder();
    QString name = m_manifest.packageUrl().fileName();
    if (name.isEmpty())
        name = QStringLiteral("update-package");
    const QString target = QDir(folder).filePath(name);
    const QString partial = target + QStringLiteral(".part");
    QFile file(partial);
    if (!QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_lastResult = DownloadResult::SaveFailed;
        return;
    }

    QCryptographicHash hash(QCryptographicHash::Sha256);
    bool writeFailed = false;
    std::unique_ptr<QNetworkReply> reply(m_network->get(requestFor(m_manifest.packageUrl())));
    connect(reply.get(), &QNetworkReply::readyRead, this, [&]() {
        const QByteArray chunk = reply->readAll();
        hash.addData(chunk);
        if (file.write(chunk) != chunk.size())
            writeFailed = true;
    });
    connect(reply.get(), &QNetworkReply::downloadProgress, this,
            [this](qint64 received, qint64 total) { emit downloadProgress(received, total); });
    const bool inTime = waitFor(reply.get(), true);
    if (inTime && reply->error() == QNetworkReply::NoError) {
        const QByteArray rest = reply->readAll();
        hash.addData(rest);
        if (file.write(rest) != rest.size())
            writeFailed = true;
    }
    file.close();

    if (m_cancelled)
        m_lastResult = DownloadResult::Cancelled;
    else if (!inTime)
        m_lastResult = DownloadResult::Timeout;
    else if (reply->error() != QNetworkReply::NoError)
        m_lastResult = DownloadResult::NetworkError;
    else if (writeFailed)
        m_lastResult = DownloadResult::SaveFailed;
    else if (m_manifest.sha256().isEmpty()
             || QString::fromLatin1(hash.result().toHex()) != m_manifest.sha256())
        // A package that cannot be verified is never opened.
        m_lastResult = DownloadResult::ChecksumMismatch;
    else
        m_lastResult = DownloadResult::Opened;

    if (m_lastResult != DownloadResult::Opened) {
        QFile::remove(partial);
        return;
    }
    QFile::remove(target);
    if (!QFile::rename(partial, target)) {
        QFile::remove(partial);
        m_lastResult = DownloadResult::SaveFailed;
        return;
    }
    m_downloadedFile = target;
    if (!m_opener || !m_opener(QUrl::fromLocalFile(target)))
        m_lastResult = DownloadResult::OpenFailed;
}

void Upgrade::cancelDownload()
{
    m_cancelled = true;
    if (m_activeReply)
        m_activeReply->abort();
}

DownloadResult Upgrade::lastDownloadResult() const
{
    return m_lastResult;
}

QString Upgrade::downloadedFile() const
{
    return m_downloadedFile;
}

UpdateManifest Upgrade::manifest() const
{
    return m_manifest;
}

void Upgrade::setTimeout(int milliseconds)
{
    m_timeoutMs = qMax(1, milliseconds);
}

int Upgrade::timeout() const
{
    return m_timeoutMs;
}

void Upgrade::setDownloadFolder(const QString &folder)
{
    m_downloadFolder = folder;
}

QString Upgrade::downloadFolder() const
{
    if (!m_downloadFolder.isEmpty())
        return m_downloadFolder;
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/updates");
}

void Upgrade::setPackageOpener(PackageOpener opener)
{
    m_opener = std::move(opener);
}

} // namespace upgrade
