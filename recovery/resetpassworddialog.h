#ifndef RESETPASSWORDDIALOG_H
#define RESETPASSWORDDIALOG_H

// Resets the forgotten password of one device, by one of up to four proofs
// the device accepts: a key exchanged with the manufacturer (key request
// file or QR code out, typed key or key file in), the GUID file exported at
// set-up, the answers to the security questions set on the device, or a
// verification code sent to the device's reserved e-mail address. Every
// method ends in one reset request to the device; a successful reset closes
// the dialog, a failed one leaves the input for another attempt. All device
// calls are synchronous on the GUI thread.

#include "basedialog.h"
#include "messagekind.h"
#include "tarnrecoveryrecords.h"

#include <QMap>
#include <QString>

#include <memory>

class QEvent;
class QFrame;
class QLabel;
class QObject;
class QPushButton;
class QStackedWidget;
class QtQrEncode;

namespace aptui {
class FilePathButton;
class MultiStateLineEdit;
} // namespace aptui

namespace MirelGUIToolkit {
class CCheckBox;
class CComboBox;
class CRadioButton;
} // namespace MirelGUIToolkit

namespace TarnTool {

class EmailSecurityTipDialog;
class PasswordStrengthMeter;
class ResetRequestBuilder;

class ResetPasswordDialog : public aptui::BaseDialog
{
    Q_OBJECT

public:
    // Item data of m_cmbSecurityMode; also the index of the stacked page.
    enum SecurityMode { KeyMode = 0, GuidMode = 1, QuestionMode = 2, EmailMode = 3 };
    Q_ENUM(SecurityMode)

    enum QuestionState { QuestionsUnavailable = 0, QuestionsNotSet = 1, QuestionsSet = 2 };
    Q_ENUM(QuestionState)

    ResetPasswordDialog(QWidget *parent, const QString &strDeviceKey, bool bQrAndManualKey,
                        bool bChannelReset, bool bGuid, bool bQuestions, bool bRecoveryBit1,
                        bool bReservedEmail, int iEmailTipMode, int iUserKind,
                        const QString &strUserName);
    ~ResetPasswordDialog() override;

    bool isAdminAccount() const { return m_isAdminAccount; }
    QuestionState questionState() const { return m_questionState; }
    QString emailQrText() const { return m_emailQrText; }

    // Shared by every reset dialog while the program runs; empty at start.
    static QString lastKeyExportDirectory();
    static QString lastKeyImportPath();
    static QString lastGuidImportPath();
    // Forgets the three locations (a fresh start, for tests).
    static void clearRememberedLocations();

    bool eventFilter(QObject *watched, QEvent *event) override;

public slots:
    void onMaualAutoChanged();
    void onExportFile();
    void onGenerateQRcode();
    void onImportFile();
    void onImportGuidFile();
    void onClearFilePathError();
    void onClearGUIDFilePathError();
    void onResetPassword();
    void OnSecurityModeChanged(int index);
    void onNewPasswordTextChanged(const QString &strText);
    void onNewPasswordTextChangedPasswordFrame(const QString &strText);
    void onQuestionResetPasswordTextChanged(const QString &strText);
    void onEmailResetPasswordTextChanged(const QString &strText);
    void exportEmailQR();
    void exportEmailQRCodeFile();

private:
    void buildForm();
    QWidget *buildKeyPage();
    QWidget *buildGuidPage();
    QWidget *buildQuestionPage();
    QWidget *buildEmailPage();
    void connectForm();

    void resetKeyPage();
    void resetGuidPasswordPart();
    void enterGuidMode();
    void enterQuestionMode();
    void enterEmailMode();
    void readQuestionList();

    void resetByKey();
    void resetByGuid();
    void resetByQuestions();
    void resetByEmail();
    // Sends the request and reports the result; closes the dialog on success.
    void sendResetRequest(const ResetRequestBuilder &builder);

    // The password checks of one page; the fields are marked only when the
    // hint labels are given. False after showing the failing rule's message.
    bool checkPasswords(aptui::MultiStateLineEdit *newPassword, aptui::MultiStateLineEdit *confirm,
                        QLabel *levelText, QLabel *newHint, QLabel *confirmHint,
                        bool requireAllowedText);
    void updateMeter(PasswordStrengthMeter &meter, const QString &strPassword);

    void message(MessageKind kind, const QString &text, aptui::MultiStateLineEdit *field = nullptr,
                 QLabel *hint = nullptr);
    void longMessage(MessageKind kind, const QString &text,
                     aptui::MultiStateLineEdit *field = nullptr, QLabel *hint = nullptr);
    static void clearMark(aptui::MultiStateLineEdit *field, QLabel *hint);
    int currentMode() const;

    // Inputs.
    QString m_deviceKey;
    bool m_qrAndManualKey = false;
    bool m_channelReset = false;
    bool m_guid = false;
    bool m_questions = false;
    bool m_recoveryBit1 = false;
    bool m_reservedEmail = false;
    int m_emailTipMode = 0;
    int m_userKind = 0;
    QString m_userName;
    bool m_isAdminAccount = true;

    QtQrEncode *keyQrEncoder = nullptr;
    QtQrEncode *emailQrEncoder = nullptr;

    TarnQuestionList questionList;
    QuestionState m_questionState = QuestionsUnavailable;
    bool m_questionListToRead = true;
    QMap<int, QString> questionTextMap;
    QString m_emailQrText;
    EmailSecurityTipDialog *emailTip = nullptr;

