#include "resetpassworddialog.h"

#include "ccheckbox.h"
#include "ccombobox.h"
#include "cradiobutton.h"
#include "cregexpvalidator.h"
#include "emailsecuritytipdialog.h"
#include "filedialogprovider.h"
#include "filepathbutton.h"
#include "keyfilecopy.h"
#include "latin1text.h"
#include "messagebox.h"
#include "multistatelineedit.h"
#include "passwordstrengthmeter.h"
#include "qtqrencode.h"
#include "recoveryfilenames.h"
#include "resetpasswordcheck.h"
#include "resetrequestbuilder.h"
#include "resetresulttext.h"
#include "securityquestiontexts.h"
#include "tarnhandler.h"

#include <QButtonGroup>
#include <QDateTime>
#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <cstring>

namespace TarnTool {

using TARN::TarnHandler;

namespace {

constexpr int PasswordMaxLength = 16;
constexpr int PathMaxLength = 128;
constexpr int FieldWidth = 220;
constexpr int KeyQrSize = 108;
constexpr int EmailQrPageSize = 200;
constexpr int EmailQrFileSize = 100;

QString &keyExportDirectory()
{
    static QString directory;
    return directory;
}

QString &keyImportPath()
{
    static QString path;
    return path;
}

QString &guidImportPath()
{
    static QString path;
    return path;
}

QLabel *hintLabel(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFixedSize(24, 24);
    return label;
}

aptui::MultiStateLineEdit *lineEdit(QWidget *parent, const char *name, int maxLength,
                                    bool password)
{
    auto *edit = new aptui::MultiStateLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setMinimumHeight(28);
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    if (password)
        edit->setEchoMode(QLineEdit::Password);
    return edit;
}

QLabel *textLabel(const QString &text, QWidget *parent, const char *name)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QLabel *barLabel(QWidget *parent, const char *name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFixedSize(40, 8);
    label->setScaledContents(true);
    return label;
}

// The three bars and the level text of one meter, in a row.
QHBoxLayout *meterRow(QLabel *bar1, QLabel *bar2, QLabel *bar3, QLabel *text)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(4);
    row->addWidget(bar1);
    row->addWidget(bar2);
    row->addWidget(bar3);
    row->addWidget(text);
    row->addStretch(1);
    return row;
}

bool isClipboardShortcut(QKeyEvent *event)
{
    return event->matches(QKeySequence::Cut) || event->matches(QKeySequence::Copy)
           || event->matches(QKeySequence::Paste);
}

// The bytes of a fixed text area up to the first zero, never beyond it.
QByteArray boundedBytes(const char *data, std::size_t capacity)
{
    const void *zero = std::memchr(data, 0, capacity);
    const std::size_t length = zero ? std::size_t(static_cast<const char *>(zero) - data) : capacity;
    return QByteArray(data, qsizetype(length));
}

} // namespace

// User kinds 1 to 3 are named accounts; anything else is the administrator.
// (The note stays out of the initializer list, where it confuses lupdate.)
ResetPasswordDialog::ResetPasswordDialog(QWidget *parent, const QString &strDeviceKey,
                                         bool bQrAndManualKey, bool bChannelReset, bool bGuid,
                                         bool bQuestions, bool bRecoveryBit1, bool bReservedEmail,
                                         int iEmailTipMode, int iUserKind,
                                         const QString &strUserName)
    : aptui::BaseDialog(true, false, false, false, true, true, true, parent),
      m_deviceKey(strDeviceKey),
      m_qrAndManualKey(bQrAndManualKey),
      m_channelReset(bChannelReset),
      m_guid(bGuid),
      m_questions(bQuestions),
      m_recoveryBit1(bRecoveryBit1),
      m_reservedEmail(bReservedEmail),
      m_emailTipMode(iEmailTipMode),
      m_userKind(iUserKind),
      m_userName(strUserName),
      m_isAdminAccount(!(iUserKind >= 1 && iUserKind <= 3)),
      keyQrEncoder(new QtQrEncode(this)),
      emailQrEncoder(new QtQrEncode(this))
{
    // The base dialog's frameless flags alone would make a dialog with a
    // parent a child widget drawn inside the parent; it must be a window.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    questionList = TarnQuestionList();

    setTitle(tr("Reset Password"));
    setWindowIcon(QIcon(QStringLiteral(":/CommonSkin/TARNTool/Images/TARNTool/SystemInfo/logo_large.png")));
    // Confirm runs the reset, which decides whether the dialog closes.
    setEnableConfirm(false);
    setEnableDefaultConnections(true, true, true, false, true);

    // 1. Form, lengths, event filters, no context menus.
    buildForm();
    setDialogFixedSize(540, 560);
    for (QWidget *field : {static_cast<QWidget *>(m_lineEditFilePath), static_cast<QWidget *>(m_lineEditNewPassword),
                           static_cast<QWidget *>(m_lineEditConfirmPassword), static_cast<QWidget *>(m_lineEditGuidFilePath),
                           static_cast<QWidget *>(m_lineEditNewPassword2),
                           static_cast<QWidget *>(m_lineEditConfirmPassword2), static_cast<QWidget *>(m_lineEditAnswer[0]),
                           static_cast<QWidget *>(m_lineEditAnswer[1]), static_cast<QWidget *>(m_lineEditAnswer[2])})
        field->installEventFilter(this);
    for (QWidget *field : {m_lineEditNewPassword, m_lineEditConfirmPassword, m_lineEditNewPassword2,
                           m_lineEditConfirmPassword2})
        field->setContextMenuPolicy(Qt::NoContextMenu);

    // 2.
    m_btnFilePath->hide();
    connectForm();

    // 3.
    if (!m_qrAndManualKey) {
        m_radioBtnManualInput->hide();
        m_radioBtnAutoInput->setChecked(true);
        m_labelQcCode->clear();
        m_btnQRcode->hide();
    }
    // 4.
    if (!m_channelReset)
        m_checkBoxIPC->hide();

    // 5. Modes; adding the first item selects it.
    questionTextMap = SecurityQuestionTexts::textMap();
    {
        const QSignalBlocker blocker(m_cmbSecurityMode);
        m_cmbSecurityMode->addItem(tr("Key authentication"), int(KeyMode));
        if (m_guid)
            m_cmbSecurityMode->addItem(tr("guid"), int(GuidMode));
        if (m_questions)
            m_cmbSecurityMode->addItem(tr("question"), int(QuestionMode));
        if (m_reservedEmail)
            m_cmbSecurityMode->addItem(tr("email"), int(EmailMode));
        m_cmbSecurityMode->setCurrentIndex(0);
    }
    // 6.
    if (m_cmbSecurityMode->count() == 1)
        m_cmbSecurityMode->setEnabled(false);
    else
        resetGuidPasswordPart();

    // 7.
    OnSecurityModeChanged(0);

    // 8.
    m_keyMeter->reset();
    m_guidMeter->reset();
    m_questionMeter->reset();
    m_emailMeter->reset();

    // 9.
    const bool showUser = !m_isAdminAccount;
    for (QWidget *widget : {static_cast<QWidget *>(keyUSLabel), static_cast<QWidget *>(keyUsernameLabel),
                            static_cast<QWidget *>(guidUSLabel), static_cast<QWidget *>(guidUsernameLabel),
                            static_cast<QWidget *>(qusetionUSLabel), static_cast<QWidget *>(questionUsernameLabel),
                            static_cast<QWidget *>(emailUsernmaeFrame)})
        widget->setVisible(showUser);
    if (showUser) {
        keyUsernameLabel->setText(m_userName);
        guidUsernameLabel->setText(m_userName);
        questionUsernameLabel->setText(m_userName);
        emailUsernameLabel->setText(m_userName);
    }
}

