#ifndef CMENU_H
#define CMENU_H

// The toolkit's pop-up menu, the base of the program's system menu; a QMenu
// that style sheets can select by its own class name.

#include <QMenu>

namespace MirelGUIToolkit {

class CMenu : public QMenu
{
    Q_OBJECT

public:
    explicit CMenu(QWidget *parent = nullptr);
    explicit CMenu(const QString &title, QWidget *parent = nullptr);
    ~CMenu() override;
};

} // namespace MirelGUIToolkit

#endif // CMENU_H
