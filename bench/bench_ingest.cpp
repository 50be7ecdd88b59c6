// bench_ingest: how the device list page copes with a whole simulated fleet
// announcing itself: the time until every device is a row, the time a
// Refresh of the address-sorted table takes to list everyone again, the time
// to empty the sorted table, the longest pause of the event loop while the
// devices pour in, and the peak memory. Runs only on loopback.
//
//   bench_ingest [--devices N]...     (default: 1000, 5000 and 10000)
// prints one line per fleet:
//   devices=N rows=R start_ms=T refresh_ms=T2 clear_ms=T3 max_stall_ms=S peak_rss_mb=M exit_ms=T4
//
// exit_ms: destroying the page with a full table sorted by address, as closing
// the program does.
// Each fleet runs in a process of its own, so that the peak memory is its own.

#include "devicedisplaypage.h"
#include "deviceinfomodel.h"
#include "tarnhandler.h"

#include <QApplication>

#include <memory>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

constexpr const char *kDefaultPort = "47031";

// Records the longest gap between two turns of the event loop while armed.
class StallMeter
{
public:
    StallMeter()
    {
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (m_armed)
                m_max = qMax(m_max, m_clock.restart());
        });
        m_timer.start();
    }
    void arm()
    {
        m_clock.restart();
        m_armed = true;
    }
    void disarm() { m_armed = false; }
    qint64 max() const { return m_max; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    bool m_armed = false;
    qint64 m_max = 0;
};

bool waitUntil(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        // The stall meter's timer wakes the loop at least every millisecond.
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

double peakRssMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return -1;
}

bool startSimulator(QProcess &sim, int devices)
{
    sim.setProcessChannelMode(QProcess::MergedChannels);
    sim.start(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("tarn-devsim")),
              {"--count", QString::number(devices), "--inactive", QString::number(devices / 10),
               "--seed", QString::number(devices), "--interface", "127.0.0.1",
               "--port", qEnvironmentVariable("TARN_PORT"), "--quiet"});
    if (!sim.waitForStarted(5000))
        return false;
    QByteArray out;
    QElapsedTimer clock;
    clock.start();
    while (!out.contains("device(s) on group") && clock.elapsed() < 20000 && sim.state() == QProcess::Running) {
        sim.waitForReadyRead(50);
        out += sim.readAll();
    }
    if (!out.contains("device(s) on group"))
        return false;
    // The devices come up over at most two seconds; let them, so that the
    // start is measured against a fleet that is all there.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 2500)
        sim.waitForReadyRead(100);
    return sim.state() == QProcess::Running;
}

int runOne(int devices)
{
    QProcess sim;
    if (!startSimulator(sim, devices)) {
        std::fprintf(stderr, "bench_ingest: the simulator did not start\n");
        return 1;
    }
    qRegisterMetaType<TarnDeviceInfo>("TarnDeviceInfo");
    TARN::TarnHandler *handler = TARN::TarnHandler::Instance();
    auto pagePointer = std::make_unique<TarnTool::DeviceDisplayPage>();
    TarnTool::DeviceDisplayPage &page = *pagePointer;
    page.resize(1280, 800);
    page.show();
    QObject::connect(handler, &TARN::TarnHandler::signalDeviceOnline, &page, &TarnTool::DeviceDisplayPage::onDeviceLogin);
    QObject::connect(handler, &TARN::TarnHandler::signalDeviceOffline, &page, &TarnTool::DeviceDisplayPage::onDeviceLogout);
    QObject::connect(handler, &TARN::TarnHandler::signalDeviceUpdate, &page, &TarnTool::DeviceDisplayPage::onDeviceUpdate);
    TarnTool::DeviceInfoModel *model = page.model();
    const auto allRows = [&] { return model->rowCount() >= devices; };
    const int timeoutMs = 30000 + devices * 6;

    StallMeter stalls;
    QElapsedTimer clock;
    stalls.arm();
    clock.start();
    if (!handler->start()) {
        std::fprintf(stderr, "bench_ingest: discovery did not start\n");
        return 1;
    }
    const bool started = waitUntil(allRows, timeoutMs);
    const qint64 startMs = clock.elapsed();
    stalls.disarm();

    const int addressColumn = model->columnPosition(TarnTool::DeviceInfoModel::ColumnIPv4Address);
    page.onSortTable(addressColumn);
    clock.restart();
    page.onManualUpdate();
    stalls.arm();
    const bool refilled = waitUntil(allRows, timeoutMs);
    const qint64 refreshMs = clock.elapsed();
    stalls.disarm();
    const int rows = model->rowCount();

    page.onSortTable(addressColumn);
    clock.restart();
    model->removeAllDevices();
    const qint64 clearMs = clock.elapsed();

    // Closing the program with a full, sorted table: the page goes with all its rows.
    page.onManualUpdate();
    const bool refilledAgain = waitUntil(allRows, timeoutMs);
    page.onSortTable(addressColumn);
    clock.restart();
    pagePointer.reset();
    const qint64 exitMs = clock.elapsed();

    std::printf("devices=%d rows=%d start_ms=%lld refresh_ms=%lld clear_ms=%lld max_stall_ms=%lld peak_rss_mb=%.1f"
                " exit_ms=%lld\n",
                devices, rows, startMs, refreshMs, clearMs, stalls.max(), peakRssMb(), exitMs);
    std::fflush(stdout);

    handler->stop();
    sim.terminate();
    sim.waitForFinished(10000);
    return started && refilled && refilledAgain && rows == devices ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    // Never leave this machine: loopback, and a port of the benchmark's own.
    qputenv("TARN_INTERFACE", "127.0.0.1");
    if (qEnvironmentVariableIsEmpty("TARN_PORT"))
        qputenv("TARN_PORT", kDefaultPort);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The page reads its column order; keep the user's own files out of it.
    QStandardPaths::setTestModeEnabled(true);

    QList<int> sizes;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--devices"))
            sizes << args[++i].toInt();
    }
    if (sizes.isEmpty())
        sizes = {1000, 5000, 10000};
    if (sizes.size() == 1)
        return runOne(sizes.first());

    int failures = 0;
    for (int devices : sizes) {
        QProcess one;
        one.setProcessChannelMode(QProcess::ForwardedChannels);
        one.start(app.applicationFilePath(), {"--devices", QString::number(devices)});
        one.waitForFinished(-1);
        failures += one.exitStatus() != QProcess::NormalExit || one.exitCode() != 0;
    }
    return failures ? 1 : 0;
}
