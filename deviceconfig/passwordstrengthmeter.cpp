#include "passwordstrengthmeter.h"

#include "latin1text.h"
#include "passwordstrength.h"

#include <QLabel>
#include <QPixmap>
#include <QVariant>

namespace TarnTool {

namespace {

constexpr const char *BarImageProperty = "barImage";

void setBar(QLabel *bar, const QString &image)
{
    if (bar == nullptr)
        return;
    bar->setPixmap(QPixmap(image));
    bar->setProperty(BarImageProperty, image);
}

} // namespace

QString PasswordStrengthMeter::greyBar()
{
    return QStringLiteral(":/CommonSkin/Password/Images/Public/Control/Password/grey.png");
}

QString PasswordStrengthMeter::redBar()
{
    return QStringLiteral(":/CommonSkin/Password/Images/Public/Control/Password/red.png");
}

QString PasswordStrengthMeter::yellowBar()
{
    return QStringLiteral(":/CommonSkin/Password/Images/Public/Control/Password/yellow.png");
}

QString PasswordStrengthMeter::greenBar()
{
    return QStringLiteral(":/CommonSkin/Password/Images/Public/Control/Password/green.png");
}

PasswordStrengthMeter::Display PasswordStrengthMeter::display(int level, Mode mode)
{
    const Display grey{greyBar(), greyBar(), greyBar(), QString()};
    if (mode == Mode::Strict)
        return level == 4 ? Display{greenBar(), greenBar(), greenBar(), tr("Strong")} : grey;
    switch (level) {
    case 1:
        return {redBar(), greyBar(), greyBar(), tr("Weak")};
    case 2:
        return {yellowBar(), yellowBar(), greyBar(), tr("Medium")};
    case 3:
    case 4:
        return {greenBar(), greenBar(), greenBar(), tr("Strong")};
    default:
        return grey;
    }
}

PasswordStrengthMeter::PasswordStrengthMeter(QLabel *bar1, QLabel *bar2, QLabel *bar3,
                                             QLabel *levelText)
    : m_bar1(bar1), m_bar2(bar2), m_bar3(bar3), m_levelText(levelText)
{
}

int PasswordStrengthMeter::update(const QString &userName, const QString &password, Mode mode)
{
    const int level = evaluatePasswordStrength(toLatin1Bytes(userName), toLatin1Bytes(password));
    // Grey first, so that no bar of an earlier rating survives this one.
    reset();
    show(display(level, mode));
    return level;
}

void PasswordStrengthMeter::reset()
{
    show(display(0, Mode::Standard));
}

void PasswordStrengthMeter::show(const Display &shown)
{
    setBar(m_bar1, shown.bar1);
    setBar(m_bar2, shown.bar2);
    setBar(m_bar3, shown.bar3);
    if (m_levelText != nullptr)
        m_levelText->setText(shown.text);
}

QString PasswordStrengthMeter::barImage(const QLabel *bar)
{
    return bar != nullptr ? bar->property(BarImageProperty).toString() : QString();
}

} // namespace TarnTool
