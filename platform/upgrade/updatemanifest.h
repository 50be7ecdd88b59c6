#ifndef UPDATEMANIFEST_H
#define UPDATEMANIFEST_H

// The update server's answer for one program: a small JSON object naming the
// newest version, where its package lies and the package's SHA-256
// (docs/update-server.md). The package address may be relative to the
// manifest's own address.

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace upgrade {

class UpdateManifest
{
public:
    // "<server address>/<program id>/manifest.json"; a missing "/" at the end
    // of the server address is added. Invalid for an empty server address.
    static QUrl manifestUrl(const QString &serverAddress, const QString &programId);

    // Parses the manifest fetched from manifestAddress. A manifest that is not
    // a JSON object, lacks a version, or names another program is invalid.
    static UpdateManifest parse(const QByteArray &json, const QUrl &manifestAddress,
                                const QString &programId);

    bool isValid() const;
    QString program() const;
    QString version() const;
    // Absolute; invalid when the manifest names no package.
    QUrl packageUrl() const;
    // Lower-case hexadecimal; empty when the manifest gives none.
    QString sha256() const;
    // -1 when the manifest does not say.
    qint64 size() const;

private:
    bool m_valid = false;
    QString m_program;
    QString m_version;
    QUrl m_packageUrl;
    QString m_sha256;
    qint64 m_size = -1;
};

} // namespace upgrade

#endif // UPDATEMANIFEST_H
