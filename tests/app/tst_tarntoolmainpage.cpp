// The main window: placement of the pin strip and button, folding the panel,
// the cover, F1, the exit question and a discovery that cannot start.

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include "aboutdialog.h"
#include "basedialog.h"
#include "menu.h"
#include "coverwidget.h"
#include "devicedisplaypage.h"
#include "deviceinfomodel.h"
#include "devicemodifypage.h"
#include "hintbox.h"
#include "pinbutton.h"
#include "tarnhandler.h"
#include "tarntoolmainpage.h"
#include "windowtitle.h"

using TarnTool::TARNToolMainPage;

namespace {

// Answers the next modal dialog with its Confirm or Cancel button, and notes
// whether the main window was covered while it ran.
void answerNextDialog(bool confirm, TARNToolMainPage *window, bool *coveredMeanwhile)
{
    QTimer::singleShot(0, [=] {
        auto *dialog = qobject_cast<aptui::BaseDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            answerNextDialog(confirm, window, coveredMeanwhile);
            return;
        }
        *coveredMeanwhile = window->isCovered() && window->cover()->isVisible();
        (confirm ? dialog->confirmButton() : dialog->cancelButton())->click();
    });
}

} // namespace

class TstTarnToolMainPage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void discoveryThatCannotStartIsReported();
    void pinPlacement_data();
    void pinPlacement();
    void foldingShowsTheRightSpace();
    void coverFollowsTheWindow();
    void f1AsksForHelp();
    void systemMenuHoldsTheAboutPanel();
    void noUpdateCheckWithoutTheVariant();
    void cancelledExitLeavesTheWindowUsable();
    void confirmedExitCloses();

private:
    QByteArray m_group;
};

void TstTarnToolMainPage::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCOMPARE(qEnvironmentVariable("TARN_INTERFACE"), QString("127.0.0.1"));
    m_group = qgetenv("TARN_GROUP");
}

void TstTarnToolMainPage::discoveryThatCannotStartIsReported()
{
    // Not a multicast group: the library refuses to start, and sends nothing.
    qputenv("TARN_GROUP", "127.0.0.2");
    QStringList hints;
    TarnTool::setHintBoxHook([&](const QString &message, TarnTool::HintBoxKind) {
        hints << message;
        return true;
    });
    {
        TARNToolMainPage window;
        window.show();
        QCOMPARE(hints, QStringList{"Initialization failed."});
        // The window still works, with an empty list.
        QVERIFY(window.isVisible());
        QCOMPARE(window.displayPage()->model()->rowCount(), 0);
    }
    TarnTool::setHintBoxHook({});
    qputenv("TARN_GROUP", m_group);
}

void TstTarnToolMainPage::pinPlacement_data()
{
    QTest::addColumn<QSize>("windowSize");
    QTest::addColumn<int>("titleHeight");
    QTest::addColumn<int>("panelWidth");
    QTest::addColumn<bool>("folded");
    QTest::addColumn<QRect>("border");
    QTest::addColumn<QPoint>("button");
    QTest::addColumn<QString>("buttonName");

    QTest::newRow("1417 x 768, panel 300") << QSize(1417, 768) << 35 << 300 << false
                                          << QRect(1098, 35, 20, 733) << QPoint(1098, 210)
                                          << "m_pUnSpreadButton";
    QTest::newRow("1417 x 768, folded") << QSize(1417, 768) << 35 << 300 << true
                                        << QRect(1386, 35, 20, 733) << QPoint(1386, 210)
                                        << "m_pSpreadButton";
    QTest::newRow("1024 x 700, panel 410") << QSize(1024, 700) << 35 << 410 << false
                                           << QRect(595, 35, 20, 665) << QPoint(595, 190)
                                           << "m_pUnSpreadButton";
    // 0.3 * 777 - 20 = 213.1: the position is rounded down.
    QTest::newRow("height rounds down") << QSize(1100, 777) << 40 << 410 << false
                                        << QRect(671, 40, 20, 737) << QPoint(671, 213)
                                        << "m_pUnSpreadButton";
}

void TstTarnToolMainPage::pinPlacement()
{
    QFETCH(QSize, windowSize);
    QFETCH(int, titleHeight);
    QFETCH(int, panelWidth);
    QFETCH(bool, folded);
    QFETCH(QRect, border);
    QFETCH(QPoint, button);
    QFETCH(QString, buttonName);

    TARNToolMainPage window;
    window.titleBar()->setFixedHeight(titleHeight);
    window.modifyPage()->setFixedWidth(panelWidth);
    window.resize(windowSize);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    if (folded)
        window.pinButton()->click();
    window.onMovePinButtion();

    QCOMPARE(window.size(), windowSize);
    QCOMPARE(window.modifyPage()->isHidden(), folded);
    QCOMPARE(window.pinBorder()->geometry(), border);
    QCOMPARE(window.pinButton()->pos(), button);
    QCOMPARE(window.pinButton()->size(), QSize(20, 80));
    QCOMPARE(window.pinButton()->objectName(), buttonName);
    QVERIFY(window.pinBorder()->testAttribute(Qt::WA_TransparentForMouseEvents));
}