ResetPasswordDialog::~ResetPasswordDialog() = default;

QString ResetPasswordDialog::lastKeyExportDirectory()
{
    return keyExportDirectory();
}

QString ResetPasswordDialog::lastKeyImportPath()
{
    return keyImportPath();
}

QString ResetPasswordDialog::lastGuidImportPath()
{
    return guidImportPath();
}

void ResetPasswordDialog::clearRememberedLocations()
{
    keyExportDirectory().clear();
    keyImportPath().clear();
    guidImportPath().clear();
}

// Form --------------------------------------------------------------------

void ResetPasswordDialog::buildForm()
{
    auto *form = new QWidget(this);
    form->setObjectName(QStringLiteral("ResetPasswordDialog_centerWidget"));
    auto *layout = new QVBoxLayout(form);
    layout->setContentsMargins(30, 16, 30, 10);
    layout->setSpacing(10);

    auto *modeRow = new QHBoxLayout;
    label_4 = textLabel(tr("Security Mode:"), form, "label_4");
    modeRow->addWidget(label_4);
    m_cmbSecurityMode = new MirelGUIToolkit::CComboBox(form);
    m_cmbSecurityMode->setObjectName(QStringLiteral("m_cmbSecurityMode"));
    m_cmbSecurityMode->setFixedWidth(FieldWidth);
    modeRow->addWidget(m_cmbSecurityMode);
    modeRow->addStretch(1);
    layout->addLayout(modeRow);

    stackedWidget = new QStackedWidget(form);
    stackedWidget->setObjectName(QStringLiteral("stackedWidget"));
    stackedWidget->addWidget(buildKeyPage());
    stackedWidget->addWidget(buildGuidPage());
    stackedWidget->addWidget(buildQuestionPage());
    stackedWidget->addWidget(buildEmailPage());
    layout->addWidget(stackedWidget, 1);

    m_keyMeter = std::make_unique<PasswordStrengthMeter>(m_labelLevel1, m_labelLevel2, m_labelLevel3,
                                                         m_labelLevel);
    m_guidMeter = std::make_unique<PasswordStrengthMeter>(m_labelLevel4, m_labelLevel5, m_labelLevel6,
                                                          m_labelLevel_2);
    m_questionMeter = std::make_unique<PasswordStrengthMeter>(
        m_labelLevel4_question, m_labelLevel5_question, m_labelLevel6_question, m_labelLevel_question);
    m_emailMeter = std::make_unique<PasswordStrengthMeter>(m_labelLevelEmail1, m_labelLevelEmail2,
                                                           m_labelLevelEmail3, m_labelLevelEmail);
    setContentWidget(form);
}

QWidget *ResetPasswordDialog::buildKeyPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("page"));
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);

    m_frameExport = new QFrame(page);
    m_frameExport->setObjectName(QStringLiteral("m_frameExport"));
    auto *grid = new QGridLayout(m_frameExport);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(8);
    const QString stepStyle = QStringLiteral("color: white; font-size: 10px; background: #059af8;");

    m_labelPic1 = textLabel(QStringLiteral("1"), m_frameExport, "m_labelPic1");
    m_labelPic1->setStyleSheet(stepStyle);
    m_labelPic1->setAlignment(Qt::AlignCenter);
    m_labelPic1->setFixedSize(16, 16);
    grid->addWidget(m_labelPic1, 0, 0, Qt::AlignTop);
    m_labelStep1 = textLabel(tr("The first step, please use the two-dimensional code or directly export "
                                "the key application documents, contact and send to the software "
                                "manufacturer to obtain the key;"),
                             m_frameExport, "m_labelStep1");
    m_labelStep1->setWordWrap(true);
    grid->addWidget(m_labelStep1, 0, 1, 1, 4);

    auto *buttons = new QHBoxLayout;
    m_btnExport = new QPushButton(tr("Export"), m_frameExport);
    m_btnExport->setObjectName(QStringLiteral("m_btnExport"));
    buttons->addWidget(m_btnExport);
    m_btnQRcode = new QPushButton(tr("QR code"), m_frameExport);
    m_btnQRcode->setObjectName(QStringLiteral("m_btnQRcode"));
    buttons->addWidget(m_btnQRcode);
    buttons->addStretch(1);
    m_labelQcCode = new QLabel(m_frameExport);
    m_labelQcCode->setObjectName(QStringLiteral("m_labelQcCode"));
    m_labelQcCode->setFixedSize(KeyQrSize, KeyQrSize);
    buttons->addWidget(m_labelQcCode);
    grid->addLayout(buttons, 1, 1, 1, 4);

    m_labelPic2 = textLabel(QStringLiteral("2"), m_frameExport, "m_labelPic2");
    m_labelPic2->setStyleSheet(stepStyle);
    m_labelPic2->setAlignment(Qt::AlignCenter);
    m_labelPic2->setFixedSize(16, 16);
    grid->addWidget(m_labelPic2, 2, 0, Qt::AlignTop);
    m_labelStep2 = textLabel(tr("Second step, import the key information from the manufacturer;"),
                             m_frameExport, "m_labelStep2");
    m_labelStep2->setWordWrap(true);
    grid->addWidget(m_labelStep2, 2, 1, 1, 4);

    auto *radios = new QHBoxLayout;
    m_radioBtnManualInput = new MirelGUIToolkit::CRadioButton(tr("ManualInput"), m_frameExport);
    m_radioBtnManualInput->setObjectName(QStringLiteral("m_radioBtnManualInput"));
    m_radioBtnManualInput->setChecked(true);
    radios->addWidget(m_radioBtnManualInput);
    m_radioBtnAutoInput = new MirelGUIToolkit::CRadioButton(tr("AutoInput"), m_frameExport);
    m_radioBtnAutoInput->setObjectName(QStringLiteral("m_radioBtnAutoInput"));
    radios->addWidget(m_radioBtnAutoInput);
    radios->addStretch(1);
    grid->addLayout(radios, 3, 1, 1, 4);

    m_lineEditFilePath = lineEdit(m_frameExport, "m_lineEditFilePath", PathMaxLength, false);
    grid->addWidget(m_lineEditFilePath, 4, 1, 1, 2);
    m_btnFilePath = new aptui::FilePathButton(m_frameExport);
    m_btnFilePath->setObjectName(QStringLiteral("m_btnFilePath"));
    m_btnFilePath->setMinimumSize(28, 28);
    grid->addWidget(m_btnFilePath, 4, 3);
    m_labelHintFilePath = hintLabel(m_frameExport, "m_labelHintFilePath");
    grid->addWidget(m_labelHintFilePath, 4, 4);

    keyUSLabel = textLabel(tr("User Name:"), m_frameExport, "keyUSLabel");
    grid->addWidget(keyUSLabel, 5, 1);
    keyUsernameLabel = textLabel(QString(), m_frameExport, "keyUsernameLabel");
    keyUsernameLabel->setFixedWidth(FieldWidth);
    grid->addWidget(keyUsernameLabel, 5, 2, 1, 2);

    grid->addWidget(textLabel(tr("New Password:"), m_frameExport, "m_labelNewPassword"), 6, 1);
    m_lineEditNewPassword = lineEdit(m_frameExport, "m_lineEditNewPassword", PasswordMaxLength, true);
    m_lineEditNewPassword->setFixedWidth(FieldWidth);
    grid->addWidget(m_lineEditNewPassword, 6, 2, 1, 2);
    m_labelHintNewPassword = hintLabel(m_frameExport, "m_labelHintNewPassword");
    grid->addWidget(m_labelHintNewPassword, 6, 4);

    m_labelLevel1 = barLabel(m_frameExport, "m_labelLevel1");
    m_labelLevel2 = barLabel(m_frameExport, "m_labelLevel2");
    m_labelLevel3 = barLabel(m_frameExport, "m_labelLevel3");
    m_labelLevel = textLabel(QString(), m_frameExport, "m_labelLevel");
    grid->addLayout(meterRow(m_labelLevel1, m_labelLevel2, m_labelLevel3, m_labelLevel), 7, 2, 1, 2);

    grid->addWidget(textLabel(tr("Confirm Password:"), m_frameExport, "m_labelConfirmPassword"), 8, 1);
    m_lineEditConfirmPassword =
        lineEdit(m_frameExport, "m_lineEditConfirmPassword", PasswordMaxLength, true);
    m_lineEditConfirmPassword->setFixedWidth(FieldWidth);
    grid->addWidget(m_lineEditConfirmPassword, 8, 2, 1, 2);
    m_labelHintConfirmPassword = hintLabel(m_frameExport, "m_labelHintConfirmPassword");
    grid->addWidget(m_labelHintConfirmPassword, 8, 4);

    m_checkBoxIPC = new MirelGUIToolkit::CCheckBox(tr("Reset IPC"), m_frameExport);
    m_checkBoxIPC->setObjectName(QStringLiteral("m_checkBoxIPC"));
    grid->addWidget(m_checkBoxIPC, 9, 2, 1, 2);
    grid->setColumnStretch(2, 1);

    pageLayout->addWidget(m_frameExport);
    pageLayout->addStretch(1);
    return page;
}

