#ifndef CHBOXLAYOUT_H
#define CHBOXLAYOUT_H

// A horizontal box layout with the toolkit's call names.

#include <QHBoxLayout>

namespace MirelGUIToolkit {

class CHBoxLayout : public QHBoxLayout
{
    Q_OBJECT

public:
    explicit CHBoxLayout(QWidget *parent = nullptr);
    ~CHBoxLayout() override;

    void SetLayoutContentsMargins(int left, int top, int right, int bottom);
    void SetLayoutSpacing(int spacing);
    void AddWidget(QWidget *widget, int stretch = 0, Qt::Alignment alignment = Qt::Alignment());
    // Takes ownership of the item. The widget of a widget item becomes a
    // child of the layout's widget, and a CWidgetItem gets its stretch.
    void AddItem(QLayoutItem *item);
};

} // namespace MirelGUIToolkit

#endif // CHBOXLAYOUT_H
