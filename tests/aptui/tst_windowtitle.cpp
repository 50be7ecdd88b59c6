#include "windowtitle.h"

#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

using aptui::WindowTitle;

namespace {

// A frameless main window with the title bar on top, as the program has it.
struct MainWindow
{
    QWidget window;
    WindowTitle *title;

    MainWindow()
        : title(new WindowTitle(&window))
    {
        window.setWindowFlags(Qt::FramelessWindowHint);
        window.setStyleSheet(QStringLiteral("QToolButton#m_btnMaximize { color: rgb(0, 0, 255); }"
                                            "QToolButton#m_btnResore { color: rgb(255, 0, 0); }"));
        auto *layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(title);
        layout->addStretch();
        window.setGeometry(50, 60, 600, 400);
    }

    QToolButton *button(const char *name) const
    {
        return title->findChild<QToolButton *>(QLatin1String(name));
    }

    // The one maximise/restore button, whatever its current name.
    QToolButton *maximizeButton() const
    {
        QToolButton *button = this->button("m_btnMaximize");
        return button != nullptr ? button : this->button("m_btnResore");
    }
};

} // namespace

class TestWindowTitle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void membersHaveTheirNamesAndSizes();
    void logoAndTitle();
    void maximiseRenamesTheButtonAndBack();
    void windowSystemMaximiseRenamesToo();
    void doubleClickTogglesOnce();
    void rightDoubleClickDoesNothing();
    void minimiseButtonMinimises();
    void closeButtonClosesAndSignals();
    void altF4Closes();
    void systemMenuButtonSignals();
    void dragMovesTheWindow();
};

void TestWindowTitle::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestWindowTitle::membersHaveTheirNamesAndSizes()
{
    MainWindow w;
    QCOMPARE(w.title->maximumHeight(), 35);
    QCOMPARE(w.title->minimumHeight(), 35);
    QVERIFY(!w.title->IsOpenDoubleClickEnable());

    for (const char *name : {"m_btnMinimize", "m_btnMaximize", "m_btnClose", "m_btnSystemMenu"}) {
        QToolButton *button = w.button(name);
        QVERIFY2(button != nullptr, name);
        QCOMPARE(button->size(), QSize(24, 24));
        QCOMPARE(button->maximumSize(), QSize(24, 24));
        QCOMPARE(button->focusPolicy(), Qt::ClickFocus);
    }
    QCOMPARE(w.button("m_btnClose")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F4));

    auto *icon = w.title->findChild<QLabel *>(QStringLiteral("m_btnIcon"));
    QVERIFY(icon != nullptr);
    QCOMPARE(icon->maximumSize(), QSize(24, 24));
    QCOMPARE(icon->focusPolicy(), Qt::NoFocus);
    QVERIFY(w.title->findChild<QLabel *>(QStringLiteral("m_labelTitle")) != nullptr);
    QVERIFY(w.title->findChild<QMenu *>() != nullptr);
}

void TestWindowTitle::logoAndTitle()
{
    MainWindow w;
    w.title->setTitle(QStringLiteral("TARN Tool"));
    w.title->setLogo();

    QCOMPARE(w.title->title(), QStringLiteral("TARN Tool"));
    QCOMPARE(w.title->findChild<QLabel *>(QStringLiteral("m_labelTitle"))->text(),
             QStringLiteral("TARN Tool"));
    QVERIFY(w.title->findChild<QLabel *>(QStringLiteral("m_btnIcon"))->hasScaledContents());
}

void TestWindowTitle::maximiseRenamesTheButtonAndBack()
{
    MainWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QToolButton *button = w.maximizeButton();
    QCOMPARE(button->objectName(), QStringLiteral("m_btnMaximize"));
    QCOMPARE(button->palette().color(QPalette::ButtonText), QColor(0, 0, 255));

    QTest::mouseClick(button, Qt::LeftButton);
    QTRY_VERIFY(w.window.isMaximized());
    QCOMPARE(button->objectName(), QStringLiteral("m_btnResore"));
    // Re-polished: the style sheet rule of the new name applies.
    QCOMPARE(button->palette().color(QPalette::ButtonText), QColor(255, 0, 0));

    QTest::mouseClick(button, Qt::LeftButton);
    QTRY_VERIFY(!w.window.isMaximized());
    QCOMPARE(button->objectName(), QStringLiteral("m_btnMaximize"));
    QCOMPARE(button->palette().color(QPalette::ButtonText), QColor(0, 0, 255));
}

