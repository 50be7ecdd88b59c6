#include "cheaderview.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>

namespace MirelGUIToolkit {

CHeaderView::CHeaderView(Qt::Orientation orientation, QWidget *parent)
    : QHeaderView(orientation, parent)
{
    setSectionsClickable(true);
}

CHeaderView::~CHeaderView() = default;

void CHeaderView::setModel(QAbstractItemModel *model)
{
    if (QAbstractItemModel *old = this->model())
        disconnect(old, nullptr, this, nullptr);
    QHeaderView::setModel(model);
    if (model == nullptr)
        return;
    // The check box shows the rows' state, so it is redrawn when they change.
    connect(model, &QAbstractItemModel::dataChanged, this, &CHeaderView::refresh);
    connect(model, &QAbstractItemModel::rowsInserted, this, &CHeaderView::refresh);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &CHeaderView::refresh);
    connect(model, &QAbstractItemModel::modelReset, this, &CHeaderView::refresh);
    connect(model, &QAbstractItemModel::layoutChanged, this, &CHeaderView::refresh);
}

bool CHeaderView::isSectionCheckable(int logicalIndex) const
{
    return model() != nullptr
        && model()->headerData(logicalIndex, orientation(), CheckableRole).toBool();
}

Qt::CheckState CHeaderView::sectionCheckState(int logicalIndex) const
{
    const QAbstractItemModel *source = model();
    if (source == nullptr)
        return Qt::Unchecked;
    int checkable = 0;
    int checked = 0;
    const int lines = orientation() == Qt::Horizontal ? source->rowCount() : source->columnCount();
    for (int line = 0; line < lines; ++line) {
        const QModelIndex index = orientation() == Qt::Horizontal ? source->index(line, logicalIndex)
                                                                  : source->index(logicalIndex, line);
        if (!(source->flags(index) & Qt::ItemIsUserCheckable))
            continue;
        ++checkable;
        if (index.data(Qt::CheckStateRole).toInt() == Qt::Checked)
            ++checked;
    }
    if (checkable == 0 || checked == 0)
        return Qt::Unchecked;
    return checked == checkable ? Qt::Checked : Qt::PartiallyChecked;
}

void CHeaderView::setSectionCheckState(int logicalIndex, Qt::CheckState state)
{
    QAbstractItemModel *source = model();
    if (source == nullptr)
        return;
    const int lines = orientation() == Qt::Horizontal ? source->rowCount() : source->columnCount();
    emit sectionCheckStateAboutToChange(logicalIndex);
    for (int line = 0; line < lines; ++line) {
        const QModelIndex index = orientation() == Qt::Horizontal ? source->index(line, logicalIndex)
                                                                  : source->index(logicalIndex, line);
        if ((source->flags(index) & Qt::ItemIsUserCheckable)
            && index.data(Qt::CheckStateRole).toInt() != state)
            source->setData(index, state, Qt::CheckStateRole);
    }
    emit sectionCheckStateChanged(logicalIndex);
}

void CHeaderView::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    painter->save();
    QHeaderView::paintSection(painter, rect, logicalIndex);
    painter->restore();
    if (!isSectionCheckable(logicalIndex))
        return;
    QStyleOptionButton option;
    option.initFrom(this);
    option.rect = indicatorRect(rect);
    switch (sectionCheckState(logicalIndex)) {
    case Qt::Checked:
        option.state |= QStyle::State_On;
        break;
    case Qt::PartiallyChecked:
        option.state |= QStyle::State_NoChange;
        break;
    case Qt::Unchecked:
        option.state |= QStyle::State_Off;
        break;
    }
    style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, painter, this);
}

void CHeaderView::mousePressEvent(QMouseEvent *event)
{
    m_pressedSection = event->button() == Qt::LeftButton
        ? checkableSectionAt(event->position().toPoint())
        : -1;
    if (m_pressedSection >= 0) {
        event->accept();
        return;
    }
    QHeaderView::mousePressEvent(event);
}

void CHeaderView::mouseReleaseEvent(QMouseEvent *event)
{
    const int pressed = m_pressedSection;
    m_pressedSection = -1;
    if (pressed < 0) {
        QHeaderView::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    if (event->button() == Qt::LeftButton && checkableSectionAt(event->position().toPoint()) == pressed) {
        setSectionCheckState(pressed, sectionCheckState(pressed) == Qt::Checked ? Qt::Unchecked
                                                                                : Qt::Checked);
    }
}

QRect CHeaderView::indicatorRect(const QRect &sectionRect) const
{
    QStyleOptionButton option;
    option.initFrom(this);
    const int width = style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this);
    const int height = style()->pixelMetric(QStyle::PM_IndicatorHeight, &option, this);
    QRect indicator(0, 0, width, height);
    indicator.moveCenter(sectionRect.center());
    return indicator;
}

int CHeaderView::checkableSectionAt(const QPoint &pos) const
{
    const int logical = logicalIndexAt(pos);
    if (logical < 0 || !isSectionCheckable(logical))
        return -1;
    const int start = sectionViewportPosition(logical);
    const QRect sectionRect = orientation() == Qt::Horizontal
        ? QRect(start, 0, sectionSize(logical), height())
        : QRect(0, start, width(), sectionSize(logical));
    return indicatorRect(sectionRect).contains(pos) ? logical : -1;
}

void CHeaderView::refresh()
{
    viewport()->update();
}

} // namespace MirelGUIToolkit
