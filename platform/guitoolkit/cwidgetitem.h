#ifndef CWIDGETITEM_H
#define CWIDGETITEM_H

// A layout item for one widget that carries the stretch factor it wants in a
// CHBoxLayout (applied by CHBoxLayout::AddItem).

#include <QWidgetItem>

namespace MirelGUIToolkit {

class CWidgetItem : public QWidgetItem
{
public:
    explicit CWidgetItem(QWidget *widget, int stretch = 0);

    int Stretch() const;

private:
    int m_stretch;
};

} // namespace MirelGUIToolkit

#endif // CWIDGETITEM_H
