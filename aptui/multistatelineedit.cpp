#include "multistatelineedit.h"

#include <QMetaType>
#include <QStyle>

namespace aptui {

MultiStateLineEdit::MultiStateLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
    qRegisterMetaType<aptui::MultiStateLineEdit::State>("aptui::MultiStateLineEdit::State");
    m_stateNames.insert(QStringLiteral("NORMAL"), NORMAL);
    m_stateNames.insert(QStringLiteral("3"), NORMAL);
    m_stateNames.insert(QStringLiteral("ERROR"), ERROR);
    m_stateNames.insert(QStringLiteral("1"), ERROR);
    m_stateNames.insert(QStringLiteral("TIP"), TIP);
    m_stateNames.insert(QStringLiteral("2"), TIP);
}

MultiStateLineEdit::~MultiStateLineEdit() = default;

QString MultiStateLineEdit::state() const
{
    return stateName(m_state);
}

void MultiStateLineEdit::setState(const QString &text)
{
    m_state = m_stateNames.value(text.toUpper(), ERROR);
    emit stateChanged(state());
}

MultiStateLineEdit::State MultiStateLineEdit::lineEditState() const
{
    return m_state;
}

QString MultiStateLineEdit::stateName(State state)
{
    switch (state) {
    case ERROR:
        return QStringLiteral("Error");
    case TIP:
        return QStringLiteral("Tip");
    case NORMAL:
        break;
    }
    return QStringLiteral("Normal");
}

void MultiStateLineEdit::setLineEditState(aptui::MultiStateLineEdit::State state)
{
    setProperty("state", stateName(state));
    style()->unpolish(this);
    style()->polish(this);
    update();
}

} // namespace aptui
