// The strength meter: what each level shows in the standard and the strict
// display, and the labels after typing, re-rating and resetting.

#include "passwordstrengthmeter.h"

#include <QLabel>
#include <QStandardPaths>
#include <QTest>
#include <QWidget>

using TarnTool::PasswordStrengthMeter;
using Mode = TarnTool::PasswordStrengthMeter::Mode;

Q_DECLARE_METATYPE(Mode)

namespace {

const QString Grey = PasswordStrengthMeter::greyBar();
const QString Red = PasswordStrengthMeter::redBar();
const QString Yellow = PasswordStrengthMeter::yellowBar();
const QString Green = PasswordStrengthMeter::greenBar();

} // namespace

class PasswordStrengthMeterTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void imagePaths();
    void display_data();
    void display();
    void typedPassword_data();
    void typedPassword();
    void reratingClearsEarlierBars();
    void resetShowsGreyAndEmpty();

private:
    struct Labels
    {
        QWidget panel;
        QLabel *bar1 = new QLabel(&panel);
        QLabel *bar2 = new QLabel(&panel);
        QLabel *bar3 = new QLabel(&panel);
        QLabel *text = new QLabel(&panel);
        PasswordStrengthMeter meter{bar1, bar2, bar3, text};

        QStringList shown() const
        {
            return {PasswordStrengthMeter::barImage(bar1), PasswordStrengthMeter::barImage(bar2),
                    PasswordStrengthMeter::barImage(bar3), text->text()};
        }
    };
};

void PasswordStrengthMeterTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void PasswordStrengthMeterTest::imagePaths()
{
    const QString base = QStringLiteral(":/CommonSkin/Password/Images/Public/Control/Password/");
    QCOMPARE(Grey, base + "grey.png");
    QCOMPARE(Red, base + "red.png");
    QCOMPARE(Yellow, base + "yellow.png");
    QCOMPARE(Green, base + "green.png");
}

void PasswordStrengthMeterTest::display_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QStringList>("expected");  // bar 1, bar 2, bar 3, text

    const QStringList grey{Grey, Grey, Grey, QString()};
    const QStringList strong{Green, Green, Green, QStringLiteral("Strong")};
    QTest::newRow("standard 0") << 0 << Mode::Standard << grey;
    QTest::newRow("standard 1") << 1 << Mode::Standard << QStringList{Red, Grey, Grey, "Weak"};
    QTest::newRow("standard 2") << 2 << Mode::Standard << QStringList{Yellow, Yellow, Grey, "Medium"};
    QTest::newRow("standard 3") << 3 << Mode::Standard << strong;
    QTest::newRow("standard 4") << 4 << Mode::Standard << strong;
    QTest::newRow("standard out of range") << 5 << Mode::Standard << grey;
    QTest::newRow("strict 0") << 0 << Mode::Strict << grey;
    QTest::newRow("strict 1") << 1 << Mode::Strict << grey;
    QTest::newRow("strict 2") << 2 << Mode::Strict << grey;
    QTest::newRow("strict 3") << 3 << Mode::Strict << grey;
    QTest::newRow("strict 4") << 4 << Mode::Strict << strong;
}

void PasswordStrengthMeterTest::display()
{
    QFETCH(int, level);
    QFETCH(Mode, mode);
    QFETCH(QStringList, expected);

    const PasswordStrengthMeter::Display shown = PasswordStrengthMeter::display(level, mode);
    QCOMPARE((QStringList{shown.bar1, shown.bar2, shown.bar3, shown.text}), expected);
}

void PasswordStrengthMeterTest::typedPassword_data()
{
    QTest::addColumn<QString>("userName");
    QTest::addColumn<QString>("password");
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<int>("level");
    QTest::addColumn<QStringList>("expected");

    const QString admin = QStringLiteral("admin");
    const QStringList grey{Grey, Grey, Grey, QString()};
    const QStringList strong{Green, Green, Green, QStringLiteral("Strong")};
    QTest::newRow("upper, lower, digits: Strong") << admin << "Abcdef12" << Mode::Standard << 3 << strong;
    QTest::newRow("lower only: grey and empty") << admin << "abcdefghij" << Mode::Standard << 0 << grey;
    QTest::newRow("digits + lower: Weak") << admin << "abcd1234" << Mode::Standard << 1
                                          << QStringList{Red, Grey, Grey, "Weak"};
    QTest::newRow("upper + lower: Medium") << admin << "ABCDefgh" << Mode::Standard << 2
                                           << QStringList{Yellow, Yellow, Grey, "Medium"};
    QTest::newRow("accented letter counts as other") << admin << QStringLiteral("abcdefg\u00e9")
                                                     << Mode::Standard << 2
                                                     << QStringList{Yellow, Yellow, Grey, "Medium"};
    QTest::newRow("all four kinds: Strong") << admin << "Abc123!x" << Mode::Standard << 4 << strong;
    QTest::newRow("strict: three kinds stay grey") << admin << "Abcdef12" << Mode::Strict << 3 << grey;
    QTest::newRow("strict: four kinds light it") << admin << "Abc123!x" << Mode::Strict << 4 << strong;
    QTest::newRow("strict: the caller's user name")
            << QStringLiteral("Oper@tor12") << "Oper@tor12" << Mode::Strict << 0 << grey;
}

void PasswordStrengthMeterTest::typedPassword()
{
    QFETCH(QString, userName);
    QFETCH(QString, password);
    QFETCH(Mode, mode);
    QFETCH(int, level);
    QFETCH(QStringList, expected);

    Labels labels;
    QCOMPARE(labels.meter.update(userName, password, mode), level);
    QCOMPARE(labels.shown(), expected);
}

void PasswordStrengthMeterTest::reratingClearsEarlierBars()
{
    Labels labels;
    QCOMPARE(labels.meter.update(QStringLiteral("admin"), QStringLiteral("Abc123!x")), 4);
    QCOMPARE(labels.meter.update(QStringLiteral("admin"), QStringLiteral("abcd1234")), 1);
    QCOMPARE(labels.shown(), (QStringList{Red, Grey, Grey, QStringLiteral("Weak")}));
    QCOMPARE(labels.meter.update(QStringLiteral("admin"), QStringLiteral("Abc")), 0);
    QCOMPARE(labels.shown(), (QStringList{Grey, Grey, Grey, QString()}));
}

void PasswordStrengthMeterTest::resetShowsGreyAndEmpty()
{
    Labels labels;
    labels.meter.update(QStringLiteral("admin"), QStringLiteral("Abcdef12"));
    labels.meter.reset();
    QCOMPARE(labels.shown(), (QStringList{Grey, Grey, Grey, QString()}));

    // Labels the panel does not have are skipped.
    PasswordStrengthMeter partial(labels.bar1, nullptr, nullptr, nullptr);
    QCOMPARE(partial.update(QStringLiteral("admin"), QStringLiteral("ABCDefgh")), 2);
    QCOMPARE(PasswordStrengthMeter::barImage(labels.bar1), Yellow);
    QCOMPARE(PasswordStrengthMeter::barImage(nullptr), QString());
}

QTEST_MAIN(PasswordStrengthMeterTest)
#include "tst_passwordstrengthmeter.moc"
