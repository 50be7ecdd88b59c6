#ifndef SINGLEINSTANCEGUARD_H
#define SINGLEINSTANCEGUARD_H

// Keeps the program to one running instance per user. The first instance
// holds a lock file in the user's runtime folder; a lock left behind by a
// crashed or killed instance is recognised as stale (its process is gone) and
// taken over, so a crash never blocks the next start.

#include <QLockFile>
#include <QString>

#include <memory>

namespace apt {

class SingleInstanceGuard
{
public:
    explicit SingleInstanceGuard(const QString &appId, const QString &folder = QString());

    // True when another live instance holds the lock; false once this one holds it.
    bool isRunning();
    QString lockFilePath() const { return m_path; }

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    bool m_holding = false;
};

} // namespace apt

#endif // SINGLEINSTANCEGUARD_H
