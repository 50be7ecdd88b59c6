#ifndef GUIDANDQUSTIONDIALOG_H
#define GUIDANDQUSTIONDIALOG_H

// Prepares the password recovery of freshly activated devices while their
// administrator password is still known: exports each device's GUID into a
// file, sets three security questions with answers, or sets the reserved
// e-mail address, as offered by the caller. Every task runs for every device
// of the list; the GUID and e-mail outcomes are written into the devices'
// states, which the caller reads back after exec() for the batch result
// page. The dialog closes itself once the offered tasks are done.

#include "basedialog.h"
#include "deviceinfo.h"
#include "messagekind.h"
#include "recoverysetuprules.h"

#include <QString>
#include <QVector>

class QEvent;
class QFrame;
class QLabel;
class QLineEdit;
class QObject;
class QStackedWidget;
class QToolButton;

namespace aptui {
class MultiStateLineEdit;
} // namespace aptui

namespace MirelGUIToolkit {
class CComboBox;
} // namespace MirelGUIToolkit

namespace TarnTool {

class GuidAndQustionDialog : public aptui::BaseDialog
{
    Q_OBJECT

public:
    // Item data of m_cmbSecurityMode; also the number of the stacked page.
    enum SetupTask { GuidTask = 0, QuestionTask = 1, EmailTask = 2 };
    Q_ENUM(SetupTask)

    GuidAndQustionDialog(QWidget *parent, bool bGuid, bool bQuestions, bool bEmail);
    ~GuidAndQustionDialog() override;

    void setDeviceList(const QVector<DeviceInfo> &vecDeviceInfo);
    QVector<DeviceInfo> deviceList() const { return m_deviceList; }
    void setAdminPassword(const QString &strPassword);

    // Whether the last question or e-mail task succeeded (for the last device).
    bool questionsDone() const { return m_questionsDone; }
    bool emailDone() const { return m_emailDone; }

    // Shared by every set-up dialog while the program runs; empty at start.
    static QString lastGuidExportDirectory();
    static void clearLastGuidExportDirectory();

    bool eventFilter(QObject *watched, QEvent *event) override;

public slots:
    void OnSecurityModeChanged(int index);
    void onSelectionFilePath();
    void onOkClicked();

private:
    void buildForm();
    QWidget *buildGuidPage();
    QWidget *buildQuestionPage();
    QWidget *buildEmailPage();

    void exportGuid();
    void setSecurityQuestions();
    void setReservedEmail();

    void message(MessageKind kind, const QString &text,
                 aptui::MultiStateLineEdit *field = nullptr, QLabel *hint = nullptr);

    RecoverySetupRules::Offer m_offer;
    QVector<DeviceInfo> m_deviceList;
    QString m_adminPassword;
    bool m_questionsDone = false;
    bool m_emailDone = false;

    // Form; null when no task is offered.
    QLabel *label_10 = nullptr;
    MirelGUIToolkit::CComboBox *m_cmbSecurityMode = nullptr;
    QStackedWidget *stackedWidget = nullptr;
    QFrame *m_frameGUID = nullptr;
    QLabel *label_7 = nullptr;
    aptui::MultiStateLineEdit *m_lineEditFilePath = nullptr;
    QToolButton *m_btnFilePath = nullptr;
    QLabel *m_labelHintGuidFile = nullptr;
    QFrame *m_frameSecurityQuestion = nullptr;
    MirelGUIToolkit::CComboBox *m_cmbQuestion[3] = {};
    aptui::MultiStateLineEdit *m_lineEditAnswer[3] = {};
    QLabel *m_labelHintAnswer[3] = {};
    QLabel *label_8 = nullptr;
    QLineEdit *emailEdit = nullptr;
    QLabel *emailLabel = nullptr;
};

} // namespace TarnTool

#endif // GUIDANDQUSTIONDIALOG_H
