#include "pinbutton.h"

namespace aptui {

PinButton::PinButton(QWidget *parent)
    : QPushButton(parent)
{
    // Order matters: listeners of pinButtonClicked() see the buddy already
    // shown or hidden.
    connect(this, &QPushButton::clicked, this, &PinButton::buddyState);
    connect(this, &QPushButton::clicked, this, &PinButton::pinButtonClicked);
    setStyleSheet(leftStyleSheet());
    setFixedSize(14, 69);
}

PinButton::~PinButton() = default;

void PinButton::setBuddy(QWidget *buddy)
{
    m_buddy = buddy;
}

QWidget *PinButton::buddy() const
{
    return m_buddy.data();
}

QString PinButton::leftStyleSheet()
{
    return QStringLiteral(
        "aptui--PinButton{     border-image:url(:/aptui/complex/Images/System/Complex/left.png);}"
        "aptui--PinButton:pressed{     border-image:url(:/aptui/complex/Images/System/Complex/leftSel.png);}");
}

QString PinButton::rightStyleSheet()
{
    return QStringLiteral(
        "aptui--PinButton{     border-image:url(:/aptui/complex/Images/System/Complex/right.png);}"
        "aptui--PinButton:pressed{     border-image:url(:/aptui/complex/Images/System/Complex/RightSel.png);}");
}

void PinButton::buddyState()
{
    if (m_buddy.isNull())
        return;
    // The buddy's own hidden flag rather than isVisible(): the panel folds
    // the same way while its window is not on screen.
    if (!m_buddy->isHidden()) {
        m_buddy->hide();
        setStyleSheet(rightStyleSheet());
    } else {
        m_buddy->show();
        setStyleSheet(leftStyleSheet());
    }
}

} // namespace aptui
