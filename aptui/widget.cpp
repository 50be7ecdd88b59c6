#include "widget.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOption>

namespace aptui {

Widget::Widget(QWidget *parent)
    : QWidget(parent)
{
}

Widget::~Widget() = default;

bool Widget::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        emit signalMouseClicked();
        break;
    case QEvent::MouseButtonDblClick:
        emit signalDoubleClicked();
        break;
    case QEvent::Enter:
        emit signalMouseEnter();
        break;
    case QEvent::Leave:
        emit signalMouseLeave();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void Widget::paintEvent(QPaintEvent *event)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    painter.end();
    QWidget::paintEvent(event);
}

} // namespace aptui
