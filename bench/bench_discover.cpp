// bench_discover: how long `tarn-cli discover` takes to list a whole simulated
// fleet, for fleets of growing size. Runs only on loopback.
//
//   bench_discover [--devices N]...     (default: 100, 1000, 5000 and 10000)
// prints one line per fleet: devices=N found=M ms=T

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>

#include <cstdio>

namespace {

bool startSimulator(QProcess &sim, int devices)
{
    sim.setProcessChannelMode(QProcess::MergedChannels);
    sim.start(QDir(QCoreApplication::applicationDirPath()).filePath("tarn-devsim"),
              {"--count", QString::number(devices), "--inactive", QString::number(devices / 10), "--quiet"});
    if (!sim.waitForStarted(5000))
        return false;
    QByteArray out;
    QElapsedTimer t;
    t.start();
    while (!out.contains("device(s) on group") && t.elapsed() < 20000 && sim.state() == QProcess::Running) {
        sim.waitForReadyRead(50);
        out += sim.readAll();
    }
    if (!out.contains("device(s) on group"))
        return false;
    // Let the fleet finish coming up, so that only the inquiry is measured.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 2500)
        sim.waitForReadyRead(100);
    return sim.state() == QProcess::Running;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // Never leave this machine: loopback, and a port of the benchmark's own.
    if (qEnvironmentVariableIsEmpty("TARN_INTERFACE"))
        qputenv("TARN_INTERFACE", "127.0.0.1");
    if (qEnvironmentVariableIsEmpty("TARN_PORT"))
        qputenv("TARN_PORT", "47011");

    QList<int> sizes;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == "--devices")
            sizes << args[++i].toInt();
    }
    if (sizes.isEmpty())
        sizes = {100, 1000, 5000, 10000};

    int failures = 0;
    for (int devices : sizes) {
        QProcess sim;
        if (!startSimulator(sim, devices)) {
            std::fprintf(stderr, "bench_discover: the simulator did not start\n");
            return 1;
        }
        QProcess cli;
        QElapsedTimer timer;
        timer.start();
        cli.start(QDir(app.applicationDirPath()).filePath("tarn-cli"),
                  {"discover", "--json", "--expect", QString::number(devices), "--wait", "30"});
        cli.waitForFinished(60000);
        const qint64 ms = timer.elapsed();
        const int found = int(cli.readAllStandardOutput().count("\"serial\""));
        std::printf("devices=%d found=%d ms=%lld\n", devices, found, ms);
        std::fflush(stdout);
        failures += found != devices;
        sim.terminate();
        sim.waitForFinished(10000);
    }
    return failures ? 1 : 0;
}
