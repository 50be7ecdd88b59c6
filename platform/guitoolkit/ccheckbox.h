#ifndef CCHECKBOX_H
#define CCHECKBOX_H

// The toolkit's check box of the forms; a QCheckBox that style sheets can
// select by its own class name.

#include <QCheckBox>

namespace MirelGUIToolkit {

class CCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    explicit CCheckBox(QWidget *parent = nullptr);
    explicit CCheckBox(const QString &text, QWidget *parent = nullptr);
    ~CCheckBox() override;
};

} // namespace MirelGUIToolkit

#endif // CCHECKBOX_H
