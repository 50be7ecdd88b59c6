#include "devsimprocess.h"

#include <QFile>
#include <QTest>

bool DevsimProcess::start(const QStringList &arguments)
{
    const QString program = qEnvironmentVariable("TARN_DEVSIM");
    if (program.isEmpty() || qEnvironmentVariable("TARN_INTERFACE").isEmpty())
        return false;   // never run unpinned
    m_output.clear();
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.start(program, QStringList(arguments) << "--quiet");
    if (!m_process.waitForStarted(5000))
        return false;
    // Ready once it has said how many devices it plays.
    const bool ready = QTest::qWaitFor([this] {
        m_process.waitForReadyRead(20);
        m_output += QString::fromUtf8(m_process.readAll());
        return m_output.contains(" device(s) on group ") || m_process.state() != QProcess::Running;
    }, 10000);
    return ready && m_process.state() == QProcess::Running;
}

bool DevsimProcess::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return true;
    m_process.terminate();
    const bool ended = m_process.waitForFinished(10000);
    m_output += QString::fromUtf8(m_process.readAll());
    if (!ended) {
        m_process.kill();
        m_process.waitForFinished(2000);
    }
    return ended;
}

QString DevsimProcess::writeFleetFile(const QByteArray &json)
{
    const QString path = m_dir.filePath("fleet.json");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    file.write(json);
    return path;
}
