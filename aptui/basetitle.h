#ifndef BASETITLE_H
#define BASETITLE_H

// The title bar of the program's dialogs: application button, title text,
// room for extra buttons, and the option, minimise, maximise and close
// buttons. It only reports clicks; the dialog decides what they do. Dragging
// it moves the dialog (CFancyTitle).

#include "cfancytitle.h"

#include <QIcon>

class QAbstractButton;
class QHBoxLayout;
class QLabel;
class QToolButton;

namespace aptui {

class BaseTitle : public MirelGUIToolkit::CFancyTitle
{
    Q_OBJECT

public:
    explicit BaseTitle(bool showApp = true, bool showOption = true, bool showMin = true,
                       bool showMax = true, bool showClose = true, QWidget *parent = nullptr);
    ~BaseTitle() override;

    QString title() const;

signals:
    void signalAppButtonClicked();
    void signalOptionButtonClicked();
    void signalMinButtonClicked();
    void signalMaxButtonClicked();
    void signalCloseButtonClicked();

public slots:
    void setAppButtonShow(bool showIt);
    void setOptionButtonShow(bool showIt);
    void setMinButtonShow(bool showIt);
    void setMaxButtonShow(bool showIt);
    void setCloseButtonShow(bool showIt);
    // The title bar takes the button over.
    void addCustomButton(QAbstractButton *btn);
    void setTitle(const QString &title);
    void setTitleIcon(const QIcon &icon);

private:
    QToolButton *makeButton(const char *name, void (BaseTitle::*clickedSignal)());

    QHBoxLayout *m_horizontalLayout3;
    QToolButton *m_btnApp;
    QLabel *m_labelTitle;
    QHBoxLayout *m_hlayoutCustomButtons;
    QHBoxLayout *m_horizontalLayout;
    QToolButton *m_btnOption;
    QToolButton *m_btnMin;
    QToolButton *m_btnMax;
    QToolButton *m_btnClose;
};

} // namespace aptui

#endif // BASETITLE_H