    std::unique_ptr<PasswordStrengthMeter> m_keyMeter;
    std::unique_ptr<PasswordStrengthMeter> m_guidMeter;
    std::unique_ptr<PasswordStrengthMeter> m_questionMeter;
    std::unique_ptr<PasswordStrengthMeter> m_emailMeter;

    // Form.
    QLabel *label_4 = nullptr;
    MirelGUIToolkit::CComboBox *m_cmbSecurityMode = nullptr;
    QStackedWidget *stackedWidget = nullptr;

    // Key page.
    QFrame *m_frameExport = nullptr;
    QLabel *m_labelPic1 = nullptr;
    QLabel *m_labelPic2 = nullptr;
    QLabel *m_labelStep1 = nullptr;
    QPushButton *m_btnExport = nullptr;
    QPushButton *m_btnQRcode = nullptr;
    QLabel *m_labelStep2 = nullptr;
    MirelGUIToolkit::CRadioButton *m_radioBtnManualInput = nullptr;
    MirelGUIToolkit::CRadioButton *m_radioBtnAutoInput = nullptr;
    aptui::MultiStateLineEdit *m_lineEditFilePath = nullptr;
    aptui::FilePathButton *m_btnFilePath = nullptr;
    QLabel *m_labelHintFilePath = nullptr;
    aptui::MultiStateLineEdit *m_lineEditNewPassword = nullptr;
    aptui::MultiStateLineEdit *m_lineEditConfirmPassword = nullptr;
    QLabel *m_labelHintNewPassword = nullptr;
    QLabel *m_labelHintConfirmPassword = nullptr;
    QLabel *m_labelLevel1 = nullptr;
    QLabel *m_labelLevel2 = nullptr;
    QLabel *m_labelLevel3 = nullptr;
    QLabel *m_labelLevel = nullptr;
    QLabel *keyUSLabel = nullptr;
    QLabel *keyUsernameLabel = nullptr;
    MirelGUIToolkit::CCheckBox *m_checkBoxIPC = nullptr;
    QLabel *m_labelQcCode = nullptr;

    // GUID page.
    QFrame *m_pFrameGUID = nullptr;
    QLabel *label_10 = nullptr;
    aptui::MultiStateLineEdit *m_lineEditGuidFilePath = nullptr;
    aptui::FilePathButton *m_btnGuidFilePath = nullptr;
    QLabel *m_labelHintAnswerGuidFilePath = nullptr;
    QFrame *m_pFrameResetPassword = nullptr;
    aptui::MultiStateLineEdit *m_lineEditNewPassword2 = nullptr;
    aptui::MultiStateLineEdit *m_lineEditConfirmPassword2 = nullptr;
    QLabel *m_labelHintNewPassword2 = nullptr;
    QLabel *m_labelHintConfirmPassword2 = nullptr;
    QLabel *m_labelLevel4 = nullptr;
    QLabel *m_labelLevel5 = nullptr;
    QLabel *m_labelLevel6 = nullptr;
    QLabel *m_labelLevel_2 = nullptr;
    QLabel *guidUSLabel = nullptr;
    QLabel *guidUsernameLabel = nullptr;
    MirelGUIToolkit::CCheckBox *m_pSynchronizeCheckBox = nullptr;

    // Question page.
    QFrame *m_pFrameSecurityQuestion = nullptr;
    MirelGUIToolkit::CComboBox *m_cmbQuestion[3] = {};
    aptui::MultiStateLineEdit *m_lineEditAnswer[3] = {};
    QLabel *m_labelHintAnswer[3] = {};
    aptui::MultiStateLineEdit *questionPwdEdit = nullptr;
    aptui::MultiStateLineEdit *questionConfirmPasswordEdit = nullptr;
    QLabel *m_labelLevel4_question = nullptr;
    QLabel *m_labelLevel5_question = nullptr;
    QLabel *m_labelLevel6_question = nullptr;
    QLabel *m_labelLevel_question = nullptr;
    QLabel *qusetionUSLabel = nullptr;
    QLabel *questionUsernameLabel = nullptr;
    MirelGUIToolkit::CCheckBox *m_pSynchronizeCheckBox_2 = nullptr;

    // E-mail page.
    QStackedWidget *emailStackWidget = nullptr;
    QLabel *companyEmailLabel = nullptr;
    QLabel *reservedEmailLabel = nullptr;
    aptui::MultiStateLineEdit *emailCodeEdit = nullptr;
    QFrame *emailUsernmaeFrame = nullptr;
    QLabel *emailUsernameLabel = nullptr;
    aptui::MultiStateLineEdit *emailNewPwdEdit = nullptr;
    aptui::MultiStateLineEdit *emailConfirmPwdEdit = nullptr;
    QLabel *m_labelLevelEmail1 = nullptr;
    QLabel *m_labelLevelEmail2 = nullptr;
    QLabel *m_labelLevelEmail3 = nullptr;
    QLabel *m_labelLevelEmail = nullptr;
    MirelGUIToolkit::CCheckBox *emailIsSetIPCCheckBox = nullptr;
    QLabel *qrPicLabel = nullptr;
    QPushButton *m_btnSaveEmailQrcode = nullptr;
    QPushButton *exportEmailCodeBtn = nullptr;
    QLabel *noSetEmailLabel = nullptr;
};

} // namespace TarnTool

#endif // RESETPASSWORDDIALOG_H
