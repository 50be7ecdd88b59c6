#ifndef DEVSIMPROCESS_H
#define DEVSIMPROCESS_H

// A tarn-devsim child process for end-to-end tests. It inherits the test's
// pinning (TARN_INTERFACE, TARN_GROUP, TARN_PORT), so it plays on loopback
// and on the test's own port; it is stopped with SIGTERM, as a user would.

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

class DevsimProcess
{
public:
    DevsimProcess() = default;
    ~DevsimProcess() { stop(); }

    bool start(const QStringList &arguments);
    bool stop();                                // departures announced, state saved
    QString output() const { return m_output; }
    QString writeFleetFile(const QByteArray &json);   // path of a fleet file in a temporary folder
    QString tempPath(const QString &name) const { return m_dir.filePath(name); }

private:
    QProcess m_process;
    QString m_output;
    QTemporaryDir m_dir;
};

#endif // DEVSIMPROCESS_H
