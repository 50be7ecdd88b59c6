#ifndef CABSTRACTITEMVIEW_H
#define CABSTRACTITEMVIEW_H

// Base of the toolkit's item views: a tree view that can draw grid lines
// between its cells (on by default). The line colour is a property, so that
// style sheets set it with qproperty-gridLineColor.

#include <QColor>
#include <QTreeView>

namespace MirelGUIToolkit {

class CAbstractItemView : public QTreeView
{
    Q_OBJECT
    Q_PROPERTY(QColor gridLineColor READ GridLineColor WRITE SetGridLineColor DESIGNABLE true)

public:
    explicit CAbstractItemView(QWidget *parent = nullptr);
    ~CAbstractItemView() override;

    void ShowGridLine(bool show);
    bool IsGridLineShown() const;

    QColor GridLineColor() const;
    void SetGridLineColor(const QColor &color);

protected:
    void drawRow(QPainter *painter, const QStyleOptionViewItem &option,
                 const QModelIndex &index) const override;

private:
    bool m_showGridLine = true;
    QColor m_gridLineColor;
};

} // namespace MirelGUIToolkit

#endif // CABSTRACTITEMVIEW_H
