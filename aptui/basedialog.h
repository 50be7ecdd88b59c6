#ifndef BASEDIALOG_H
#define BASEDIALOG_H

// The frame of nearly every dialog: a frameless dialog with the program's
// title bar on top, a content area that a page fills with its own form
// (setContentWidget), and a bottom bar with Confirm and Cancel.
//
// By default the title's minimise, maximise and close buttons act on the
// dialog, Confirm accepts and Cancel closes it; setEnableDefaultConnections
// turns each of these off or on again. Every button is also reported by a
// signal.

#include <QDialog>
#include <QMetaObject>
#include <QPointer>
#include <QSize>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace aptui {

class BaseTitle;

class BaseDialog : public QDialog
{
    Q_OBJECT

public:
    explicit BaseDialog(bool showApp = true, bool showOption = true, bool showMin = true,
                        bool showMax = true, bool showClose = true, bool showConfirm = true,
                        bool showCancel = true, QWidget *parent = nullptr);
    ~BaseDialog() override;

    // Replaces the content area's items (the default text label included; the
    // default-text slots do nothing afterwards) by form.
    void setContentWidget(QWidget *form);

    // Fixes the dialog to width × height and the content area to what the
    // title and the bottom bar leave of it. Hiding, showing or resizing the
    // bottom bar later gives the content area the difference.
    void setDialogFixedSize(int width, int height);
    void setDialogFixedSize(const QSize &size);

    void setEnableConfirm(bool enable);

    QPushButton *confirmButton() const;
    QPushButton *cancelButton() const;
    BaseTitle *titleBar() const;
    // Room in the bottom bar, left of Confirm and Cancel, for extra buttons.
    QHBoxLayout *customButtonLayout() const;

signals:
    void signalAppButtonClicked();
    void signalOptionButtonClicked();
    void signalMinButtonClicked();
    void signalMaxButtonClicked();
    void signalCloseButtonClicked();
    void signalConfirmButtonClicked();
    void signalCancelButtonClicked();

public slots:
    void setEnableDefaultConnections(bool enableMin, bool enableMax, bool enableClose,
                                     bool enableConfirm, bool enableCancel);
    void setTitle(const QString &title);
    void setDefaultText(const QString &text, int fontSize, bool blod);
    void setDefaultText(const QString &text, int fontSize);
    void setDefaultText(const QString &text);
    void setConfirmButtonText(const QString &text);
    void setCancelButtonText(const QString &text);
    void setBottomBarHeight(int height);
    void setBottomVisible(bool value);
    void onConfirmBtnClicked();
    void onCancelBtnClicked();

private slots:
    void restoreWindow();

private:
    void buildForm();
    void connectDefaultActions(bool enableMin, bool enableMax, bool enableClose);
    void fitContentArea();

    // Form, in layout order.
    QVBoxLayout *m_verticalLayout3 = nullptr;
    QHBoxLayout *m_titleLayout = nullptr;
    QWidget *m_mainBorder = nullptr;
    QVBoxLayout *m_verticalLayout2 = nullptr;
    QVBoxLayout *m_borderLayout = nullptr;
    QPointer<QLabel> m_labelNULL;
    QWidget *m_bottom = nullptr;
    QHBoxLayout *m_horizontalLayout = nullptr;
    QHBoxLayout *m_layoutMyBtns = nullptr;
    QHBoxLayout *m_btnLayout = nullptr;
    QPushButton *m_btnConfirm = nullptr;
    QPushButton *m_btnCancel = nullptr;

    BaseTitle *m_title = nullptr;

    bool m_enableMin = true;
    bool m_enableMax = true;
    bool m_enableClose = true;
    bool m_enableConfirm = true;
    bool m_enableCancel = true;

    // Kept so that enabling an action twice never connects it twice.
    QMetaObject::Connection m_minConnection;
    QMetaObject::Connection m_maxConnection;
    QMetaObject::Connection m_closeConnection;

    // Invalid until setDialogFixedSize.
    QSize m_fixedDialogSize;
};

} // namespace aptui

#endif // BASEDIALOG_H
