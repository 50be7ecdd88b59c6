#include "updatemanifest.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

namespace upgrade {

QUrl UpdateManifest::manifestUrl(const QString &serverAddress, const QString &programId)
{
    QString base = serverAddress.trimmed();
    if (base.isEmpty() || programId.isEmpty())
        return QUrl();
    if (!base.endsWith(QLatin1Char('/')))
        base.append(QLatin1Char('/'));
    const QUrl url = QUrl(base).resolved(
        QUrl(QString::fromLatin1(QUrl::toPercentEncoding(programId)) + QStringLiteral("/manifest.json")));
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return QUrl();
    return url;
}

UpdateManifest UpdateManifest::parse(const QByteArray &json, const QUrl &manifestAddress,
                                     const QString &programId)
{
    UpdateManifest manifest;
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (!document.isObject())
        return manifest;
    const QJsonObject object = document.object();
    manifest.m_program = object.value(QStringLiteral("program")).toString();
    manifest.m_version = object.value(QStringLiteral("version")).toString().trimmed();
    const QString package = object.value(QStringLiteral("package")).toString().trimmed();
    if (!package.isEmpty())
        manifest.m_packageUrl = manifestAddress.resolved(QUrl(package));
    manifest.m_sha256 = object.value(QStringLiteral("sha256")).toString().trimmed().toLower();
    const QJsonValue size = object.value(QStringLiteral("size"));
    if (size.isDouble())
        manifest.m_size = static_cast<qint64>(size.toDouble());
    // A manifest for another program must never offer its package here.
    const bool programMatches = manifest.m_program.isEmpty() || manifest.m_program == programId;
    manifest.m_valid = !manifest.m_version.isEmpty() && programMatches;
    return manifest;
}

bool UpdateManifest::isValid() const { return m_valid; }
QString UpdateManifest::program() const { return m_program; }
QString UpdateManifest::version() const { return m_version; }
QUrl UpdateManifest::packageUrl() const { return m_packageUrl; }
QString UpdateManifest::sha256() const { return m_sha256; }
qint64 UpdateManifest::size() const { return m_size; }

} // namespace upgrade
