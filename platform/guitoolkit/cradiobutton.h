#ifndef CRADIOBUTTON_H
#define CRADIOBUTTON_H

// The toolkit's radio button of the forms; a QRadioButton that style sheets can
// select by its own class name.

#include <QRadioButton>

namespace MirelGUIToolkit {

class CRadioButton : public QRadioButton
{
    Q_OBJECT

public:
    explicit CRadioButton(QWidget *parent = nullptr);
    explicit CRadioButton(const QString &text, QWidget *parent = nullptr);
    ~CRadioButton() override;
};

} // namespace MirelGUIToolkit

#endif // CRADIOBUTTON_H