QWidget *ResetPasswordDialog::buildGuidPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("page_2"));
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);

    m_pFrameGUID = new QFrame(page);
    m_pFrameGUID->setObjectName(QStringLiteral("m_pFrameGUID"));
    auto *fileRow = new QGridLayout(m_pFrameGUID);
    fileRow->setContentsMargins(0, 10, 0, 0);
    label_10 = textLabel(tr("Import GUID File:"), m_pFrameGUID, "label_10");
    fileRow->addWidget(label_10, 0, 0);
    m_lineEditGuidFilePath = lineEdit(m_pFrameGUID, "m_lineEditGuidFilePath", PathMaxLength, false);
    fileRow->addWidget(m_lineEditGuidFilePath, 0, 1);
    m_btnGuidFilePath = new aptui::FilePathButton(m_pFrameGUID);
    m_btnGuidFilePath->setObjectName(QStringLiteral("m_btnGuidFilePath"));
    m_btnGuidFilePath->setMinimumSize(28, 28);
    fileRow->addWidget(m_btnGuidFilePath, 0, 2);
    m_labelHintAnswerGuidFilePath = hintLabel(m_pFrameGUID, "m_labelHintAnswerGuidFilePath");
    fileRow->addWidget(m_labelHintAnswerGuidFilePath, 0, 3);
    fileRow->setColumnStretch(1, 1);
    pageLayout->addWidget(m_pFrameGUID);

    m_pFrameResetPassword = new QFrame(page);
    m_pFrameResetPassword->setObjectName(QStringLiteral("m_pFrameResetPassword"));
    auto *grid = new QGridLayout(m_pFrameResetPassword);
    grid->setContentsMargins(0, 10, 0, 0);
    grid->setVerticalSpacing(8);
    guidUSLabel = textLabel(tr("User Name:"), m_pFrameResetPassword, "guidUSLabel");
    grid->addWidget(guidUSLabel, 0, 0);
    guidUsernameLabel = textLabel(QString(), m_pFrameResetPassword, "guidUsernameLabel");
    guidUsernameLabel->setFixedWidth(FieldWidth);
    grid->addWidget(guidUsernameLabel, 0, 1);

    grid->addWidget(textLabel(tr("New Password:"), m_pFrameResetPassword, "m_labelNewPassword2"), 1, 0);
    m_lineEditNewPassword2 =
        lineEdit(m_pFrameResetPassword, "m_lineEditNewPassword2", PasswordMaxLength, true);
    m_lineEditNewPassword2->setFixedWidth(FieldWidth);
    grid->addWidget(m_lineEditNewPassword2, 1, 1);
    m_labelHintNewPassword2 = hintLabel(m_pFrameResetPassword, "m_labelHintNewPassword2");
    grid->addWidget(m_labelHintNewPassword2, 1, 2);

    m_labelLevel4 = barLabel(m_pFrameResetPassword, "m_labelLevel4");
    m_labelLevel5 = barLabel(m_pFrameResetPassword, "m_labelLevel5");
    m_labelLevel6 = barLabel(m_pFrameResetPassword, "m_labelLevel6");
    m_labelLevel_2 = textLabel(QString(), m_pFrameResetPassword, "m_labelLevel_2");
    grid->addLayout(meterRow(m_labelLevel4, m_labelLevel5, m_labelLevel6, m_labelLevel_2), 2, 1);

    grid->addWidget(textLabel(tr("Confirm Password:"), m_pFrameResetPassword, "m_labelConfirmPassword2"),
                    3, 0);
    m_lineEditConfirmPassword2 =
        lineEdit(m_pFrameResetPassword, "m_lineEditConfirmPassword2", PasswordMaxLength, true);
    m_lineEditConfirmPassword2->setFixedWidth(FieldWidth);
    grid->addWidget(m_lineEditConfirmPassword2, 3, 1);
    m_labelHintConfirmPassword2 = hintLabel(m_pFrameResetPassword, "m_labelHintConfirmPassword2");
    grid->addWidget(m_labelHintConfirmPassword2, 3, 2);

    m_pSynchronizeCheckBox = new MirelGUIToolkit::CCheckBox(tr("Reset IPC"), m_pFrameResetPassword);
    m_pSynchronizeCheckBox->setObjectName(QStringLiteral("m_pSynchronizeCheckBox"));
    grid->addWidget(m_pSynchronizeCheckBox, 4, 1);
    grid->setColumnStretch(3, 1);
    pageLayout->addWidget(m_pFrameResetPassword);
    pageLayout->addStretch(1);
    return page;
}

