#include "coverwidget.h"

#include <QHBoxLayout>

namespace aptui {

CoverWidget::CoverWidget(QWidget *parent)
    : Widget(parent)
    , m_cover(new QWidget(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_cover->setObjectName(QStringLiteral("m_cover"));
    // A plain child widget draws a style-sheet background only with this.
    m_cover->setAttribute(Qt::WA_StyledBackground);
    layout->addWidget(m_cover);
    setAttribute(Qt::WA_TranslucentBackground);
}

CoverWidget::~CoverWidget() = default;

QWidget *CoverWidget::cover() const
{
    return m_cover;
}

} // namespace aptui
