// The application object: tool tips that show a widget's own caption, the
// swallowed font-change event, and the single-instance rule of the real
// program started as a process.

#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include <csignal>

#include "toolsapplication.h"
#include "tooltipreplacement.h"

class TstToolsApplication : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void toolTipText_data();
    void toolTipText();
    void toolTipEventShowsCaption();
    void fontChangeIsSwallowed();
    void secondStartIsRefusedAndCrashDoesNotBlock();
};

void TstToolsApplication::toolTipText_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("toolTip");
    QTest::addColumn<bool>("replaced");
    QTest::addColumn<QString>("shown");
    QTest::newRow("button with tool tip") << "button" << "a tip" << true << "Caption";
    QTest::newRow("button without tool tip") << "button" << "" << false << "";
    QTest::newRow("label") << "label" << "a tip" << true << "Caption";
    QTest::newRow("combo box") << "combo" << "a tip" << true << "Second";
    QTest::newRow("line edit keeps its tip") << "edit" << "a tip" << false << "";
}

void TstToolsApplication::toolTipText()
{
    QFETCH(QString, kind);
    QFETCH(QString, toolTip);
    QFETCH(bool, replaced);
    QFETCH(QString, shown);
    std::unique_ptr<QWidget> w;
    if (kind == "button")
        w = std::make_unique<QPushButton>("Caption");
    else if (kind == "label")
        w = std::make_unique<QLabel>("Caption");
    else if (kind == "edit")
        w = std::make_unique<QLineEdit>("Caption");
    else {
        auto combo = std::make_unique<QComboBox>();
        combo->addItems({"First", "Second"});
        combo->setCurrentIndex(1);
        w = std::move(combo);
    }
    if (!toolTip.isEmpty())
        w->setToolTip(toolTip);
    const auto text = apt::toolTipReplacement(w.get());
    QCOMPARE(text.has_value(), replaced);
    if (replaced)
        QCOMPARE(*text, shown);
}

void TstToolsApplication::toolTipEventShowsCaption()
{
    QPushButton button("Export the list");
    button.setToolTip("internal tip");
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QHelpEvent event(QEvent::ToolTip, QPoint(5, 5), button.mapToGlobal(QPoint(5, 5)));
    QVERIFY(QCoreApplication::sendEvent(&button, &event));
    QVERIFY(QTest::qWaitFor([] { return QToolTip::isVisible(); }, 2000));
    QCOMPARE(QToolTip::text(), QString("Export the list"));
}

void TstToolsApplication::fontChangeIsSwallowed()
{
    QLabel label("x");
    QEvent event(QEvent::ApplicationFontChange);
    QVERIFY(qApp->notify(&label, &event));
}

void TstToolsApplication::secondStartIsRefusedAndCrashDoesNotBlock()
{
    const QString program = qEnvironmentVariable("TARN_TARNTOOL");
    QVERIFY(!program.isEmpty());
    QTemporaryDir runtime;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    env.insert("XDG_CONFIG_HOME", runtime.filePath("config"));
    env.insert("QT_QPA_PLATFORM", "offscreen");
    auto start = [&](QProcess &p) {
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(program, {});
        return p.waitForStarted(5000);
    };
    QProcess first;
    QVERIFY(start(first));
    QTest::qWait(1500);
    QCOMPARE(first.state(), QProcess::Running);

    QProcess second;
    QVERIFY(start(second));
    QByteArray said;
    QVERIFY(QTest::qWaitFor([&] {
        second.waitForReadyRead(50);
        said += second.readAll();
        return said.contains("TARN is already running.");
    }, 10000));
    second.kill();
    second.waitForFinished();
    QCOMPARE(first.state(), QProcess::Running);   // the first is left alone

    // A first instance that dies without cleaning up does not block the next start.
    ::kill(pid_t(first.processId()), SIGKILL);
    QVERIFY(first.waitForFinished(5000));
    QProcess third;
    QVERIFY(start(third));
    QTest::qWait(1500);
    QCOMPARE(third.state(), QProcess::Running);
    QVERIFY(!third.readAll().contains("TARN is already running."));
    third.kill();
    third.waitForFinished();
}

int main(int argc, char **argv)
{
    apt::ToolsApplication app(QStringLiteral("TARNToolUnitTest"), argc, argv);
    TstToolsApplication test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_toolsapplication.moc"