QWidget *ResetPasswordDialog::buildQuestionPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("page_3"));
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);

    m_pFrameSecurityQuestion = new QFrame(page);
    m_pFrameSecurityQuestion->setObjectName(QStringLiteral("m_pFrameSecurityQuestion"));
    auto *grid = new QGridLayout(m_pFrameSecurityQuestion);
    grid->setContentsMargins(0, 6, 0, 0);
    grid->setVerticalSpacing(6);

    const QString questionTitles[3] = {tr("Security Question 1:"), tr("Security Question 2:"),
                                       tr("Security Question 3:")};
    const QString answerTitles[3] = {tr("Answer 1:"), tr("Answer 2:"), tr("Answer 3:")};
    const char *const questionLabelNames[3] = {"m_pLableSecurityQuestion1", "m_pLableSecurityQuestion2",
                                               "m_pLableSecurityQuestion3"};
    const char *const answerLabelNames[3] = {"label_11", "label_13", "label_15"};
    int row = 0;
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(textLabel(questionTitles[i], m_pFrameSecurityQuestion, questionLabelNames[i]), row, 0);
        m_cmbQuestion[i] = new MirelGUIToolkit::CComboBox(m_pFrameSecurityQuestion);
        m_cmbQuestion[i]->setObjectName(QStringLiteral("m_cmbQuestion%1").arg(i + 1));
        m_cmbQuestion[i]->setFixedWidth(FieldWidth + 60);
        m_cmbQuestion[i]->setEnabled(false);
        grid->addWidget(m_cmbQuestion[i], row, 1);
        ++row;
        grid->addWidget(textLabel(answerTitles[i], m_pFrameSecurityQuestion, answerLabelNames[i]), row, 0);
        m_lineEditAnswer[i] = lineEdit(m_pFrameSecurityQuestion,
                                       qPrintable(QStringLiteral("m_lineEditAnswer%1").arg(i + 1)),
                                       ResetRequestBuilder::AnswerFieldSize, false);
        m_lineEditAnswer[i]->setValidator(
            new MirelGUIToolkit::CRegExpValidator(MirelGUIToolkit::CRegExpValidator::Printable,
                                                  m_lineEditAnswer[i]));
        grid->addWidget(m_lineEditAnswer[i], row, 1);
        m_labelHintAnswer[i] = hintLabel(m_pFrameSecurityQuestion,
                                         qPrintable(QStringLiteral("m_labelHintAnswer%1").arg(i + 1)));
        grid->addWidget(m_labelHintAnswer[i], row, 2);
        ++row;
    }

    qusetionUSLabel = textLabel(tr("User Name:"), m_pFrameSecurityQuestion, "qusetionUSLabel");
    grid->addWidget(qusetionUSLabel, row, 0);
    questionUsernameLabel = textLabel(QString(), m_pFrameSecurityQuestion, "questionUsernameLabel");
    grid->addWidget(questionUsernameLabel, row++, 1);

    grid->addWidget(textLabel(tr("New Password:"), m_pFrameSecurityQuestion, "questionPwdLabel"), row, 0);
    questionPwdEdit = lineEdit(m_pFrameSecurityQuestion, "questionPwdEdit", PasswordMaxLength, true);
    questionPwdEdit->setFixedWidth(FieldWidth);
    grid->addWidget(questionPwdEdit, row++, 1);
    m_labelLevel4_question = barLabel(m_pFrameSecurityQuestion, "m_labelLevel4_question");
    m_labelLevel5_question = barLabel(m_pFrameSecurityQuestion, "m_labelLevel5_question");
    m_labelLevel6_question = barLabel(m_pFrameSecurityQuestion, "m_labelLevel6_question");
    m_labelLevel_question = textLabel(QString(), m_pFrameSecurityQuestion, "m_labelLevel_question");
    grid->addLayout(meterRow(m_labelLevel4_question, m_labelLevel5_question, m_labelLevel6_question,
                             m_labelLevel_question),
                    row++, 1);
    grid->addWidget(textLabel(tr("Confirm Password:"), m_pFrameSecurityQuestion, "questionConfirmPwdLabel"),
                    row, 0);
    questionConfirmPasswordEdit =
        lineEdit(m_pFrameSecurityQuestion, "questionConfirmPasswordEdit", PasswordMaxLength, true);
    questionConfirmPasswordEdit->setFixedWidth(FieldWidth);
    grid->addWidget(questionConfirmPasswordEdit, row++, 1);
    m_pSynchronizeCheckBox_2 = new MirelGUIToolkit::CCheckBox(tr("Reset IPC"), m_pFrameSecurityQuestion);
    m_pSynchronizeCheckBox_2->setObjectName(QStringLiteral("m_pSynchronizeCheckBox_2"));
    grid->addWidget(m_pSynchronizeCheckBox_2, row++, 1);
    grid->setColumnStretch(3, 1);

    pageLayout->addWidget(m_pFrameSecurityQuestion);
    pageLayout->addStretch(1);
    return page;
}

