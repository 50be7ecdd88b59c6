#ifndef CDLGABOUT_H
#define CDLGABOUT_H

// The about panel as a menu entry: program icon, name and version, a corner
// link and up to two buttons under a line. Derived classes fill it in.

#include <QWidgetAction>

class QFrame;
class QLabel;
class QPushButton;

namespace aptui {

class Widget;

class CDlgAbout : public QWidgetAction
{
    Q_OBJECT

public:
    explicit CDlgAbout(QObject *parent = nullptr);
    ~CDlgAbout() override;

    // The build number of a compile date in the form "Aug  1 2019"
    // (20190801); 0 for a text of another form.
    static unsigned buildNumber(const char *compileDate);
    // The build number of this program's compile date.
    static unsigned buildNumber();

    void setName(const QString &name);
    void setVersion(const QString &version);
    QString versionText() const;
    void setButton1Text(const QString &text);
    void setButton2Text(const QString &text);
    void setCornerButtonText(const QString &text);
    void setCornerButtonVisible(bool visible);
    // The line and both buttons together.
    void setBottomVisible(bool visible);
    // One button: the line above the buttons shows while either button does,
    // the line between them only while both do.
    void setButton1Visible(bool visible);
    void setButton2Visible(bool visible);

    Widget *panel() const;
    QPushButton *cornerButton() const;
    QPushButton *button1() const;
    QPushButton *button2() const;

signals:
    void siganlBtn1Clicked();
    void siganlBtn2Clicked();
    void signalConerBtnClicked();

private:
    Widget *m_panel;
    QPushButton *m_conerBtn;
    QLabel *m_softIcon;
    QLabel *m_labNameValue;
    QLabel *m_labVersionValue;
    QFrame *m_aboutLine1;
    QPushButton *m_aboutbtn1;
    QFrame *m_aboutLine2;
    QPushButton *m_aboutbtn2;
};

} // namespace aptui

#endif // CDLGABOUT_H
