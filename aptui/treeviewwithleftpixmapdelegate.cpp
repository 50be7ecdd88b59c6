#include "treeviewwithleftpixmapdelegate.h"

namespace aptui {

TreeViewWithLeftPixmapDelegate::TreeViewWithLeftPixmapDelegate(
    MirelGUIToolkit::CAbstractItemView *view, QObject *parent)
    : CTableDelegate(view, parent)
{
}

TreeViewWithLeftPixmapDelegate::~TreeViewWithLeftPixmapDelegate() = default;

void TreeViewWithLeftPixmapDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                           const QModelIndex &index) const
{
    if (!(option.state & QStyle::State_Selected)) {
        CTableDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem hovered(option);
    hovered.state &= ~QStyle::State_Selected;
    hovered.state |= QStyle::State_MouseOver;
    CTableDelegate::paint(painter, hovered, index);
}

Qt::Alignment TreeViewWithLeftPixmapDelegate::pixmapAlignment() const
{
    return Qt::AlignLeft;
}

int TreeViewWithLeftPixmapDelegate::pixmapRole() const
{
    return LeftPixmapRole;
}

} // namespace aptui
