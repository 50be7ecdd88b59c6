#ifndef PINBUTTON_H
#define PINBUTTON_H

// The narrow button that folds a side panel (its buddy) away and back. Its
// arrow points left while the panel shows and right while it is folded.

#include <QPointer>
#include <QPushButton>

namespace aptui {

class PinButton : public QPushButton
{
    Q_OBJECT

public:
    explicit PinButton(QWidget *parent = nullptr);
    ~PinButton() override;

    // The widget the button shows and hides; null for none.
    void setBuddy(QWidget *buddy);
    QWidget *buddy() const;

    static QString leftStyleSheet();
    static QString rightStyleSheet();

signals:
    // After the click has shown or hidden the buddy.
    void pinButtonClicked();

private slots:
    void buddyState();

private:
    QPointer<QWidget> m_buddy;
};

} // namespace aptui

#endif // PINBUTTON_H
