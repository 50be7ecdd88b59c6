#ifndef CABSTRACTITEMVIEWDELEGATE_H
#define CABSTRACTITEMVIEWDELEGATE_H

// Base of the toolkit's item painters. Besides what QStyledItemDelegate
// draws, a cell can carry a pixmap under a data role of the delegate's
// choosing (pixmapRole()); it is drawn as the cell's decoration, on the side
// of the cell that pixmapAlignment() names, with the text beside it. The data
// may be a QPixmap, QImage, QIcon or the path of an image file or resource.
//
// With the defaults (role Qt::DecorationRole, left) the delegate paints like
// QStyledItemDelegate.

#include <QPointer>
#include <QStyledItemDelegate>

namespace MirelGUIToolkit {

class CAbstractItemView;

class CAbstractItemViewDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit CAbstractItemViewDelegate(CAbstractItemView *view, QObject *parent = nullptr);
    ~CAbstractItemViewDelegate() override;

    // The view the delegate paints for; null once the view is gone.
    CAbstractItemView *view() const;

    // Side of the cell for the pixmap: Qt::AlignLeft (the default),
    // Qt::AlignRight, Qt::AlignTop or Qt::AlignBottom.
    virtual Qt::Alignment pixmapAlignment() const;
    // Data role that holds the cell's pixmap.
    virtual int pixmapRole() const;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    QPointer<CAbstractItemView> m_view;
};

} // namespace MirelGUIToolkit

#endif // CABSTRACTITEMVIEWDELEGATE_H
