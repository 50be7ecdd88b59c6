#include "guidandqustiondialog.h"

#include "ccombobox.h"
#include "cregexpvalidator.h"
#include "filedialogprovider.h"
#include "guidexportfile.h"
#include "messagebox.h"
#include "multistatelineedit.h"
#include "recoverysetuprecords.h"
#include "recoverysetupstatetext.h"
#include "securityquestiontexts.h"
#include "tarndeviceinfomanager.h"
#include "tarnhandler.h"
#include "tarnrecoveryrecords.h"

#include <QDateTime>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <memory>

namespace TarnTool {

using TARN::TarnHandler;

namespace {

constexpr int DirectoryMaxLength = 128;
constexpr int EmailMaxLength = 128;
constexpr int QuestionsOutputSize = 256;
constexpr int EmailOutputSize = 128;

QString &guidExportDirectory()
{
    static QString directory;
    return directory;
}

QLabel *textLabel(const QString &text, QWidget *parent, const QString &name)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QLabel *hintLabel(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setFixedSize(24, 24);
    return label;
}

aptui::MultiStateLineEdit *lineEdit(QWidget *parent, const QString &name)
{
    auto *edit = new aptui::MultiStateLineEdit(parent);
    edit->setObjectName(name);
    edit->setMinimumHeight(28);
    return edit;
}

void clearMarking(aptui::MultiStateLineEdit *field, QLabel *hint)
{
    field->setLineEditState(aptui::MultiStateLineEdit::NORMAL);
    hint->clear();
}

} // namespace

GuidAndQustionDialog::GuidAndQustionDialog(QWidget *parent, bool bGuid, bool bQuestions,
                                           bool bEmail)
    : aptui::BaseDialog(true, false, false, false, true, true, true, parent)
{
    m_offer.guid = bGuid;
    m_offer.questions = bQuestions;
    m_offer.email = bEmail;
    // Confirm runs the chosen task, which decides whether the dialog closes.
    setEnableConfirm(false);
    if (!bGuid && !bQuestions && !bEmail)
        return;

    buildForm();
    {
        // Adding the first item selects it; its page is shown below.
        const QSignalBlocker blocker(m_cmbSecurityMode);
        if (bGuid)
            m_cmbSecurityMode->addItem(tr("guid"), int(GuidTask));
        if (bQuestions)
            m_cmbSecurityMode->addItem(tr("question"), int(QuestionTask));
        if (bEmail)
            m_cmbSecurityMode->addItem(tr("email"), int(EmailTask));
    }
    if (m_cmbSecurityMode->count() == 1)
        m_cmbSecurityMode->setEnabled(false);
    setDialogFixedSize(460, 400);
    {
        const QSignalBlocker blocker(m_cmbSecurityMode);
        m_cmbSecurityMode->setCurrentIndex(0);
    }
    OnSecurityModeChanged(0);
    setTitle(tr("Export Guid File/Set Question/Email"));

    const QMap<int, QString> texts = SecurityQuestionTexts::textMap();
    for (auto *box : m_cmbQuestion) {
        for (auto it = texts.cbegin(); it != texts.cend(); ++it)
            box->addItem(it.value(), it.key());
        box->setCurrentIndex(0);
    }
    for (auto *answer : m_lineEditAnswer) {
        answer->setValidator(new MirelGUIToolkit::CRegExpValidator(
            MirelGUIToolkit::CRegExpValidator::Printable, answer));
    }
    m_lineEditFilePath->setMaxLength(DirectoryMaxLength);
    emailEdit->setMaxLength(EmailMaxLength);
    for (auto *answer : m_lineEditAnswer)
        answer->installEventFilter(this);
    m_lineEditFilePath->installEventFilter(this);

    connect(m_btnFilePath, &QToolButton::clicked, this, &GuidAndQustionDialog::onSelectionFilePath);
    connect(m_cmbSecurityMode, &QComboBox::currentIndexChanged, this,
            &GuidAndQustionDialog::OnSecurityModeChanged);
    connect(this, &aptui::BaseDialog::signalConfirmButtonClicked, this,
            &GuidAndQustionDialog::onOkClicked, Qt::DirectConnection);
}

GuidAndQustionDialog::~GuidAndQustionDialog() = default;

void GuidAndQustionDialog::setDeviceList(const QVector<DeviceInfo> &vecDeviceInfo)
{
    m_deviceList = vecDeviceInfo;
}

void GuidAndQustionDialog::setAdminPassword(const QString &strPassword)
{
    m_adminPassword = strPassword;
}

QString GuidAndQustionDialog::lastGuidExportDirectory()
{
    return guidExportDirectory();
}

void GuidAndQustionDialog::clearLastGuidExportDirectory()
{
    guidExportDirectory().clear();
}

// Form --------------------------------------------------------------------

void GuidAndQustionDialog::buildForm()
{
    auto *form = new QWidget(this);
    form->setObjectName(QStringLiteral("CSecurityQuestionsDlg"));
    auto *layout = new QVBoxLayout(form);
    layout->setContentsMargins(30, 16, 30, 10);
    layout->setSpacing(12);

    auto *modeRow = new QHBoxLayout;
    label_10 = textLabel(tr("Mode:"), form, QStringLiteral("label_10"));
    modeRow->addWidget(label_10);
    m_cmbSecurityMode = new MirelGUIToolkit::CComboBox(form);
    m_cmbSecurityMode->setObjectName(QStringLiteral("m_cmbSecurityMode"));
    m_cmbSecurityMode->setFixedWidth(220);
    modeRow->addWidget(m_cmbSecurityMode);
    modeRow->addStretch(1);
    layout->addLayout(modeRow);

    stackedWidget = new QStackedWidget(form);
    stackedWidget->setObjectName(QStringLiteral("stackedWidget"));
    stackedWidget->addWidget(buildGuidPage());
    stackedWidget->addWidget(buildQuestionPage());
    stackedWidget->addWidget(buildEmailPage());
    layout->addWidget(stackedWidget, 1);
    setContentWidget(form);
}

QWidget *GuidAndQustionDialog::buildGuidPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("page"));
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);

    m_frameGUID = new QFrame(page);
    m_frameGUID->setObjectName(QStringLiteral("m_frameGUID"));
    auto *row = new QHBoxLayout(m_frameGUID);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    label_7 = textLabel(tr("Export GUID File:"), m_frameGUID, QStringLiteral("label_7"));
    row->addWidget(label_7);
    m_lineEditFilePath = lineEdit(m_frameGUID, QStringLiteral("m_lineEditFilePath"));
    row->addWidget(m_lineEditFilePath, 1);
    m_btnFilePath = new QToolButton(m_frameGUID);
    m_btnFilePath->setObjectName(QStringLiteral("m_btnFilePath"));
    m_btnFilePath->setText(QStringLiteral("..."));
    row->addWidget(m_btnFilePath);
    m_labelHintGuidFile = hintLabel(m_frameGUID, QStringLiteral("m_labelHintGuidFile"));
    row->addWidget(m_labelHintGuidFile);

    pageLayout->addWidget(m_frameGUID);
    pageLayout->addStretch(1);
    return page;
}