void TestWindowTitle::windowSystemMaximiseRenamesToo()
{
    MainWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));

    w.window.showMaximized();
    QTRY_COMPARE(w.maximizeButton()->objectName(), QStringLiteral("m_btnResore"));
    w.window.showNormal();
    QTRY_COMPARE(w.maximizeButton()->objectName(), QStringLiteral("m_btnMaximize"));
}

void TestWindowTitle::doubleClickTogglesOnce()
{
    MainWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QSignalSpy sizeChanged(w.title, &WindowTitle::SignalWndSizeStatusChanged);

    // One double-click, one toggle.
    QTest::mouseDClick(w.title, Qt::LeftButton, Qt::NoModifier, QPoint(200, 15));
    QVERIFY(w.window.isMaximized());
    QCOMPARE(sizeChanged.count(), 1);
    QCOMPARE(w.maximizeButton()->objectName(), QStringLiteral("m_btnResore"));

    QTest::mouseDClick(w.title, Qt::LeftButton, Qt::NoModifier, QPoint(200, 15));
    QVERIFY(!w.window.isMaximized());
    QCOMPARE(sizeChanged.count(), 2);
}

void TestWindowTitle::rightDoubleClickDoesNothing()
{
    MainWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QSignalSpy sizeChanged(w.title, &WindowTitle::SignalWndSizeStatusChanged);

    QTest::mouseDClick(w.title, Qt::RightButton, Qt::NoModifier, QPoint(200, 15));

    QVERIFY(!w.window.isMaximized());
    QCOMPARE(sizeChanged.count(), 0);
}

void TestWindowTitle::minimiseButtonMinimises()
{
    MainWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));

    QTest::mouseClick(w.button("m_btnMinimize"), Qt::LeftButton);

    QVERIFY(w.window.isMinimized());
}

void TestWindowTitle::closeButtonClosesAndSignals()
{
    MainWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QList<bool> visibleWhenSignalled;
    connect(w.title, &WindowTitle::signalCloseApp, this,
            [&] { visibleWhenSignalled << w.window.isVisible(); });

    QTest::mouseClick(w.button("m_btnClose"), Qt::LeftButton);

    QCOMPARE(visibleWhenSignalled, QList<bool>{false});
}

void TestWindowTitle::altF4Closes()
{
    MainWindow w;
    w.window.show();
    w.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    QSignalSpy closed(w.title, &WindowTitle::signalCloseApp);

    QTest::keyClick(&w.window, Qt::Key_F4, Qt::AltModifier);

    QTRY_VERIFY(!w.window.isVisible());
    QCOMPARE(closed.count(), 1);
}

void TestWindowTitle::systemMenuButtonSignals()
{
    MainWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QSignalSpy menu(w.title, &WindowTitle::signalSystemMenu);

    QTest::mouseClick(w.button("m_btnSystemMenu"), Qt::LeftButton);

    QCOMPARE(menu.count(), 1);
}

void TestWindowTitle::dragMovesTheWindow()
{
    MainWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    const QPoint start = w.window.pos();
    auto *label = w.title->findChild<QLabel *>(QStringLiteral("m_labelTitle"));
    const QPoint pressLocal = label->geometry().center();
    const QPointF pressGlobal = w.title->mapToGlobal(QPointF(pressLocal));

    QMouseEvent press(QEvent::MouseButtonPress, QPointF(pressLocal), QPointF(pressLocal), pressGlobal,
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.title, &press);
    const QPointF moveGlobal = pressGlobal + QPointF(-25, 40);
    const QPointF moveLocal = w.title->mapFromGlobal(moveGlobal);
    QMouseEvent move(QEvent::MouseMove, moveLocal, moveLocal, moveGlobal, Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.title, &move);

    QTRY_COMPARE(w.window.pos(), start + QPoint(-25, 40));
}

QTEST_MAIN(TestWindowTitle)
#include "tst_windowtitle.moc"
