#ifndef MULTISTATELINEEDIT_H
#define MULTISTATELINEEDIT_H

// The input field of every form: a line edit with an error look and a tip
// look besides the normal one. The look is chosen by the style sheet through
// the `state` property ("Error", "Tip", "Normal"), e.g.
// aptui--MultiStateLineEdit[state="Error"] { ... }.

#include <QHash>
#include <QLineEdit>
#include <QString>

namespace aptui {

class MultiStateLineEdit : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(QString state READ state WRITE setState DESIGNABLE true)

public:
    enum State { ERROR = 1, TIP = 2, NORMAL = 3 };
    Q_ENUM(State)

    explicit MultiStateLineEdit(QWidget *parent = nullptr);
    ~MultiStateLineEdit() override;

    // "Error", "Tip" or "Normal".
    QString state() const;
    // Case-insensitive: "ERROR"/"1", "TIP"/"2", "NORMAL"/"3"; any other text
    // selects ERROR. Emits stateChanged() even when the state stays.
    void setState(const QString &text);

    State lineEditState() const;

    // The property name of a state ("Error", "Tip", "Normal").
    static QString stateName(State state);

public slots:
    // Sets the state and re-polishes the field so that the style sheet's
    // rules for the new state show at once.
    void setLineEditState(aptui::MultiStateLineEdit::State state);

signals:
    void stateChanged(const QString &state);

private:
    QHash<QString, State> m_stateNames;
    State m_state = NORMAL;
};

} // namespace aptui

#endif // MULTISTATELINEEDIT_H