QWidget *ResetPasswordDialog::buildEmailPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("page_4"));
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    emailStackWidget = new QStackedWidget(page);
    emailStackWidget->setObjectName(QStringLiteral("emailStackWidget"));
    pageLayout->addWidget(emailStackWidget);

    auto *page5 = new QWidget;
    page5->setObjectName(QStringLiteral("page_5"));
    auto *layout = new QVBoxLayout(page5);
    layout->setContentsMargins(0, 6, 0, 0);
    layout->setSpacing(6);
    const QString addressStyle = QStringLiteral("color: black; font-weight: bold;");

    // The addresses get lines of their own: beside the step texts they are
    // squeezed until the texts are cut off.
    layout->addWidget(textLabel(tr("1.  Export the QR code, and send it to"), page5, "label_3"));
    auto *step1 = new QHBoxLayout;
    companyEmailLabel = textLabel(QString(), page5, "companyEmailLabel");
    companyEmailLabel->setStyleSheet(addressStyle);
    step1->addWidget(companyEmailLabel);
    step1->addWidget(textLabel(tr("as attachment."), page5, "label_16"));
    step1->addStretch(1);
    layout->addLayout(step1);

    layout->addWidget(textLabel(tr("2.  You will receive a verification code within 5 Min in"), page5,
                                "label_9"));
    auto *step2 = new QHBoxLayout;
    step2->addWidget(textLabel(tr("your reserved e-mail :"), page5, "label"));
    reservedEmailLabel = textLabel(QString(), page5, "reservedEmailLabel");
    reservedEmailLabel->setStyleSheet(addressStyle);
    step2->addWidget(reservedEmailLabel);
    step2->addWidget(textLabel(tr("after the request is sent."), page5, "label_12"));
    step2->addStretch(1);
    layout->addLayout(step2);
    layout->addWidget(textLabel(tr("3.  Enter verification code into the following text field."), page5,
                                "label_14"));

    auto *body = new QHBoxLayout;
    auto *grid = new QGridLayout;
    grid->setVerticalSpacing(6);
    int row = 0;
    grid->addWidget(textLabel(tr("code"), page5, "label_2"), row, 0);
    emailCodeEdit = lineEdit(page5, "emailCodeEdit", ResetRequestBuilder::VerificationCodeFieldSize, false);
    emailCodeEdit->setFixedWidth(FieldWidth);
    grid->addWidget(emailCodeEdit, row++, 1);

    emailUsernmaeFrame = new QFrame(page5);
    emailUsernmaeFrame->setObjectName(QStringLiteral("emailUsernmaeFrame"));
    auto *userRow = new QHBoxLayout(emailUsernmaeFrame);
    userRow->setContentsMargins(0, 0, 0, 0);
    userRow->addWidget(textLabel(tr("User Name:"), emailUsernmaeFrame, "label_17"));
    emailUsernameLabel = textLabel(QString(), emailUsernmaeFrame, "emailUsernameLabel");
    userRow->addWidget(emailUsernameLabel, 1);
    grid->addWidget(emailUsernmaeFrame, row++, 0, 1, 2);

    grid->addWidget(textLabel(tr("New Password:"), page5, "label_8"), row, 0);
    emailNewPwdEdit = lineEdit(page5, "emailNewPwdEdit", PasswordMaxLength, true);
    emailNewPwdEdit->setFixedWidth(FieldWidth);
    grid->addWidget(emailNewPwdEdit, row++, 1);
    m_labelLevelEmail1 = barLabel(page5, "m_labelLevelEmail1");
    m_labelLevelEmail2 = barLabel(page5, "m_labelLevelEmail2");
    m_labelLevelEmail3 = barLabel(page5, "m_labelLevelEmail3");
    m_labelLevelEmail = textLabel(QString(), page5, "m_labelLevelEmail");
    grid->addLayout(meterRow(m_labelLevelEmail1, m_labelLevelEmail2, m_labelLevelEmail3, m_labelLevelEmail),
                    row++, 1);
    grid->addWidget(textLabel(tr("Confirm Password:"), page5, "label_7"), row, 0);
    emailConfirmPwdEdit = lineEdit(page5, "emailConfirmPwdEdit", PasswordMaxLength, true);
    emailConfirmPwdEdit->setFixedWidth(FieldWidth);
    grid->addWidget(emailConfirmPwdEdit, row++, 1);
    emailIsSetIPCCheckBox = new MirelGUIToolkit::CCheckBox(tr("Reset IPC"), page5);
    emailIsSetIPCCheckBox->setObjectName(QStringLiteral("emailIsSetIPCCheckBox"));
    grid->addWidget(emailIsSetIPCCheckBox, row++, 1);
    // The QR code column is taller than the form: the rows keep their own
    // height and the room left stays below them.
    grid->setRowStretch(row, 1);
    body->addLayout(grid);

    auto *qrColumn = new QVBoxLayout;
    qrPicLabel = new QLabel(page5);
    qrPicLabel->setObjectName(QStringLiteral("qrPicLabel"));
    qrPicLabel->setFixedSize(EmailQrPageSize / 2 + 20, EmailQrPageSize / 2 + 20);
    qrPicLabel->setScaledContents(true);
    qrColumn->addWidget(qrPicLabel);
    m_btnSaveEmailQrcode = new QPushButton(tr("Save"), page5);
    m_btnSaveEmailQrcode->setObjectName(QStringLiteral("m_btnSaveEmailQrcode"));
    qrColumn->addWidget(m_btnSaveEmailQrcode);
    exportEmailCodeBtn = new QPushButton(tr("Export XML"), page5);
    exportEmailCodeBtn->setObjectName(QStringLiteral("exportEmailCodeBtn"));
    qrColumn->addWidget(exportEmailCodeBtn);
    qrColumn->addStretch(1);
    body->addLayout(qrColumn);
    layout->addLayout(body);
    layout->addStretch(1);
    emailStackWidget->addWidget(page5);

    auto *page6 = new QWidget;
    page6->setObjectName(QStringLiteral("page_6"));
    auto *page6Layout = new QVBoxLayout(page6);
    noSetEmailLabel = textLabel(tr("No reserved e-mail address exists. You cannot use this way for "
                                   "verification."),
                                page6, "noSetEmailLabel");
    noSetEmailLabel->setWordWrap(true);
    noSetEmailLabel->setAlignment(Qt::AlignCenter);
    page6Layout->addWidget(noSetEmailLabel);
    emailStackWidget->addWidget(page6);
    return page;
}

void ResetPasswordDialog::connectForm()
{
    connect(m_radioBtnManualInput, &QRadioButton::toggled, this, &ResetPasswordDialog::onMaualAutoChanged);
    connect(m_radioBtnAutoInput, &QRadioButton::toggled, this, &ResetPasswordDialog::onMaualAutoChanged);
    connect(m_btnExport, &QPushButton::clicked, this, &ResetPasswordDialog::onExportFile);
    connect(m_btnQRcode, &QPushButton::clicked, this, &ResetPasswordDialog::onGenerateQRcode);
    connect(m_btnFilePath, &aptui::FilePathButton::clicked, this, &ResetPasswordDialog::onClearFilePathError);
    connect(m_btnFilePath, &aptui::FilePathButton::clicked, this, &ResetPasswordDialog::onImportFile);
    connect(m_btnGuidFilePath, &aptui::FilePathButton::clicked, this,
            &ResetPasswordDialog::onClearGUIDFilePathError);
    connect(m_btnGuidFilePath, &aptui::FilePathButton::clicked, this, &ResetPasswordDialog::onImportGuidFile);
    connect(this, &aptui::BaseDialog::signalConfirmButtonClicked, this, &ResetPasswordDialog::onResetPassword);
    connect(m_cmbSecurityMode, &QComboBox::currentIndexChanged, this,
            &ResetPasswordDialog::OnSecurityModeChanged);
    connect(m_lineEditNewPassword, &QLineEdit::textChanged, this,
            &ResetPasswordDialog::onNewPasswordTextChanged);
    connect(m_lineEditNewPassword2, &QLineEdit::textChanged, this,
            &ResetPasswordDialog::onNewPasswordTextChangedPasswordFrame);
    connect(questionPwdEdit, &QLineEdit::textChanged, this,
            &ResetPasswordDialog::onQuestionResetPasswordTextChanged);
    connect(emailNewPwdEdit, &QLineEdit::textChanged, this,
            &ResetPasswordDialog::onEmailResetPasswordTextChanged);
    connect(m_btnSaveEmailQrcode, &QPushButton::clicked, this, &ResetPasswordDialog::exportEmailQR);
    connect(exportEmailCodeBtn, &QPushButton::clicked, this, &ResetPasswordDialog::exportEmailQRCodeFile);
}