void TstTarnToolMainPage::foldingShowsTheRightSpace()
{
    TARNToolMainPage window;
    window.resize(1200, 700);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.rightSpace()->isHidden());
    const int panelX = window.pinButton()->x();

    window.pinButton()->click();
    QVERIFY(window.modifyPage()->isHidden());
    QVERIFY(!window.rightSpace()->isHidden());
    QCOMPARE(window.rightSpace()->width(), 10);
    QCOMPARE(window.pinButton()->x(), window.width() - 31);
    QCOMPARE(window.pinButton()->objectName(), QString("m_pSpreadButton"));
    // The list takes the room of the panel.
    QTRY_VERIFY(window.displayPage()->width() > window.width() - 100);

    window.pinButton()->click();
    QVERIFY(!window.modifyPage()->isHidden());
    QVERIFY(window.rightSpace()->isHidden());
    QCOMPARE(window.pinButton()->x(), panelX);
    QCOMPARE(window.pinButton()->objectName(), QString("m_pUnSpreadButton"));

    // A resize keeps the strip beside the panel.
    window.resize(1300, 700);
    QTRY_COMPARE(window.pinButton()->x(), 1300 - 20 - window.modifyPage()->width() + 1);
}

void TstTarnToolMainPage::coverFollowsTheWindow()
{
    TARNToolMainPage window;
    window.resize(1000, 700);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!window.isCovered());
    QVERIFY(window.cover()->isHidden());

    // The pages ask for the cover around their dialogs.
    emit window.displayPage()->signalCoverMainPage();
    QVERIFY(window.isCovered());
    QVERIFY(window.cover()->isVisible());
    QCOMPARE(window.cover()->geometry(), QRect(QPoint(0, 0), window.size()));
    window.resize(1100, 720);
    QTRY_COMPARE(window.cover()->geometry(), QRect(0, 0, 1100, 720));
    emit window.displayPage()->signalDisCoverMainPage();
    QVERIFY(!window.isCovered());
    QVERIFY(window.cover()->isHidden());

    emit window.modifyPage()->signalCoverMainPage();
    QVERIFY(window.isCovered());
    emit window.modifyPage()->signalDisCoverMainPage();
    QVERIFY(!window.isCovered());
}

void TstTarnToolMainPage::f1AsksForHelp()
{
    // No manual in the working directory: the notice comes up under the cover.
    QTemporaryDir empty;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(empty.path()));
    TARNToolMainPage window;
    window.show();
    QStringList notices;
    bool covered = false;
    TarnTool::setHintBoxHook([&](const QString &message, TarnTool::HintBoxKind) {
        notices << message;
        covered = window.isCovered();
        return true;
    });
    QSignalSpy help(&window, &TARNToolMainPage::signalGetHelp);
    QTest::keyClick(&window, Qt::Key_F2);
    QCOMPARE(help.count(), 0);
    QTest::keyClick(&window, Qt::Key_F1);
    TarnTool::setHintBoxHook({});
    QDir::setCurrent(before);
    QCOMPARE(help.count(), 1);
    QCOMPARE(notices, QStringList{"No user manual found."});
    QVERIFY(covered);
    QVERIFY(!window.isCovered());
}

void TstTarnToolMainPage::systemMenuHoldsTheAboutPanel()
{
    TARNToolMainPage window;
    QCOMPARE(window.systemMenu()->objectName(), QString("aboutMenu"));
    QCOMPARE(window.systemMenu()->actions(), QList<QAction *>{window.aboutAction()});
    QVERIFY(window.systemMenu()->testAttribute(Qt::WA_TranslucentBackground));
    QCOMPARE(window.systemMenu()->focusPolicy(), Qt::NoFocus);
}

void TstTarnToolMainPage::noUpdateCheckWithoutTheVariant()
{
    // The Setup.xml beside the program has VersionType 1: no update dialog,
    // and showing the window asks nothing.
    TARNToolMainPage window;
    QVERIFY(!window.upgradeTool());
    QVERIFY(!window.isUpdateCheckScheduled());
    window.show();
    QVERIFY(window.isUpdateCheckScheduled());
    window.hide();
    window.show();
    QVERIFY(window.isUpdateCheckScheduled());
    QVERIFY(!window.upgradeTool());
}

void TstTarnToolMainPage::cancelledExitLeavesTheWindowUsable()
{
    TARNToolMainPage window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    bool covered = false;
    answerNextDialog(false, &window, &covered);
    QVERIFY(!window.close());
    QVERIFY(covered);
    QVERIFY(window.isVisible());
    QVERIFY(!window.isCovered());
    QVERIFY(window.cover()->isHidden());
}

void TstTarnToolMainPage::confirmedExitCloses()
{
    TARNToolMainPage window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    bool covered = false;
    answerNextDialog(true, &window, &covered);
    QVERIFY(window.close());
    QVERIFY(covered);
    QVERIFY(!window.isVisible());
}

QTEST_MAIN(TstTarnToolMainPage)
#include "tst_tarntoolmainpage.moc"
