#ifndef EMAILSECURITYTIPDIALOG_H
#define EMAILSECURITYTIPDIALOG_H

// The privacy notice shown before the reset by reserved e-mail: the reset
// sends the user's data to the manufacturer, so the user reads where the
// privacy policy is and either goes on ("NEXT", accepted) or declines
// ("CLOSE", rejected). A frameless dialog without a title bar; the address
// is a translatable text so that each language links to its own page.

#include <QDialog>

class QEvent;
class QLabel;
class QObject;
class QPushButton;

namespace TarnTool {

class EmailSecurityTipDialog : public QDialog
{
    Q_OBJECT

public:
    explicit EmailSecurityTipDialog(QWidget *parent = nullptr);
    ~EmailSecurityTipDialog() override;

    bool eventFilter(QObject *watched, QEvent *event) override;

public slots:
    void onNextBtnClicked();
    void onCloseBtnClicked();

private:
    void buildForm();

    QLabel *iconLabel = nullptr;
    QLabel *tipLabel = nullptr;
    QLabel *label = nullptr;
    QLabel *urlLabel = nullptr;
    QPushButton *nextBtn = nullptr;
    QPushButton *closeBtn = nullptr;
};

} // namespace TarnTool

#endif // EMAILSECURITYTIPDIALOG_H