// Helpers -----------------------------------------------------------------

void ResetPasswordDialog::message(MessageKind kind, const QString &text,
                                  aptui::MultiStateLineEdit *field, QLabel *hint)
{
    showMessage(messagePosition(this), kind, text, this, field, hint);
}

void ResetPasswordDialog::longMessage(MessageKind kind, const QString &text,
                                      aptui::MultiStateLineEdit *field, QLabel *hint)
{
    showLongMessage(messagePosition(this), kind, text, this, field, hint);
}

void ResetPasswordDialog::clearMark(aptui::MultiStateLineEdit *field, QLabel *hint)
{
    field->setLineEditState(aptui::MultiStateLineEdit::NORMAL);
    if (hint)
        hint->clear();
}

int ResetPasswordDialog::currentMode() const
{
    return m_cmbSecurityMode->currentData().toInt();
}

void ResetPasswordDialog::updateMeter(PasswordStrengthMeter &meter, const QString &strPassword)
{
    meter.update(ResetPasswordCheck::meterUserName(m_isAdminAccount, m_userName), strPassword,
                 ResetPasswordCheck::meterMode(m_isAdminAccount));
}

bool ResetPasswordDialog::checkPasswords(aptui::MultiStateLineEdit *newPassword,
                                         aptui::MultiStateLineEdit *confirm, QLabel *levelText,
                                         QLabel *newHint, QLabel *confirmHint,
                                         bool requireAllowedText)
{
    ResetPasswordInput input;
    input.newPassword = newPassword->text();
    input.confirmPassword = confirm->text();
    input.levelText = levelText->text();
    input.isAdminAccount = m_isAdminAccount;
    input.userName = m_userName;
    input.requireAllowedText = requireAllowedText;
    const ResetPasswordResult result = ResetPasswordCheck::check(input);
    if (result.passed())
        return true;

    if (result.focusField == ResetPasswordResult::NewPasswordField)
        newPassword->setFocus();
    else if (result.focusField == ResetPasswordResult::ConfirmPasswordField)
        confirm->setFocus();
    aptui::MultiStateLineEdit *field = nullptr;
    QLabel *hint = nullptr;
    if (result.markedField == ResetPasswordResult::NewPasswordField) {
        field = newPassword;
        hint = newHint;
    } else if (result.markedField == ResetPasswordResult::ConfirmPasswordField) {
        field = confirm;
        hint = confirmHint;
    }
    // Pages without hint labels show the message without marking.
    if (!hint)
        field = nullptr;
    if (result.longMessage)
        longMessage(MessageKind::Error, result.message, field, hint);
    else
        message(MessageKind::Error, result.message, field, hint);
    return false;
}

bool ResetPasswordDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const std::pair<aptui::MultiStateLineEdit *, QLabel *> fields[] = {
            {m_lineEditFilePath, m_labelHintFilePath},
            {m_lineEditNewPassword, m_labelHintNewPassword},
            {m_lineEditConfirmPassword, m_labelHintConfirmPassword},
            {m_lineEditGuidFilePath, m_labelHintAnswerGuidFilePath},
            {m_lineEditNewPassword2, m_labelHintNewPassword2},
            {m_lineEditConfirmPassword2, m_labelHintConfirmPassword2},
            {m_lineEditAnswer[0], m_labelHintAnswer[0]},
            {m_lineEditAnswer[1], m_labelHintAnswer[1]},
            {m_lineEditAnswer[2], m_labelHintAnswer[2]},
        };
        for (const auto &[field, hint] : fields) {
            if (watched == field)
                clearMark(field, hint);
        }
    } else if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        const bool passwordField = watched == m_lineEditNewPassword || watched == m_lineEditConfirmPassword
                                   || watched == m_lineEditNewPassword2
                                   || watched == m_lineEditConfirmPassword2;
        if (passwordField && isClipboardShortcut(static_cast<QKeyEvent *>(event)))
            return true;
    }
    return aptui::BaseDialog::eventFilter(watched, event);
}

// Modes -------------------------------------------------------------------

void ResetPasswordDialog::OnSecurityModeChanged(int index)
{
    const int mode = m_cmbSecurityMode->itemData(index).toInt();
    stackedWidget->setCurrentIndex(mode);
    switch (mode) {
    case KeyMode:
        resetKeyPage();
        break;
    case GuidMode:
        enterGuidMode();
        break;
    case QuestionMode:
        enterQuestionMode();
        break;
    case EmailMode:
        enterEmailMode();
        break;
    default:
        break;
    }
}

void ResetPasswordDialog::resetKeyPage()
{
    if (m_qrAndManualKey)
        m_radioBtnManualInput->setChecked(true);
    else
        m_radioBtnAutoInput->setChecked(true);
    if (!m_channelReset)
        m_checkBoxIPC->hide();
    m_checkBoxIPC->setChecked(false);
    for (const auto &[field, hint] : {std::pair{m_lineEditFilePath, m_labelHintFilePath},
                                      std::pair{m_lineEditNewPassword, m_labelHintNewPassword},
                                      std::pair{m_lineEditConfirmPassword, m_labelHintConfirmPassword}}) {
        field->clear();
        clearMark(field, hint);
    }
    // After the fields: emptying the new password re-rates it.
    m_keyMeter->reset();
    m_frameExport->show();
}

void ResetPasswordDialog::resetGuidPasswordPart()
{
    if (!m_channelReset)
        m_pSynchronizeCheckBox->hide();
    m_pSynchronizeCheckBox->setChecked(false);
    for (const auto &[field, hint] : {std::pair{m_lineEditNewPassword2, m_labelHintNewPassword2},
                                      std::pair{m_lineEditConfirmPassword2, m_labelHintConfirmPassword2}}) {
        field->clear();
        clearMark(field, hint);
    }
    m_guidMeter->reset();
}

void ResetPasswordDialog::enterGuidMode()
{
    m_lineEditGuidFilePath->clear();
    clearMark(m_lineEditGuidFilePath, m_labelHintAnswerGuidFilePath);
    m_pFrameGUID->show();
    resetGuidPasswordPart();
    m_pFrameResetPassword->show();
    m_pFrameResetPassword->setEnabled(true);
}

void ResetPasswordDialog::readQuestionList()
{
    questionList = TarnQuestionList();
    questionList.size = sizeof(TarnQuestionList);
    m_questionListToRead = false;
    if (!TarnHandler::Instance()->getDeviceConfig(m_deviceKey, DeviceConfigCommand::GetSecurityQuestions,
                                                  nullptr, 0, &questionList, sizeof(questionList))) {
        m_questionState = QuestionsUnavailable;
        return;
    }
    int set = 0;
    for (int j = 0; j < TarnQuestionCount; ++j) {
        if (questionList.entries[j].isSet == 1)
            ++set;
    }
    m_questionState = set == 3 ? QuestionsSet : QuestionsNotSet;
}