QWidget *GuidAndQustionDialog::buildQuestionPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("page_2"));
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);

    m_frameSecurityQuestion = new QFrame(page);
    m_frameSecurityQuestion->setObjectName(QStringLiteral("m_frameSecurityQuestion"));
    auto *grid = new QGridLayout(m_frameSecurityQuestion);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(8);

    const QString questionTitles[3] = {tr("Security Question 1:"), tr("Security Question 2:"),
                                       tr("Security Question 3:")};
    const QString answerTitles[3] = {tr("Answer 1:"), tr("Answer 2:"), tr("Answer 3:")};
    const char *const questionLabelNames[3] = {"label", "label_2", "label_3"};
    const char *const answerLabelNames[3] = {"label_4", "label_5", "label_6"};
    int row = 0;
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(textLabel(questionTitles[i], m_frameSecurityQuestion,
                                  QLatin1String(questionLabelNames[i])),
                        row, 0);
        m_cmbQuestion[i] = new MirelGUIToolkit::CComboBox(m_frameSecurityQuestion);
        m_cmbQuestion[i]->setObjectName(QStringLiteral("m_cmbQuestion%1").arg(i + 1));
        grid->addWidget(m_cmbQuestion[i], row, 1);
        ++row;
        grid->addWidget(textLabel(answerTitles[i], m_frameSecurityQuestion,
                                  QLatin1String(answerLabelNames[i])),
                        row, 0);
        m_lineEditAnswer[i] =
            lineEdit(m_frameSecurityQuestion, QStringLiteral("m_lineEditAnswer%1").arg(i + 1));
        grid->addWidget(m_lineEditAnswer[i], row, 1);
        m_labelHintAnswer[i] =
            hintLabel(m_frameSecurityQuestion, QStringLiteral("m_labelHintAnswer%1").arg(i + 1));
        grid->addWidget(m_labelHintAnswer[i], row, 2);
        ++row;
    }
    grid->setColumnStretch(1, 1);

    pageLayout->addWidget(m_frameSecurityQuestion);
    pageLayout->addStretch(1);
    return page;
}

