#ifndef PASSWORDSTRENGTHMETER_H
#define PASSWORDSTRENGTHMETER_H

// The three-bar strength meter beside a new-password field: three labels
// showing one bar image each and a label with the level text. The meter's
// text doubles as the acceptance flag of the password (empty = not
// acceptable), so the strict display, which lights only the top level, makes
// the caller's acceptance check refuse everything below it.
//
// What a level shows is a plain value (display()), so that it can be checked
// without widgets; the meter object only puts it on its labels.

#include <QCoreApplication>
#include <QString>

class QLabel;

namespace TarnTool {

class PasswordStrengthMeter
{
    Q_DECLARE_TR_FUNCTIONS(TarnTool::PasswordStrengthMeter)

public:
    enum class Mode {
        Standard,  // levels 1 to 4 light the meter
        Strict     // only level 4 lights it
    };

    // Images of bars 1 to 3 and the level text.
    struct Display
    {
        QString bar1;
        QString bar2;
        QString bar3;
        QString text;

        bool operator==(const Display &other) const
        {
            return bar1 == other.bar1 && bar2 == other.bar2 && bar3 == other.bar3
                   && text == other.text;
        }
    };

    static QString greyBar();
    static QString redBar();
    static QString yellowBar();
    static QString greenBar();

    // What the meter shows for a level 0..4.
    static Display display(int level, Mode mode);

    // The labels are not owned; they must outlive the meter. A null label is
    // skipped.
    PasswordStrengthMeter(QLabel *bar1, QLabel *bar2, QLabel *bar3, QLabel *levelText);

    // Rates the password against the user name (both converted to Latin-1),
    // shows the result and returns the level.
    int update(const QString &userName, const QString &password, Mode mode = Mode::Standard);

    // Three grey bars and no text.
    void reset();
    void show(const Display &shown);

    // The image path a bar label was last given; a pixmap does not remember
    // where it came from.
    static QString barImage(const QLabel *bar);

private:
    QLabel *m_bar1;
    QLabel *m_bar2;
    QLabel *m_bar3;
    QLabel *m_levelText;
};

} // namespace TarnTool

#endif // PASSWORDSTRENGTHMETER_H