void ResetPasswordDialog::enterQuestionMode()
{
    if (m_questionListToRead)
        readQuestionList();

    for (int i = 0; i < 3; ++i) {
        m_lineEditAnswer[i]->clear();
        clearMark(m_lineEditAnswer[i], m_labelHintAnswer[i]);
    }

    QVector<int> ids;
    if (m_questionState == QuestionsSet) {
        for (int j = 0; j < TarnQuestionCount; ++j) {
            const TarnQuestionEntry &entry = questionList.entries[j];
            if (entry.isSet == 1)
                ids.append(int(entry.questionId));
        }
    } else {
        ids = {1};
    }
    for (int i = 0; i < 3; ++i) {
        MirelGUIToolkit::CComboBox *box = m_cmbQuestion[i];
        box->clear();
        for (int id : std::as_const(ids))
            box->addItem(questionTextMap.value(id), id);
        box->setCurrentIndex(ids.size() == 3 ? i : 0);
        box->setEnabled(false);
    }

    m_pFrameSecurityQuestion->show();
    resetGuidPasswordPart();

    switch (m_questionState) {
    case QuestionsUnavailable:
        m_pFrameSecurityQuestion->setEnabled(false);
        message(MessageKind::Error, tr("Get questions failed."));
        break;
    case QuestionsNotSet:
        m_pFrameSecurityQuestion->setEnabled(false);
        message(MessageKind::Error, tr("Please set questions first."));
        break;
    case QuestionsSet:
        m_pFrameSecurityQuestion->setEnabled(true);
        break;
    }
}

void ResetPasswordDialog::enterEmailMode()
{
    if (m_emailTipMode == 2) {
        if (!emailTip)
            emailTip = new EmailSecurityTipDialog(this);
        if (emailTip->exec() != QDialog::Accepted) {
            // Back to key authentication, with a fresh key page.
            m_cmbSecurityMode->setCurrentIndex(0);
            stackedWidget->setCurrentIndex(0);
            return;
        }
    }

    m_emailQrText.clear();
    emailStackWidget->setCurrentIndex(0);

    TarnEmailResetInfo info;
    if (!TarnHandler::Instance()->getDeviceConfig(m_deviceKey, DeviceConfigCommand::GetEmailResetInfo,
                                                  nullptr, 0, &info, sizeof(info))) {
        message(MessageKind::Error, tr("Generate QR code error."));
        return;
    }
    reservedEmailLabel->clear();
    qrPicLabel->clear();
    // Read and written back one byte per character, so the exported text
    // holds exactly the device's bytes.
    m_emailQrText = QString::fromLatin1(boundedBytes(info.qrText, sizeof(info.qrText)));
    emailQrEncoder->setString(m_emailQrText);
    qrPicLabel->setPixmap(QPixmap::fromImage(emailQrEncoder->getQRCode(EmailQrPageSize)));
    const QString reservedAddress = latin1String(info.reservedEmail);
    reservedEmailLabel->setText(reservedAddress);
    companyEmailLabel->setText(latin1String(info.companyEmail));
    if (m_emailQrText.isEmpty() || reservedAddress.isEmpty())
        emailStackWidget->setCurrentIndex(1);
}

void ResetPasswordDialog::onMaualAutoChanged()
{
    m_btnFilePath->setVisible(!m_radioBtnManualInput->isChecked());
}

// Key request -------------------------------------------------------------

void ResetPasswordDialog::onGenerateQRcode()
{
    TarnHandler *handler = TarnHandler::Instance();
    TarnKeyRequestQrBlock block;
    if (!handler->getDeviceConfig(m_deviceKey, DeviceConfigCommand::KeyRequestQr, nullptr, 0, &block,
                                  sizeof(block))) {
        handler->getLastError();
        message(MessageKind::Error, tr("Generate QR code error."));
        return;
    }
    keyQrEncoder->setString(QString::fromLatin1(boundedBytes(block.data, sizeof(block.data))));
    const QImage image = keyQrEncoder->getQRCode(KeyQrSize);
    if (image.isNull()) {
        message(MessageKind::Error, tr("Generate QR code error."));
        return;
    }
    m_labelQcCode->setPixmap(QPixmap::fromImage(image));
}

void ResetPasswordDialog::onExportFile()
{
    const QString chosen = fileDialogProvider()->getExistingDirectory(this, QString(), keyExportDirectory());
    if (chosen.isEmpty())
        return;
    keyExportDirectory() = chosen;

    TarnHandler *handler = TarnHandler::Instance();
    QByteArray content;
    bool ok = false;
    if (m_qrAndManualKey) {
        TarnKeyRequestQrBlock block;
        ok = handler->getDeviceConfig(m_deviceKey, DeviceConfigCommand::KeyRequestQr, nullptr, 0, &block,
                                      sizeof(block));
        if (ok)
            content = QByteArray(block.data, qsizetype(qMin<quint32>(block.length, sizeof(block.data))));
    } else {
        TarnKeyRequestBlock block;
        ok = handler->getDeviceConfig(m_deviceKey, DeviceConfigCommand::KeyRequest, nullptr, 0, &block,
                                      sizeof(block));
        if (ok)
            content = QByteArray(block.data, qsizetype(qMin<quint32>(block.length, sizeof(block.data))));
    }
    if (!ok) {
        const int code = handler->getLastError();
        message(MessageKind::Error, tr("Get key error.") + handler->errorText(code));
        return;
    }

    QFile file(RecoveryFileNames::keyRequestFilePath(chosen, m_deviceKey, QDateTime::currentDateTime()));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        message(MessageKind::Error, tr("Create device key file error."));
        return;
    }
    file.write(content);
    file.close();
    message(MessageKind::Ok, tr("Exported."));
}

void ResetPasswordDialog::onImportFile()
{
    const QString path = fileDialogProvider()->getOpenFileName(this, QString(), keyImportPath(), QString());
    if (path.isEmpty())
        return;
    keyImportPath() = path;
    m_lineEditFilePath->setText(path);
    m_lineEditFilePath->setCursorPosition(0);
}

void ResetPasswordDialog::onImportGuidFile()
{
    const QString path = fileDialogProvider()->getOpenFileName(this, QString(), guidImportPath(), QString());
    if (path.isEmpty())
        return;
    guidImportPath() = path;
    m_lineEditGuidFilePath->setText(path);
    m_lineEditGuidFilePath->setCursorPosition(0);
}

void ResetPasswordDialog::onClearFilePathError()
{
    clearMark(m_lineEditFilePath, m_labelHintFilePath);
}

void ResetPasswordDialog::onClearGUIDFilePathError()
{
    clearMark(m_lineEditGuidFilePath, m_labelHintAnswerGuidFilePath);
}

// Meters ------------------------------------------------------------------

void ResetPasswordDialog::onNewPasswordTextChanged(const QString &strText)
{
    updateMeter(*m_keyMeter, strText);
}

void ResetPasswordDialog::onNewPasswordTextChangedPasswordFrame(const QString &strText)
{
    updateMeter(*m_guidMeter, strText);
}