QWidget *GuidAndQustionDialog::buildEmailPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("page_3"));
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->setSpacing(10);

    auto *row = new QHBoxLayout;
    label_8 = textLabel(tr("Set Reserved Email\uFF1A"), page, QStringLiteral("label_8"));
    row->addWidget(label_8);
    emailEdit = new QLineEdit(page);
    emailEdit->setObjectName(QStringLiteral("emailEdit"));
    emailEdit->setMinimumHeight(28);
    row->addWidget(emailEdit, 1);
    pageLayout->addLayout(row);

    emailLabel = textLabel(tr("Used for resetting password. When resetting password, send the QR "
                              "code to the server and a verification code will be sent to your "
                              "reserved email address. Use that code to reset the admin password."),
                           page, QStringLiteral("emailLabel"));
    emailLabel->setWordWrap(true);
    pageLayout->addWidget(emailLabel);
    pageLayout->addStretch(1);
    return page;
}

// Slots -------------------------------------------------------------------

void GuidAndQustionDialog::OnSecurityModeChanged(int index)
{
    if (!m_cmbSecurityMode)
        return;
    const QVariant task = m_cmbSecurityMode->itemData(index);
    if (task.isValid())
        stackedWidget->setCurrentIndex(task.toInt());
}

void GuidAndQustionDialog::onSelectionFilePath()
{
    if (!m_lineEditFilePath)
        return;
    const QString directory =
        fileDialogProvider()->getExistingDirectory(this, QString(), guidExportDirectory());
    if (directory.isEmpty())
        return;
    guidExportDirectory() = directory;
    m_lineEditFilePath->setText(directory);
    m_lineEditFilePath->setCursorPosition(0);
}

void GuidAndQustionDialog::onOkClicked()
{
    if (!m_cmbSecurityMode)
        return;
    switch (m_cmbSecurityMode->currentData().toInt()) {
    case GuidTask:
        exportGuid();
        break;
    case QuestionTask:
        setSecurityQuestions();
        break;
    case EmailTask:
        setReservedEmail();
        break;
    default:
        break;
    }
}

bool GuidAndQustionDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && m_lineEditFilePath) {
        if (watched == m_lineEditFilePath)
            clearMarking(m_lineEditFilePath, m_labelHintGuidFile);
        for (int i = 0; i < 3; ++i) {
            if (watched == m_lineEditAnswer[i])
                clearMarking(m_lineEditAnswer[i], m_labelHintAnswer[i]);
        }
    }
    return aptui::BaseDialog::eventFilter(watched, event);
}

// Tasks -------------------------------------------------------------------

void GuidAndQustionDialog::message(MessageKind kind, const QString &text,
                                   aptui::MultiStateLineEdit *field, QLabel *hint)
{
    showMessage(messagePosition(this), kind, text, this, field, hint);
}

void GuidAndQustionDialog::exportGuid()
{
    const QString directory = m_lineEditFilePath->text();
    if (directory.isEmpty()) {
        message(MessageKind::Error, tr("File path cannot be empty."), m_lineEditFilePath,
                m_labelHintGuidFile);
        return;
    }

    TarnHandler *handler = TarnHandler::Instance();
    const bool single = m_deviceList.size() == 1;
    const TarnGuidExportInput input = RecoverySetupRecords::guidExportInput(m_adminPassword);
    for (DeviceInfo &device : m_deviceList) {
        TarnDeviceInfo record;
        TarnDeviceInfoManager::Instance()->getDeviceInfo(device.strSerialNumber, device.strMac,
                                                         record);
        if (!RecoverySetupRules::supportsGuidExport(record)) {
            device.strGuidState = RecoverySetupStateText::notSupported();
            continue;
        }

        TarnGuidExportBlock block;
        block.length = TarnGuidExportBlockSize;
        if (!handler->getDeviceConfig(device.strSerialNumber, DeviceConfigCommand::ExportGuid,
                                      &input, sizeof input, &block, sizeof block)) {
            const int code = handler->getLastError();
            if (single)
                message(MessageKind::Error,
                        tr("Get GUID file failed.") + QStringLiteral("(%1)").arg(code));
            device.strGuidState = RecoverySetupStateText::exportFailed();
            continue;
        }

        // Each file takes the time at which it is written.
        const QString path = GuidExportFile::filePath(directory, device.strSerialNumber,
                                                      QDateTime::currentDateTime());
        if (GuidExportFile::write(path, GuidExportFile::content(block.data, int(sizeof block.data)))) {
            if (single)
                message(MessageKind::Ok, tr("Export completed."));
            device.strGuidState = RecoverySetupStateText::exportCompleted();
        } else {
            if (single)
                message(MessageKind::Error, tr("Export failed."));
            device.strGuidState = RecoverySetupStateText::exportFailed();
        }
    }
    if (RecoverySetupRules::closesAfterGuidExport(int(m_deviceList.size())))
        accept();
}

