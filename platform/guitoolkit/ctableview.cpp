#include "ctableview.h"

#include "cheaderview.h"

namespace MirelGUIToolkit {

CTableView::CTableView(QWidget *parent)
    : CAbstractItemView(parent)
{
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setIndentation(0);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    auto *columns = new CHeaderView(Qt::Horizontal, this);
    // What QTreeView's own header does.
    columns->setSectionsMovable(true);
    columns->setStretchLastSection(true);
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setHeader(columns);
}

CTableView::~CTableView() = default;

} // namespace MirelGUIToolkit
