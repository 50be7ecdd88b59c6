#include "cabstractitemview.h"

#include <QHeaderView>
#include <QPainter>

namespace MirelGUIToolkit {

CAbstractItemView::CAbstractItemView(QWidget *parent)
    : QTreeView(parent)
{
}

CAbstractItemView::~CAbstractItemView() = default;

void CAbstractItemView::ShowGridLine(bool show)
{
    if (m_showGridLine == show)
        return;
    m_showGridLine = show;
    viewport()->update();
}

bool CAbstractItemView::IsGridLineShown() const
{
    return m_showGridLine;
}

QColor CAbstractItemView::GridLineColor() const
{
    return m_gridLineColor.isValid() ? m_gridLineColor : palette().color(QPalette::Mid);
}

void CAbstractItemView::SetGridLineColor(const QColor &color)
{
    m_gridLineColor = color;
    viewport()->update();
}

void CAbstractItemView::drawRow(QPainter *painter, const QStyleOptionViewItem &option,
                                const QModelIndex &index) const
{
    QTreeView::drawRow(painter, option, index);
    if (!m_showGridLine)
        return;
    // Drawn after the cells, so that no cell background covers the lines.
    painter->save();
    painter->setPen(GridLineColor());
    const QRect row = option.rect;
    painter->drawLine(row.left(), row.bottom(), row.right(), row.bottom());
    const QHeaderView *columns = header();
    for (int section = 0; section < columns->count(); ++section) {
        if (columns->isSectionHidden(section))
            continue;
        const int right = columns->sectionViewportPosition(section) + columns->sectionSize(section) - 1;
        painter->drawLine(right, row.top(), right, row.bottom());
    }
    painter->restore();
}

} // namespace MirelGUIToolkit
