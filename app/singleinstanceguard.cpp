#include "singleinstanceguard.h"

#include <QDir>
#include <QStandardPaths>

namespace apt {

namespace {

QString userName()
{
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty())
        name = qEnvironmentVariable("USERNAME");
    return name.isEmpty() ? QStringLiteral("user") : name;
}

} // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString &appId, const QString &folder)
{
    QString dir = folder;
    if (dir.isEmpty())
        dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    QDir().mkpath(dir);
    // The user name keeps instances of different users on a shared temp folder apart.
    m_path = QDir(dir).filePath(appId + QLatin1Char('-') + userName() + QStringLiteral(".lock"));
    m_lock = std::make_unique<QLockFile>(m_path);
    // Only a dead owner makes a lock stale, however old it is.
    m_lock->setStaleLockTime(0);
}

bool SingleInstanceGuard::isRunning()
{
    if (m_holding)
        return false;
    m_holding = m_lock->tryLock(0);
    return !m_holding;
}

} // namespace apt
