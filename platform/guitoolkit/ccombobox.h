#ifndef CCOMBOBOX_H
#define CCOMBOBOX_H

// The toolkit's combo box of the forms: a QComboBox whose items carry a tool
// tip and a value of their own.

#include <QComboBox>

namespace MirelGUIToolkit {

class CComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit CComboBox(QWidget *parent = nullptr);
    ~CComboBox() override;

    // Appends an item showing text, with toolTip as its tool tip (none when
    // empty) and value as its user data (itemData(i), currentData()).
    void AddItem(const QString &text, const QString &toolTip, const QVariant &value = QVariant());
};

} // namespace MirelGUIToolkit

#endif // CCOMBOBOX_H