void ResetPasswordDialog::onQuestionResetPasswordTextChanged(const QString &strText)
{
    updateMeter(*m_questionMeter, strText);
}

void ResetPasswordDialog::onEmailResetPasswordTextChanged(const QString &strText)
{
    updateMeter(*m_emailMeter, strText);
}

// E-mail QR files ---------------------------------------------------------

void ResetPasswordDialog::exportEmailQR()
{
    const QString chosen = fileDialogProvider()->getExistingDirectory(this, QString(), keyExportDirectory());
    if (chosen.isEmpty())
        return;
    keyExportDirectory() = chosen;
    const QImage image = emailQrEncoder->getQRCode(EmailQrFileSize);
    const QString path =
        RecoveryFileNames::emailQrImageFilePath(chosen, m_deviceKey, QDateTime::currentDateTime());
    // Without a QR text the image is empty and the save fails; nothing to say.
    if (image.save(path, "BMP", 100))
        message(MessageKind::Ok, tr("Saved."));
}

void ResetPasswordDialog::exportEmailQRCodeFile()
{
    const QString chosen = fileDialogProvider()->getExistingDirectory(this, QString(), keyExportDirectory());
    if (chosen.isEmpty())
        return;
    keyExportDirectory() = chosen;
    if (m_emailQrText.isEmpty()) {
        TarnHandler *handler = TarnHandler::Instance();
        const int code = handler->getLastError();
        message(MessageKind::Error, tr("Get key error.") + handler->errorText(code));
        return;
    }
    QFile file(RecoveryFileNames::emailQrTextFilePath(chosen, m_deviceKey, QDateTime::currentDateTime()));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        message(MessageKind::Error, tr("Create device key file error."));
        return;
    }
    file.write(m_emailQrText.toLatin1());
    file.close();
    message(MessageKind::Ok, tr("Exported."));
}

// Reset -------------------------------------------------------------------

void ResetPasswordDialog::onResetPassword()
{
    switch (currentMode()) {
    case KeyMode:
        resetByKey();
        break;
    case GuidMode:
        resetByGuid();
        break;
    case QuestionMode:
        resetByQuestions();
        break;
    case EmailMode:
        resetByEmail();
        break;
    default:
        break;
    }
}

void ResetPasswordDialog::resetByKey()
{
    if (m_lineEditFilePath->text().isEmpty()) {
        message(MessageKind::Error, tr("Please input the secret key."), m_lineEditFilePath,
                m_labelHintFilePath);
        return;
    }
    if (!checkPasswords(m_lineEditNewPassword, m_lineEditConfirmPassword, m_labelLevel,
                        m_labelHintNewPassword, m_labelHintConfirmPassword, false))
        return;

    const bool keyFile = m_radioBtnAutoInput->isChecked();
    ResetRequestBuilder builder(keyFile ? ResetRequestBuilder::KeyFile : ResetRequestBuilder::KeyText);
    builder.setNewPassword(m_lineEditNewPassword->text());
    if (keyFile)
        builder.setKeyFilePath(KeyFileCopy::make(m_lineEditFilePath->text(), KeyFileCopy::defaultCopyPath()));
    else
        builder.setKeyText(m_lineEditFilePath->text());
    builder.setSynchronize(m_channelReset && m_checkBoxIPC->isChecked());
    sendResetRequest(builder);
}

void ResetPasswordDialog::resetByGuid()
{
    if (m_lineEditGuidFilePath->text().isEmpty()) {
        message(MessageKind::Error, tr("Please import file."), m_lineEditGuidFilePath,
                m_labelHintAnswerGuidFilePath);
        return;
    }
    if (!checkPasswords(m_lineEditNewPassword2, m_lineEditConfirmPassword2, m_labelLevel_2,
                        m_labelHintNewPassword2, m_labelHintConfirmPassword2, true))
        return;

    ResetRequestBuilder builder(ResetRequestBuilder::GuidFile);
    builder.setSynchronize(m_pSynchronizeCheckBox->isChecked());
    builder.setNewPassword(m_lineEditNewPassword2->text().trimmed());

    QFile file(m_lineEditGuidFilePath->text().trimmed());
    if (!file.open(QIODevice::ReadOnly)) {
        message(MessageKind::Error, tr("Open file failed."));
        return;
    }
    QByteArray content = file.readAll();
    file.close();
    const qsizetype zero = content.indexOf('\0');
    if (zero >= 0)
        content.truncate(zero);
    builder.setGuid(content);
    sendResetRequest(builder);
}

void ResetPasswordDialog::resetByQuestions()
{
    for (int i = 0; i < 3; ++i) {
        if (m_lineEditAnswer[i]->text().isEmpty()) {
            message(MessageKind::Error, tr("Answer cannot be empty."), m_lineEditAnswer[i],
                    m_labelHintAnswer[i]);
            return;
        }
    }
    if (!checkPasswords(questionPwdEdit, questionConfirmPasswordEdit, m_labelLevel_question, nullptr,
                        nullptr, false))
        return;

    ResetRequestBuilder builder(ResetRequestBuilder::SecurityQuestions);
    builder.setSynchronize(m_pSynchronizeCheckBox_2->isChecked());
    builder.setNewPassword(questionPwdEdit->text().trimmed());
    for (int i = 0; i < 3; ++i)
        builder.addAnswer(m_cmbQuestion[i]->currentData().toInt(), m_lineEditAnswer[i]->text());
    sendResetRequest(builder);
}

void ResetPasswordDialog::resetByEmail()
{
    // Without the device's QR text there is no request to confirm.
    if (m_emailQrText.isEmpty())
        return;
    const QString code = emailCodeEdit->text().trimmed();
    if (code.isEmpty()) {
        emailCodeEdit->setFocus();
        message(MessageKind::Error, tr("The email code can not be empty."));
        return;
    }
    if (!checkPasswords(emailNewPwdEdit, emailConfirmPwdEdit, m_labelLevelEmail, nullptr, nullptr, false))
        return;

    ResetRequestBuilder builder(ResetRequestBuilder::ReservedEmail);
    builder.setSynchronize(emailIsSetIPCCheckBox->isChecked());
    builder.setNewPassword(emailNewPwdEdit->text());
    builder.setVerificationCode(code);
    sendResetRequest(builder);
}

void ResetPasswordDialog::sendResetRequest(const ResetRequestBuilder &builder)
{
    // Input that does not fit its record field is refused before anything
    // is sent; cutting it would send a proof the user never gave.
    if (!builder.isValid()) {
        message(MessageKind::Error, builder.problemText());
        return;
    }
    TarnResetFailureInfo failure;
    TarnHandler *handler = TarnHandler::Instance();
    if (handler->resetPasswdV40(m_deviceKey, &builder.request(), &failure)) {
        message(MessageKind::Ok, ResetResultText::succeedText());
        accept();
        return;
    }
    const int code = handler->getLastError();
    message(MessageKind::Error,
            ResetResultText::failureText(code, failure.attemptsLeft(), failure.lockMinutes()));
}

} // namespace TarnTool
