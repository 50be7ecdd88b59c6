#ifndef UPGRADE_H
#define UPGRADE_H

// The update library: asks the update server (an HTTP or HTTPS base address)
// whether a newer version of the program exists and, on request, downloads
// that version's package, checks its SHA-256 against the manifest and hands
// it to the platform's default handler. The protocol is described in
// docs/update-server.md.
//
// Both operations wait for their answer in a local event loop, so the caller
// gets a result without threads; a server that does not answer within the
// timeout counts as "no update" or as a failed download.

#include "tagappproperty.h"
#include "updatemanifest.h"

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>
#include <string>

class QNetworkAccessManager;
class QNetworkReply;

namespace upgrade {

enum class DownloadResult {
    NotStarted,       // no download was asked for yet
    Opened,           // downloaded, verified and handed to the default handler
    NoPackage,        // no check found a newer version with a package
    NetworkError,     // the server refused, failed or sent an error status
    Timeout,          // the server stopped sending for longer than the timeout
    ChecksumMismatch, // the package's SHA-256 is not the manifest's; deleted
    SaveFailed,       // the package could not be written to disk
    OpenFailed,       // verified and kept, but no handler would open it
    Cancelled,        // cancelDownload() was called
};

class Upgrade : public QObject
{
    Q_OBJECT

public:
    // Opens a downloaded package; the default asks the desktop.
    using PackageOpener = std::function<bool(const QUrl &file)>;

    static constexpr int DefaultTimeoutMs = 5000;

    explicit Upgrade(QObject *parent = nullptr);
    ~Upgrade() override;

    void setServerAddr(const std::string &address);
    std::string serverAddr() const;

    // True when the server offers a version newer than the property's; the
    // version (without a leading "V") is then written to newVersion. Any
    // failure (no address, no answer in time, a broken manifest) is false.
    bool checkUpdate(std::string &newVersion, const tagAppProperty &property);

    // Downloads the package of the last successful check, verifies it and
    // opens it; the outcome is left in lastDownloadResult().
    void dowmloadPackage();
    // Ends a running download; it then reports Cancelled.
    void cancelDownload();

    DownloadResult lastDownloadResult() const;
    // Where the verified package was saved; empty when none was.
    QString downloadedFile() const;
    // The manifest of the last successful check.
    UpdateManifest manifest() const;

    // How long a check may take, and how long a download may go without data.
    void setTimeout(int milliseconds);
    int timeout() const;

    // Folder for downloaded packages; by default "updates" in the cache folder.
    void setDownloadFolder(const QString &folder);
    QString downloadFolder() const;

    void setPackageOpener(PackageOpener opener);

signals:
    // While a download runs; total is -1 while unknown.
    void downloadProgress(qint64 received, qint64 total);

private:
    // Runs the reply to its end or until it has been silent for the timeout;
    // false on a time-out.
    bool waitFor(QNetworkReply *reply, bool restartOnData);

    std::unique_ptr<QNetworkAccessManager> m_network;
    QString m_serverAddress;
    UpdateManifest m_manifest;
    bool m_hasUpdate = false;
    DownloadResult m_lastResult = DownloadResult::NotStarted;
    QString m_downloadedFile;
    QString m_downloadFolder;
    int m_timeoutMs = DefaultTimeoutMs;
    PackageOpener m_opener;
    QNetworkReply *m_activeReply = nullptr;
    bool m_cancelled = false;
};

} // namespace upgrade

#endif // UPGRADE_H
