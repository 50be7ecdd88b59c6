#ifndef TIPDIALOG_H
#define TIPDIALOG_H

// The yes/no question dialog: a base dialog with only the title bar's close
// button, one centred text, and Confirm (accepts) and Cancel (rejects). The
// title bar's close button and Escape reject it too.

#include "basedialog.h"

#include <QString>

class QLabel;
class QWidget;

namespace TarnTool {

class TipDialog : public aptui::BaseDialog
{
    Q_OBJECT

public:
    explicit TipDialog(QWidget *parent = nullptr);
    ~TipDialog() override;

    QString text() const;

public slots:
    void setText(const QString &text);

private:
    QWidget *buildForm();

    QLabel *m_labelTip = nullptr;
};

} // namespace TarnTool

#endif // TIPDIALOG_H
