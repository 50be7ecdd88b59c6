#ifndef WARNINGDIALOG_H
#define WARNINGDIALOG_H

// The small message box: a frameless rounded panel with the icon of the
// message kind and the text. It closes itself 2000 ms after it was built, or
// at once on its close button. Pages do not build it themselves; they call
// showMessage() or showLongMessage() (messagebox.h).

#include "messagekind.h"

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QTimer;
class QWidget;

namespace TarnTool {

class WarningDialog : public QDialog
{
    Q_OBJECT

public:
    WarningDialog(QWidget *parent, MessageKind kind, const QString &text);
    ~WarningDialog() override;

    // Resource path of the icon of a kind's box; empty for an unknown kind.
    static QString iconPath(MessageKind kind);

signals:
    void signalWarnClose();

public slots:
    void onBtnClose();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildForm();
    void onCloseTimeout();

    QWidget *m_parentWidget;
    QWidget *m_borderWidget = nullptr;
    QPushButton *m_btnClose = nullptr;
    QLabel *m_labelWarnPicture = nullptr;
    QLabel *m_labelWarnText = nullptr;
    QTimer *m_closeTimer = nullptr;
    // The time ran out before the box was shown: it closes as soon as it is.
    bool m_expired = false;
};

} // namespace TarnTool

#endif // WARNINGDIALOG_H
