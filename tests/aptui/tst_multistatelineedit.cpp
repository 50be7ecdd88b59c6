#include "multistatelineedit.h"

#include <QMetaType>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

using aptui::MultiStateLineEdit;

class TestMultiStateLineEdit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void startsNormal();
    void writtenNameSelectsState_data();
    void writtenNameSelectsState();
    void settingTheSameStateStillSignals();
    void styleSheetFollowsTheState();
    void stateTravelsThroughQueuedCalls();
};

void TestMultiStateLineEdit::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestMultiStateLineEdit::startsNormal()
{
    MultiStateLineEdit edit;
    QCOMPARE(edit.lineEditState(), MultiStateLineEdit::NORMAL);
    QCOMPARE(edit.property("state").toString(), QStringLiteral("Normal"));
}

void TestMultiStateLineEdit::writtenNameSelectsState_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("name");

    QTest::newRow("tip lower case") << "tip" << int(MultiStateLineEdit::TIP) << "Tip";
    QTest::newRow("2") << "2" << int(MultiStateLineEdit::TIP) << "Tip";
    QTest::newRow("TIP") << "TIP" << int(MultiStateLineEdit::TIP) << "Tip";
    QTest::newRow("warning") << "warning" << int(MultiStateLineEdit::ERROR) << "Error";
    QTest::newRow("Error") << "Error" << int(MultiStateLineEdit::ERROR) << "Error";
    QTest::newRow("1") << "1" << int(MultiStateLineEdit::ERROR) << "Error";
    QTest::newRow("Normal") << "Normal" << int(MultiStateLineEdit::NORMAL) << "Normal";
    QTest::newRow("3") << "3" << int(MultiStateLineEdit::NORMAL) << "Normal";
    QTest::newRow("empty") << "" << int(MultiStateLineEdit::ERROR) << "Error";
    QTest::newRow("padded") << " tip" << int(MultiStateLineEdit::ERROR) << "Error";
    QTest::newRow("4") << "4" << int(MultiStateLineEdit::ERROR) << "Error";
}

void TestMultiStateLineEdit::writtenNameSelectsState()
{
    QFETCH(QString, written);
    QFETCH(int, state);
    QFETCH(QString, name);

    MultiStateLineEdit edit;
    QSignalSpy changed(&edit, &MultiStateLineEdit::stateChanged);
    QVERIFY(edit.setProperty("state", written));

    QCOMPARE(int(edit.lineEditState()), state);
    QCOMPARE(edit.property("state").toString(), name);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), name);
}

void TestMultiStateLineEdit::settingTheSameStateStillSignals()
{
    MultiStateLineEdit edit;
    QSignalSpy changed(&edit, &MultiStateLineEdit::stateChanged);

    edit.setLineEditState(MultiStateLineEdit::NORMAL);
    edit.setLineEditState(MultiStateLineEdit::NORMAL);

    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(1).at(0).toString(), QStringLiteral("Normal"));
    QCOMPARE(edit.lineEditState(), MultiStateLineEdit::NORMAL);
}

void TestMultiStateLineEdit::styleSheetFollowsTheState()
{
    QWidget window;
    window.setStyleSheet(QStringLiteral(
        "aptui--MultiStateLineEdit[state=\"Error\"] { color: rgb(255, 0, 0); }"
        "aptui--MultiStateLineEdit[state=\"Tip\"] { color: rgb(0, 0, 255); }"
        "aptui--MultiStateLineEdit[state=\"Normal\"] { color: rgb(0, 128, 0); }"));
    auto *edit = new MultiStateLineEdit(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto textColor = [edit] { return edit->palette().color(QPalette::Text); };
    QCOMPARE(textColor(), QColor(0, 128, 0));

    edit->setLineEditState(MultiStateLineEdit::ERROR);
    QCOMPARE(textColor(), QColor(255, 0, 0));
    edit->setLineEditState(MultiStateLineEdit::TIP);
    QCOMPARE(textColor(), QColor(0, 0, 255));
    edit->setLineEditState(MultiStateLineEdit::NORMAL);
    QCOMPARE(textColor(), QColor(0, 128, 0));
}

void TestMultiStateLineEdit::stateTravelsThroughQueuedCalls()
{
    MultiStateLineEdit edit;
    QVERIFY(QMetaType::fromName("aptui::MultiStateLineEdit::State").isValid());

    QVERIFY(QMetaObject::invokeMethod(&edit, "setLineEditState", Qt::QueuedConnection,
                                      Q_ARG(aptui::MultiStateLineEdit::State,
                                            MultiStateLineEdit::TIP)));
    QTRY_COMPARE(edit.lineEditState(), MultiStateLineEdit::TIP);
}

QTEST_MAIN(TestMultiStateLineEdit)
#include "tst_multistatelineedit.moc"
