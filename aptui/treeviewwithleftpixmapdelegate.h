#ifndef TREEVIEWWITHLEFTPIXMAPDELEGATE_H
#define TREEVIEWWITHLEFTPIXMAPDELEGATE_H

// Item painter of the device and result tables. Selected rows are painted
// with the hover look instead of the selection highlight, and a cell's pixmap
// is taken from data role LeftPixmapRole and drawn at the cell's left.

#include "ctabledelegate.h"

namespace aptui {

class TreeViewWithLeftPixmapDelegate : public MirelGUIToolkit::CTableDelegate
{
    Q_OBJECT

public:
    // The data role of the pixmap at the left of a cell.
    static constexpr int LeftPixmapRole = 8192;

    explicit TreeViewWithLeftPixmapDelegate(MirelGUIToolkit::CAbstractItemView *view,
                                            QObject *parent = nullptr);
    ~TreeViewWithLeftPixmapDelegate() override;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

    Qt::Alignment pixmapAlignment() const override;
    int pixmapRole() const override;
};

} // namespace aptui

#endif // TREEVIEWWITHLEFTPIXMAPDELEGATE_H
