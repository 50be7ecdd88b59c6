#include "pinbutton.h"

#include <QHBoxLayout>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

using aptui::PinButton;

class TestPinButton : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void startsWithTheLeftArrow();
    void withoutBuddyAClickOnlySignals();
    void clicksFoldAndUnfoldTheBuddy();
    void signalComesAfterTheBuddyChanged();
    void deletedBuddyIsForgotten();
};

void TestPinButton::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestPinButton::startsWithTheLeftArrow()
{
    PinButton button;
    QCOMPARE(button.styleSheet(), PinButton::leftStyleSheet());
    QVERIFY(button.styleSheet().contains(
        QStringLiteral("border-image:url(:/aptui/complex/Images/System/Complex/left.png)")));
    QVERIFY(PinButton::rightStyleSheet().contains(
        QStringLiteral("aptui--PinButton:pressed{     border-image:url(:/aptui/complex/Images/System/Complex/RightSel.png);}")));
    QCOMPARE(button.minimumSize(), QSize(14, 69));
    QCOMPARE(button.maximumSize(), QSize(14, 69));
    QCOMPARE(button.buddy(), nullptr);
}

void TestPinButton::withoutBuddyAClickOnlySignals()
{
    PinButton button;
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QSignalSpy clicked(&button, &PinButton::pinButtonClicked);

    QTest::mouseClick(&button, Qt::LeftButton);

    QCOMPARE(clicked.count(), 1);
    QCOMPARE(button.styleSheet(), PinButton::leftStyleSheet());
}

void TestPinButton::clicksFoldAndUnfoldTheBuddy()
{
    QWidget window;
    auto *layout = new QHBoxLayout(&window);
    auto *panel = new QWidget(&window);
    auto *button = new PinButton(&window);
    layout->addWidget(panel);
    layout->addWidget(button);
    button->setBuddy(panel);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicked(button, &PinButton::pinButtonClicked);

    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!panel->isVisible());
    QCOMPARE(button->styleSheet(), PinButton::rightStyleSheet());

    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(panel->isVisible());
    QCOMPARE(button->styleSheet(), PinButton::leftStyleSheet());
    QCOMPARE(clicked.count(), 2);
}

void TestPinButton::signalComesAfterTheBuddyChanged()
{
    QWidget window;
    auto *panel = new QWidget(&window);
    auto *button = new PinButton(&window);
    button->setBuddy(panel);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QList<bool> hiddenWhenSignalled;
    connect(button, &PinButton::pinButtonClicked, this,
            [&] { hiddenWhenSignalled << panel->isHidden(); });
    button->click();
    button->click();

    QCOMPARE(hiddenWhenSignalled, (QList<bool>{true, false}));
}

void TestPinButton::deletedBuddyIsForgotten()
{
    PinButton button;
    auto panel = std::make_unique<QWidget>();
    button.setBuddy(panel.get());
    panel.reset();
    QSignalSpy clicked(&button, &PinButton::pinButtonClicked);

    button.click();

    QCOMPARE(button.buddy(), nullptr);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(button.styleSheet(), PinButton::leftStyleSheet());
}

QTEST_MAIN(TestPinButton)
#include "tst_pinbutton.moc"