void GuidAndQustionDialog::setSecurityQuestions()
{
    QStringList answers;
    for (auto *answer : m_lineEditAnswer)
        answers << answer->text();
    const int blank = RecoverySetupRules::firstBlankAnswer(answers);
    if (blank >= 0) {
        message(MessageKind::Error, tr("Answer cannot be empty."), m_lineEditAnswer[blank],
                m_labelHintAnswer[blank]);
        return;
    }
    // The device keeps 256 bytes of an answer; a longer one could never be
    // answered right at a reset, so it is refused rather than cut.
    const int overlong = RecoverySetupRules::firstOverlongAnswer(answers);
    if (overlong >= 0) {
        message(MessageKind::Error, tr("Answer is too long."), m_lineEditAnswer[overlong],
                m_labelHintAnswer[overlong]);
        return;
    }
    QVector<int> positions;
    for (auto *box : m_cmbQuestion)
        positions << box->currentIndex();
    if (RecoverySetupRules::hasRepeatedQuestion(positions)) {
        message(MessageKind::Error, tr("The security questions cannot be same."));
        return;
    }

    QVector<RecoverySetupRecords::QuestionAnswer> chosen;
    for (int i = 0; i < 3; ++i)
        chosen.append({m_cmbQuestion[i]->currentData().toInt(), answers.at(i)});
    auto list = std::make_unique<TarnQuestionList>();
    RecoverySetupRecords::fillQuestionList(*list, m_adminPassword, chosen);

    TarnHandler *handler = TarnHandler::Instance();
    bool ok = false;
    for (const DeviceInfo &device : std::as_const(m_deviceList)) {
        char output[QuestionsOutputSize] = {};
        ok = handler->setDeviceConfig(device.strSerialNumber,
                                      DeviceConfigCommand::SetSecurityQuestions, list.get(),
                                      sizeof(TarnQuestionList), output, sizeof output);
    }
    m_questionsDone = ok;
    if (!ok) {
        message(MessageKind::Error, tr("Set security questions failed."));
        return;
    }
    message(MessageKind::Ok, tr("Set security questions successed."));
    if (RecoverySetupRules::closesAfterQuestions(m_offer, m_emailDone))
        accept();
}

void GuidAndQustionDialog::setReservedEmail()
{
    const QString address = emailEdit->text().trimmed();
    if (address.isEmpty()) {
        message(MessageKind::Error, tr("The Email cannot be empty."));
        return;
    }
    TarnReservedEmailParam param;
    if (!RecoverySetupRecords::fillReservedEmailParam(param, m_adminPassword, address)) {
        message(MessageKind::Error, tr("The Email is too long."));
        return;
    }

    TarnHandler *handler = TarnHandler::Instance();
    const bool single = m_deviceList.size() == 1;
    for (DeviceInfo &device : m_deviceList) {
        char output[EmailOutputSize] = {};
        if (handler->setDeviceConfig(device.strSerialNumber, DeviceConfigCommand::SetReservedEmail,
                                     &param, sizeof param, output, sizeof output)) {
            device.strEmailState = RecoverySetupStateText::emailSucceeded();
            if (single)
                message(MessageKind::Ok, tr("Set reserved email successed."));
            m_emailDone = true;
        } else {
            device.strEmailState = RecoverySetupStateText::emailFailed(handler->getLastError());
            if (single)
                message(MessageKind::Error, tr("Set reserved email failed."));
            m_emailDone = false;
        }
    }
    if (RecoverySetupRules::closesAfterEmail(m_offer, m_questionsDone, m_emailDone))
        accept();
}

} // namespace TarnTool
