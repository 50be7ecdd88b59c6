#include "devicemodifypage.h"

#include "activationformcheck.h"
#include "batchprogressdialog.h"
#include "ccheckbox.h"
#include "ccombobox.h"
#include "configuremanager.h"
#include "latin1text.h"
#include "deviceactivepage.h"
#include "devicemodifyresultpage.h"
#include "devicenetparapage.h"
#include "messagebox.h"
#include "modifyresultflow.h"
#include "multistatelineedit.h"
#include "netparambuilder.h"
#include "passwordrecoverylauncher.h"
#include "passwordstrengthmeter.h"
#include "recoverysetuplauncher.h"
#include "resultpagerunner.h"
#include "tarndeviceinfomanager.h"
#include "tarnhandler.h"
#include "wifinetworkcommand.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <array>
#include <cstring>

namespace TarnTool {

namespace {

using TARN::TarnHandler;

constexpr int PasswordMaxLength = 16;
constexpr int WifiPasswordMaxLength = 64;
constexpr int WifiPasswordMinLength = 8;
constexpr int RegionCount = 6;

// Bits of the stored device record read here.
constexpr quint8 ExtraChannelPassword = 0x01;
constexpr quint8 ExtraReservedEmail = 0x02;
constexpr quint8 ExtraWifiNetwork = 0x04;
constexpr quint8 RecoveryQrAndManualKey = 0x01;
constexpr quint8 RecoveryBit1 = 0x02;
constexpr quint8 RecoveryGuid = 0x04;
constexpr quint8 RecoveryQuestions = 0x08;
constexpr quint8 RecoveryWifiEnhancement = 0x80;
constexpr quint8 AbilityNewPasswordReset = 0x40;
constexpr quint8 AbilityChannelReset = 0x80;

// Error codes the panel puts into words of its own.
constexpr int ErrorParameter = 2005;
constexpr int ErrorSendFailed = 2007;
constexpr int ErrorDeviceDeny = 2009;
constexpr int ErrorTimeOut = 2011;
constexpr int ErrorLocked = 2018;
constexpr int ErrorNotSupported = 2019;
constexpr int ErrorReactive = 2021;
constexpr int ErrorPassword = 2024;
constexpr int ErrorVerificationCode = 2033;

int retriesLeft(const char *reply)
{
    return static_cast<unsigned char>(reply[0]);
}

int lockMinutes(const char *reply)
{
    return static_cast<unsigned char>(reply[1]);
}

aptui::MultiStateLineEdit *passwordEdit(const char *name, int maxLength, QWidget *parent)
{
    auto *edit = new aptui::MultiStateLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setEchoMode(QLineEdit::Password);
    edit->setMaxLength(maxLength);
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    return edit;
}

QLabel *label(const QString &text, const char *name, QWidget *parent)
{
    auto *result = new QLabel(text, parent);
    if (name)
        result->setObjectName(QString::fromLatin1(name));
    return result;
}

QLabel *hintLabel(const char *name, QWidget *parent)
{
    auto *hint = label(QString(), name, parent);
    hint->setFixedSize(16, 16);
    hint->setScaledContents(true);
    return hint;
}

QPushButton *button(const QString &text, const char *name, QWidget *parent)
{
    auto *result = new QPushButton(text, parent);
    result->setObjectName(QString::fromLatin1(name));
    return result;
}

} // namespace

DeviceModifyPage::DeviceModifyPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("DeviceModifyPage"));
    buildForm();
    m_meter = std::make_unique<PasswordStrengthMeter>(m_labelLevel1, m_labelLevel2, m_labelLevel3,
                                                      m_labelLevel);
    m_meter->reset();
    connectForm();
    showEmptyState();
    setFixedWidth(PanelWidth);
}

DeviceModifyPage::~DeviceModifyPage() = default;

void DeviceModifyPage::buildForm()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_stackedWidget = new QStackedWidget(this);
    m_stackedWidget->setObjectName(QStringLiteral("m_stackedWidget"));
    m_netParaPage = new DeviceNetParaPage(m_stackedWidget);
    m_activePage = new DeviceActivePage(m_stackedWidget);
    m_stackedWidget->addWidget(m_netParaPage);
    m_stackedWidget->addWidget(m_activePage);
    layout->addWidget(m_stackedWidget);

    layout->addWidget(buildActivationForm());
    layout->addWidget(buildModifyForm());
    layout->addStretch(1);
}

QWidget *DeviceModifyPage::buildActivationForm()
{
    m_frameActive = new QFrame(this);
    m_frameActive->setObjectName(QStringLiteral("m_frameActive"));
    auto *layout = new QVBoxLayout(m_frameActive);
    layout->setContentsMargins(20, 0, 20, 10);
    layout->setSpacing(8);

    passwordConfigureWidget = new QWidget(m_frameActive);
    passwordConfigureWidget->setObjectName(QStringLiteral("passwordConfigureWidget"));
    auto *grid = new QGridLayout(passwordConfigureWidget);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(8);

    grid->addWidget(label(tr("New Password:"), "m_labelNewPassword", passwordConfigureWidget), 0, 0);
    m_lineEditNewPassword = passwordEdit("m_lineEditNewPassword", PasswordMaxLength, passwordConfigureWidget);
    grid->addWidget(m_lineEditNewPassword, 0, 1);
    m_labelHintNewPassword = hintLabel("m_labelHintNewPassword", passwordConfigureWidget);
    grid->addWidget(m_labelHintNewPassword, 0, 2);

    auto *meter = new QHBoxLayout;
    meter->setSpacing(2);
    m_labelLevel1 = label(QString(), "m_labelLevel1", passwordConfigureWidget);
    m_labelLevel2 = label(QString(), "m_labelLevel2", passwordConfigureWidget);
    m_labelLevel3 = label(QString(), "m_labelLevel3", passwordConfigureWidget);
    m_labelLevel = label(QString(), "m_labelLevel", passwordConfigureWidget);
    meter->addWidget(m_labelLevel1);
    meter->addWidget(m_labelLevel2);
    meter->addWidget(m_labelLevel3);
    meter->addWidget(m_labelLevel);
    meter->addStretch(1);
    grid->addLayout(meter, 1, 1);

    grid->addWidget(label(tr("Confirm Password:"), "m_labelConfirmPassword", passwordConfigureWidget), 2, 0);
    m_lineEditConfirmPassword =
        passwordEdit("m_lineEditConfirmPassword", PasswordMaxLength, passwordConfigureWidget);
    grid->addWidget(m_lineEditConfirmPassword, 2, 1);
    m_labelHintConfirmPassword = hintLabel("m_labelHintConfirmPassword", passwordConfigureWidget);
    grid->addWidget(m_labelHintConfirmPassword, 2, 2);

    channelPasswordLabel = label(tr("Channel Password:"), "channelPasswordLabel", passwordConfigureWidget);
    grid->addWidget(channelPasswordLabel, 3, 0);
    channelPasswordEdit = passwordEdit("channelPasswordEdit", PasswordMaxLength, passwordConfigureWidget);
    grid->addWidget(channelPasswordEdit, 3, 1);
    m_labelHintChannelPassword = hintLabel("m_labelHintChannelPassword", passwordConfigureWidget);
    grid->addWidget(m_labelHintChannelPassword, 3, 2);

    m_checkBoxWifi = new MirelGUIToolkit::CCheckBox(tr("Wifi"), passwordConfigureWidget);
    m_checkBoxWifi->setObjectName(QStringLiteral("m_checkBoxWifi"));
    grid->addWidget(m_checkBoxWifi, 4, 1);

    m_labelWifiRegion = label(tr("Area/Country:"), "m_labelWifiRegion", passwordConfigureWidget);
    grid->addWidget(m_labelWifiRegion, 5, 0);
    m_comboBoxWifi = new MirelGUIToolkit::CComboBox(passwordConfigureWidget);
    m_comboBoxWifi->setObjectName(QStringLiteral("m_comboBoxWifi"));
    grid->addWidget(m_comboBoxWifi, 5, 1);
    grid->setColumnStretch(1, 1);
    layout->addWidget(passwordConfigureWidget);

    inActivedSetWidget = new QStackedWidget(m_frameActive);
    inActivedSetWidget->setObjectName(QStringLiteral("inActivedSetWidget"));

    auto *buttonsPage = new QWidget(inActivedSetWidget);
    auto *buttons = new QHBoxLayout(buttonsPage);
    buttons->setContentsMargins(0, 0, 0, 0);
    m_btnActive = button(tr("Active"), "m_btnActive", buttonsPage);
    transferToSetSsidBtn = button(tr("set wifi sid"), "transferToSetSsidBtn", buttonsPage);
    buttons->addStretch(1);
    buttons->addWidget(m_btnActive);
    buttons->addWidget(transferToSetSsidBtn);
    inActivedSetWidget->addWidget(buttonsPage);

    auto *wifiPage = new QWidget(inActivedSetWidget);
    auto *wifiGrid = new QGridLayout(wifiPage);
    wifiGrid->setContentsMargins(0, 0, 0, 0);
    wifiGrid->addWidget(label(tr("ssid:"), "ssidLabel", wifiPage), 0, 0);
    ssidLineEdit = new aptui::MultiStateLineEdit(wifiPage);
    ssidLineEdit->setObjectName(QStringLiteral("ssidLineEdit"));
    wifiGrid->addWidget(ssidLineEdit, 0, 1);
    wifiGrid->addWidget(label(tr("password:"), "wifiPasswordLabel", wifiPage), 1, 0);
    wifiPasswordLineEdit = passwordEdit("wifiPasswordLineEdit", WifiPasswordMaxLength, wifiPage);
    wifiGrid->addWidget(wifiPasswordLineEdit, 1, 1);
    auto *wifiButtons = new QHBoxLayout;
    backToActiveBtn = button(tr("back"), "backToActiveBtn", wifiPage);
    configureWifiSsidBtn = button(tr("cofigure"), "configureWifiSsidBtn", wifiPage);
    checkWifiSsidBtn = button(tr("check"), "checkWifiSsidBtn", wifiPage);
    wifiButtons->addStretch(1);
    wifiButtons->addWidget(backToActiveBtn);
    wifiButtons->addWidget(configureWifiSsidBtn);
    wifiButtons->addWidget(checkWifiSsidBtn);
    wifiGrid->addLayout(wifiButtons, 2, 0, 1, 2);
    inActivedSetWidget->addWidget(wifiPage);
    inActivedSetWidget->setCurrentIndex(0);
    layout->addWidget(inActivedSetWidget);
    return m_frameActive;
}

QWidget *DeviceModifyPage::buildModifyForm()
{
    m_frameModifyPara = new QFrame(this);
    m_frameModifyPara->setObjectName(QStringLiteral("m_frameModifyPara"));
    auto *grid = new QGridLayout(m_frameModifyPara);
    grid->setContentsMargins(20, 0, 20, 10);
    grid->setHorizontalSpacing(6);
    grid->addWidget(label(tr("Admin Password:"), "m_labelAdminPassword", m_frameModifyPara), 0, 0);
    m_lineEditAdminPassword = passwordEdit("m_lineEditAdminPassword", PasswordMaxLength, m_frameModifyPara);
    grid->addWidget(m_lineEditAdminPassword, 0, 1);
    m_labelHintAdimaPassword = hintLabel("m_labelHintAdimaPassword", m_frameModifyPara);
    grid->addWidget(m_labelHintAdimaPassword, 0, 2);
    auto *buttons = new QHBoxLayout;
    m_btnModify = button(tr("Modify"), "m_btnModify", m_frameModifyPara);
    m_btnLostPassword = button(tr("Forget Password"), "m_btnLostPassword", m_frameModifyPara);
    buttons->addStretch(1);
    buttons->addWidget(m_btnModify);
    buttons->addWidget(m_btnLostPassword);
    grid->addLayout(buttons, 1, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    return m_frameModifyPara;
}

void DeviceModifyPage::connectForm()
{
    connect(m_netParaPage, &DeviceNetParaPage::signalDhcpStateChanged, this,
            &DeviceModifyPage::onDhcpStateChanged);
    connect(m_netParaPage, &DeviceNetParaPage::signalBatchDhcpStateChanged, this,
            &DeviceModifyPage::onBatchDhcpStateChanged);
    connect(m_btnLostPassword, &QPushButton::clicked, this, &DeviceModifyPage::onForgetPassword);
    connect(m_btnModify, &QPushButton::clicked, this, &DeviceModifyPage::onModifyNetParas);
    connect(m_btnActive, &QPushButton::clicked, this, &DeviceModifyPage::onActiveDevices);
    connect(m_lineEditNewPassword, &QLineEdit::textChanged, this,
            &DeviceModifyPage::onNewPasswordTextChanged);
    connect(m_checkBoxWifi, &QCheckBox::stateChanged, this, &DeviceModifyPage::onWifiCheckBoxStateChanged);
    connect(configureWifiSsidBtn, &QPushButton::clicked, this, &DeviceModifyPage::setWifiSSID);
    connect(transferToSetSsidBtn, &QPushButton::clicked, this, &DeviceModifyPage::transferToSetSsidWidget);
    connect(backToActiveBtn, &QPushButton::clicked, this, &DeviceModifyPage::backToActiveWidget);
    connect(checkWifiSsidBtn, &QPushButton::clicked, this, &DeviceModifyPage::checkWifiSSID);

    for (QWidget *field : {static_cast<QWidget *>(m_lineEditAdminPassword),
                           static_cast<QWidget *>(m_lineEditConfirmPassword),
                           static_cast<QWidget *>(m_lineEditNewPassword),
                           static_cast<QWidget *>(channelPasswordEdit),
                           static_cast<QWidget *>(wifiPasswordLineEdit)})
        field->installEventFilter(this);
}

ModifyPage DeviceModifyPage::currentKind() const
{
    return m_kind;
}

QVector<DeviceInfo> DeviceModifyPage::currentSelection() const
{
    return m_selection;
}

QPoint DeviceModifyPage::panelMessagePosition() const
{
    const QPoint origin = parentWidget() ? parentWidget()->mapToGlobal(pos()) : pos();
    return QPoint(origin.x() + width() / 2 - 155, origin.y() + height() / 2 - 60);
}

void DeviceModifyPage::message(MessageKind kind, const QString &text,
                               aptui::MultiStateLineEdit *field, QLabel *hint)
{
    showMessage(panelMessagePosition(), kind, text, this, field, hint);
}

void DeviceModifyPage::longMessage(MessageKind kind, const QString &text,
                                   aptui::MultiStateLineEdit *field, QLabel *hint)
{
    showLongMessage(panelMessagePosition(), kind, text, this, field, hint);
}

QString DeviceModifyPage::succeedText() const
{
    return tr("Succeed");
}

QString DeviceModifyPage::wifiRegionText(int code)
{
    switch (code) {
    case 0:
        return tr("Default");
    case 1:
        return tr("China");
    case 2:
        return tr("NorthAmerica");
    case 3:
        return tr("Japan");
    case 4:
        return tr("Europe");
    case 5:
        return tr("World");
    default:
        return QString();
    }
}

TarnDeviceInfo DeviceModifyPage::storedRecord(const DeviceInfo &device) const
{
    // A device the store does not know has no abilities.
    TarnDeviceInfo record;
    TarnDeviceInfoManager::Instance()->getDeviceInfo(device.strSerialNumber, device.strMac, record);
    return record;
}

// Selection --------------------------------------------------------------

void DeviceModifyPage::beginBusy()
{
    m_busy = true;
}

void DeviceModifyPage::endBusy()
{
    m_busy = false;
    if (m_pendingSelection) {
        const PendingSelection pending = *m_pendingSelection;
        m_pendingSelection.reset();
        applySelection(pending.kind, pending.devices);
    }
}

void DeviceModifyPage::onCurrentSelectionChange(ModifyPage modifyPageType,
                                                const QVector<DeviceInfo> &vecDeviceInfo)
{
    // An operation in progress works on the selection it started with (the
    // list reports a new one, for instance, when it shows an activation);
    // the latest one is shown once the operation is over.
    if (m_busy) {
        m_pendingSelection = PendingSelection{modifyPageType, vecDeviceInfo};
        return;
    }
    applySelection(modifyPageType, vecDeviceInfo);
}

void DeviceModifyPage::applySelection(ModifyPage kind, const QVector<DeviceInfo> &vecDeviceInfo)
{
    m_kind = kind;
    m_selection = vecDeviceInfo;
    if (vecDeviceInfo.isEmpty()) {
        showEmptyState();
        return;
    }
    switch (kind) {
    case SingleActivated:
        showModifyState(false);
        break;
    case BatchActivated:
        showModifyState(true);
        break;
    case SingleInactive:
        showActivationState(false);
        break;
    case BatchInactive:
        showActivationState(true);
        break;
    case BatchMixed:
        showMixedState();
        break;
    }
}

void DeviceModifyPage::resetHints()
{
    for (aptui::MultiStateLineEdit *field :
         {m_lineEditAdminPassword, m_lineEditNewPassword, m_lineEditConfirmPassword, channelPasswordEdit})
        field->setLineEditState(aptui::MultiStateLineEdit::NORMAL);
    for (QLabel *hint : {m_labelHintAdimaPassword, m_labelHintNewPassword, m_labelHintConfirmPassword,
                         m_labelHintChannelPassword})
        hint->clear();
}

void DeviceModifyPage::showStackPage(int index)
{
    // The stack takes the height of its current page only, so that the form
    // below the short notice page follows it closely.
    for (int i = 0; i < m_stackedWidget->count(); ++i) {
        const QSizePolicy::Policy policy = i == index ? QSizePolicy::Preferred : QSizePolicy::Ignored;
        m_stackedWidget->widget(i)->setSizePolicy(policy, policy);
    }
    m_stackedWidget->setCurrentIndex(index);
    m_stackedWidget->adjustSize();
}

void DeviceModifyPage::showEmptyState()
{
    showStackPage(0);
    m_netParaPage->resetSingleMode();
    m_netParaPage->fillFromDevice(QString(), QString(), 0, 1);
    m_frameActive->hide();
    m_frameModifyPara->show();
    m_lineEditAdminPassword->clear();
    m_btnModify->setEnabled(true);
    m_btnModify->setFocus();
    m_btnModify->setEnabled(false);
    m_lineEditAdminPassword->setEnabled(false);
    m_btnLostPassword->show();
    m_btnLostPassword->setEnabled(false);
    channelPasswordLabel->hide();
    channelPasswordEdit->hide();
    resetHints();
}

void DeviceModifyPage::showModifyState(bool batch)
{
    showStackPage(0);
    if (batch) {
        m_netParaPage->resetBatchMode();
        m_netParaPage->fillForBatch(m_selection);
    } else {
        m_netParaPage->resetSingleMode();
        const DeviceInfo &device = m_selection.constFirst();
        m_netParaPage->fillFromDevice(device.strSerialNumber, device.strMac, 0, 1);
    }
    m_frameActive->hide();
    m_frameModifyPara->show();
    m_lineEditAdminPassword->setEnabled(true);
    m_lineEditAdminPassword->clear();
    m_btnModify->setEnabled(true);
    m_btnModify->show();
    m_btnModify->setFocus();
    m_btnLostPassword->setEnabled(true);
    m_btnLostPassword->setVisible(!batch);
    resetHints();
}

void DeviceModifyPage::showActivationState(bool batch)
{
    bool channelSupported = false;
    bool wifiNetworkSupported = false;
    for (const DeviceInfo &device : std::as_const(m_selection)) {
        const TarnDeviceInfo record = storedRecord(device);
        channelSupported = channelSupported || (record.extraAbilityFlags & ExtraChannelPassword);
        wifiNetworkSupported = wifiNetworkSupported || (record.extraAbilityFlags & ExtraWifiNetwork);
        if (!batch)
            break;
    }
    channelPasswordLabel->setVisible(channelSupported);
    channelPasswordEdit->setVisible(channelSupported);
    channelPasswordEdit->clear();
    transferToSetSsidBtn->setVisible(wifiNetworkSupported);

    showStackPage(1);
    m_activePage->setMode(batch ? DeviceActivePage::Mode::Batch : DeviceActivePage::Mode::Single);
    m_lineEditNewPassword->clear();
    m_lineEditConfirmPassword->clear();
    m_frameActive->show();
    m_meter->reset();
    m_frameModifyPara->hide();
    setUpWifiControls();
    resetHints();
}

void DeviceModifyPage::showMixedState()
{
    showStackPage(1);
    m_activePage->setMode(DeviceActivePage::Mode::Mixed);
    m_frameActive->hide();
    m_frameModifyPara->hide();
}

void DeviceModifyPage::setUpWifiControls()
{
    QVector<TarnDeviceInfo> records;
    records.reserve(m_selection.size());
    for (const DeviceInfo &device : std::as_const(m_selection))
        records.append(storedRecord(device));

    m_wifiMode = apt::ConfigureManager::instance()->getTranslator() == 1 ? WifiMode::Enhancement
                                                                         : WifiMode::Region;
    if (m_wifiMode == WifiMode::Enhancement) {
        m_labelWifiRegion->hide();
        m_comboBoxWifi->hide();
        m_comboBoxWifi->setEnabled(false);
        int supporting = 0;
        bool allOn = true;
        for (const TarnDeviceInfo &record : std::as_const(records)) {
            if (record.recoveryFlags & RecoveryWifiEnhancement)
                ++supporting;
            allOn = allOn && record.wifiEnhancementOn == 1;
        }
        const QSignalBlocker blocker(m_checkBoxWifi);
        if (supporting > 0 && supporting == records.size()) {
            m_checkBoxWifi->setTristate(false);
            m_checkBoxWifi->setCheckState(allOn ? Qt::Checked : Qt::Unchecked);
            m_checkBoxWifi->setEnabled(true);
            m_checkBoxWifi->show();
        } else if (supporting > 0) {
            m_checkBoxWifi->setTristate(true);
            m_checkBoxWifi->setCheckState(Qt::PartiallyChecked);
            m_checkBoxWifi->setEnabled(false);
            m_checkBoxWifi->show();
        } else {
            m_checkBoxWifi->setTristate(false);
            m_checkBoxWifi->setCheckState(Qt::Unchecked);
            m_checkBoxWifi->setEnabled(false);
            m_checkBoxWifi->hide();
        }
        return;
    }

    m_checkBoxWifi->hide();
    m_checkBoxWifi->setEnabled(false);
    int reference = -1;
    bool allOffer = true;
    bool sameMasks = true;
    for (int i = 0; i < records.size(); ++i) {
        const quint8 mask = records.at(i).wifiState;
        if (mask == 0)
            allOffer = false;
        else if (reference < 0)
            reference = i;
        if (mask != records.constFirst().wifiState)
            sameMasks = false;
    }
    m_comboBoxWifi->clear();
    if (reference < 0) {
        m_labelWifiRegion->hide();
        m_comboBoxWifi->hide();
        m_comboBoxWifi->setEnabled(false);
        return;
    }
    const TarnDeviceInfo &referenceRecord = records.at(reference);
    for (int code = 0; code < RegionCount; ++code) {
        if (referenceRecord.wifiState & (1u << code))
            m_comboBoxWifi->AddItem(wifiRegionText(code), QString(), code);
    }
    m_labelWifiRegion->show();
    m_comboBoxWifi->show();
    // Devices offering different regions cannot be given one of them together.
    m_comboBoxWifi->setEnabled(allOffer && sameMasks);
    const int current = m_comboBoxWifi->findData(int(referenceRecord.wifiParam));
    if (current >= 0)
        m_comboBoxWifi->setCurrentIndex(current);
}

DeviceModifyPage::WifiSetting DeviceModifyPage::wifiSettingFromForm() const
{
    WifiSetting setting;
    if (m_wifiMode == WifiMode::Enhancement) {
        if (!m_checkBoxWifi->isHidden() && m_checkBoxWifi->isEnabled()) {
            setting.type = WifiSettingEnhancement;
            setting.value = int(m_checkBoxWifi->checkState());
        }
    } else if (!m_comboBoxWifi->isHidden() && m_comboBoxWifi->isEnabled()
               && m_comboBoxWifi->currentIndex() >= 0) {
        setting.type = WifiSettingRegion;
        setting.value = m_comboBoxWifi->currentData().toInt();
    }
    return setting;
}

void DeviceModifyPage::onWifiCheckBoxStateChanged(int iState)
{
    if (iState == Qt::PartiallyChecked) {
        const QSignalBlocker blocker(m_checkBoxWifi);
        m_checkBoxWifi->setCheckState(Qt::Checked);
    }
}

// Input ------------------------------------------------------------------

bool DeviceModifyPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        const std::array<std::pair<aptui::MultiStateLineEdit *, QLabel *>, 4> fields = {{
            {m_lineEditAdminPassword, m_labelHintAdimaPassword},
            {m_lineEditConfirmPassword, m_labelHintConfirmPassword},
            {m_lineEditNewPassword, m_labelHintNewPassword},
            {channelPasswordEdit, m_labelHintChannelPassword},
        }};
        for (const auto &[field, hint] : fields) {
            if (watched == field) {
                hint->clear();
                field->setLineEditState(aptui::MultiStateLineEdit::NORMAL);
            }
        }
    } else if (event->type() == QEvent::KeyPress) {
        const bool passwordField = watched == m_lineEditAdminPassword || watched == m_lineEditConfirmPassword
                                   || watched == m_lineEditNewPassword || watched == channelPasswordEdit
                                   || watched == wifiPasswordLineEdit;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (passwordField
            && (key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Copy)
                || key->matches(QKeySequence::Paste)))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void DeviceModifyPage::onNewPasswordTextChanged(const QString &strText)
{
    m_meter->update(ActivationFormCheck::userName(), strText);
}

void DeviceModifyPage::onDhcpStateChanged(int iState)
{
    if (m_selection.isEmpty())
        return;
    if (iState == Qt::Checked) {
        m_netParaPage->switchToDhcp();
    } else {
        const DeviceInfo &device = m_selection.constFirst();
        m_netParaPage->fillFromDevice(device.strSerialNumber, device.strMac, 1, 1);
    }
}

void DeviceModifyPage::onBatchDhcpStateChanged(int iState)
{
    m_netParaPage->setBatchDhcp(iState == Qt::Checked);
}

void DeviceModifyPage::onForgetPassword()
{
    if (m_selection.isEmpty()) {
        message(MessageKind::Error, tr("Please select a device."));
        return;
    }
    const DeviceInfo &device = m_selection.constFirst();
    const TarnDeviceInfo record = storedRecord(device);
    emit signalCoverMainPage();
    if (record.abilityFlags & AbilityNewPasswordReset) {
        PasswordResetTarget target;
        target.strSerialNumber = device.strSerialNumber;
        target.qrAndManualKey = record.recoveryFlags & RecoveryQrAndManualKey;
        target.channelReset = record.abilityFlags & AbilityChannelReset;
        target.guid = record.recoveryFlags & RecoveryGuid;
        target.questions = record.recoveryFlags & RecoveryQuestions;
        target.recoveryBit1 = record.recoveryFlags & RecoveryBit1;
        target.reservedEmail = record.extraAbilityFlags & ExtraReservedEmail;
        target.emailTipMode = record.emailTipMode;
        target.userKind = record.userKind;
        target.userName = latin1String(record.userName);
        PasswordRecoveryLauncher::runReset(this, target);
    } else {
        PasswordRecoveryLauncher::runRestore(this, device.strSerialNumber);
    }
    emit signalDisCoverMainPage();
}

// Network parameters -----------------------------------------------------

void DeviceModifyPage::onModifyNetParas()
{
    if (m_selection.isEmpty()) {
        message(MessageKind::Error, tr("Sorry, please select the equipment."));
        return;
    }
    if (m_lineEditAdminPassword->text().isEmpty()) {
        message(MessageKind::Error, tr("Sorry, please enter the administrator password."),
                m_lineEditAdminPassword, m_labelHintAdimaPassword);
        return;
    }
    if (m_selection.size() == 1) {
        if (m_netParaPage->checkSingleFields(panelMessagePosition()))
            modifySingle();
    } else if (m_netParaPage->checkBatchFields(panelMessagePosition())) {
        modifyBatch();
    }
}

void DeviceModifyPage::modifySingle()
{
    beginBusy();
    const TarnNetParam netParam = m_netParaPage->buildNetParam();
    DeviceInfo &device = m_selection.first();
    char reply[TarnHandler::ReplyLength] = {};
    TarnHandler *handler = TarnHandler::Instance();
    if (handler->modifyDeviceNetParamV40(device.strMac, m_lineEditAdminPassword->text(), netParam,
                                         reply, TarnHandler::ReplyLength)) {
        TarnDeviceInfoManager::Instance()->setNetParam(device.strSerialNumber, device.strMac, netParam);
        device.strResult = succeedText();
        emit signalModifyResult(m_selection);
        message(MessageKind::Ok, tr("Modify network parameters succeed."));
    } else {
        const int code = handler->getLastError();
        const QString text = singleModifyErrorText(code, reply);
        if (code != ErrorDeviceDeny && code != ErrorTimeOut && code != ErrorLocked && code != ErrorPassword)
            device.strResult = text;
        message(MessageKind::Error, text);
    }
    endBusy();
}

void DeviceModifyPage::modifyBatch()
{
    beginBusy();
    const QString password = m_lineEditAdminPassword->text();
    const BatchNetValues values = m_netParaPage->batchValues();
    const bool staticAddresses = m_netParaPage->isBatchStatic();
    TarnHandler *handler = TarnHandler::Instance();
    TarnDeviceInfoManager *store = TarnDeviceInfoManager::Instance();
    QVector<DeviceInfo> devices = m_selection;
    {
        BatchProgressDialog progress(int(devices.size()), this);
        for (int i = 0; i < devices.size(); ++i) {
            DeviceInfo &device = devices[i];
            progress.advance(i, device.strSerialNumber);
            TarnNetParam netParam{};
            store->getNetParam(device.strSerialNumber, device.strMac, netParam);
            QString address;
            if (staticAddresses) {
                // A field the batch form left disabled (and so empty) keeps
                // the device's own value.
                if (!values.startAddress.isEmpty())
                    address = m_netParaPage->batchAddress(i);
                if (!address.isEmpty())
                    writeNetParamText(netParam.ipv4Address, address);
                if (!values.subnetMask.isEmpty())
                    writeNetParamText(netParam.ipv4SubnetMask, values.subnetMask);
                if (!values.gateway.isEmpty())
                    writeNetParamText(netParam.ipv4Gateway, values.gateway);
                netParam.dhcpEnabled = 0;
            } else {
                netParam.dhcpEnabled = 1;
            }
            if (values.port != 0)
                netParam.port = quint16(values.port);
            if (values.httpPort != 0)
                netParam.httpPort = quint16(values.httpPort);
            char reply[TarnHandler::ReplyLength] = {};
            if (handler->modifyDeviceNetParamV40(device.strMac, password, netParam, reply,
                                                 TarnHandler::ReplyLength)) {
                device.strResult = succeedText();
                if (!address.isEmpty())
                    device.strIPv4Address = address;
                store->setNetParam(device.strSerialNumber, device.strMac, netParam);
            } else {
                device.strResult = batchModifyErrorText(handler->getLastError(), reply);
            }
        }
    }
    m_selection = devices;
    emit signalModifyResult(devices);
    showResultPage(staticAddresses ? ModifyResultFlow::BatchModifyStatic : ModifyResultFlow::BatchModifyDhcp,
                   devices);
    endBusy();
}

// Activation -------------------------------------------------------------

void DeviceModifyPage::onActiveDevices()
{
    ActivationFormInput input;
    input.selectedDevices = int(m_selection.size());
    input.newPassword = m_lineEditNewPassword->text();
    input.confirmPassword = m_lineEditConfirmPassword->text();
    input.channelPassword = channelPasswordEdit->text();
    input.channelPasswordVisible = !channelPasswordEdit->isHidden();
    input.levelText = m_labelLevel->text();
    const ActivationFormResult result = ActivationFormCheck::check(input);
    if (!result.passed()) {
        aptui::MultiStateLineEdit *field = nullptr;
        QLabel *hint = nullptr;
        switch (result.field) {
        case ActivationFormResult::NewPasswordField:
            field = m_lineEditNewPassword;
            hint = m_labelHintNewPassword;
            break;
        case ActivationFormResult::ConfirmPasswordField:
            field = m_lineEditConfirmPassword;
            hint = m_labelHintConfirmPassword;
            break;
        case ActivationFormResult::ChannelPasswordField:
            field = channelPasswordEdit;
            hint = m_labelHintChannelPassword;
            break;
        case ActivationFormResult::NoField:
            break;
        }
        if (result.longMessage)
            longMessage(MessageKind::Error, result.message, field, hint);
        else
            message(MessageKind::Error, result.message, field, hint);
        return;
    }

    const QString password = m_lineEditNewPassword->text();
    beginBusy();
    if (!channelPasswordEdit->isHidden()) {
        m_channelPassword = channelPasswordEdit->text();
        activateWithChannelPassword(password);
    } else if (m_selection.size() == 1) {
        activateSingle(password);
    } else {
        activateBatch(password);
    }
    endBusy();
}

void DeviceModifyPage::activateSingle(const QString &strPassword)
{
    TarnHandler *handler = TarnHandler::Instance();
    DeviceInfo &device = m_selection.first();
    if (!handler->activateDevice(device.strSerialNumber, strPassword)) {
        const int code = handler->getLastError();
        QString text;
        if (code == ErrorDeviceDeny) {
            text = tr("Device deny.");
        } else if (code == ErrorTimeOut) {
            text = tr("Time out.");
        } else {
            text = tr("Error%1:others").arg(code);
            device.strResult = text;
        }
        message(MessageKind::Error, text);
        return;
    }
    TarnDeviceInfoManager::Instance()->setActivationState(device.strSerialNumber, device.strMac, 0);
    device.strResult = succeedText();
    emit signalActiveResult(m_selection);
    message(MessageKind::Ok, tr("Activate Succeed."));

    const WifiSetting setting = wifiSettingFromForm();
    if (setting.type != WifiSettingNone) {
        char reply[TarnHandler::ReplyLength] = {};
        const bool ok = applyWifiSetting(m_selection.constFirst(), setting, strPassword, reply) == 0;
        QString text;
        if (setting.type == WifiSettingRegion)
            text = ok ? tr("Set wifi region succeed.") : tr("Set wifi region failed.");
        else if (setting.value == Qt::Checked)
            text = ok ? tr("Set wifi enhancement succeed.") : tr("Set wifi enhancement failed.");
        else
            text = ok ? tr("Close wifi enhancement succeed.") : tr("Close wifi enhancement failed.");
        message(ok ? MessageKind::Ok : MessageKind::Error, text);
    }
    runSingleRecoverySetup(strPassword);
}

void DeviceModifyPage::activateBatch(const QString &strPassword)
{
    TarnHandler *handler = TarnHandler::Instance();
    TarnDeviceInfoManager *store = TarnDeviceInfoManager::Instance();
    QVector<DeviceInfo> devices = m_selection;
    const WifiSetting setting = wifiSettingFromForm();
    {
        BatchProgressDialog progress(int(devices.size()), this);
        for (int i = 0; i < devices.size(); ++i) {
            DeviceInfo &device = devices[i];
            progress.advance(i, device.strSerialNumber);
            if (handler->activateDevice(device.strSerialNumber, strPassword)) {
                device.strResult = succeedText();
                store->setActivationState(device.strSerialNumber, device.strMac, 0);
            } else {
                device.strResult = activationResultErrorText(handler->getLastError());
            }
        }
    }
    applyWifiSettingToAll(devices, setting, strPassword);
    m_selection = devices;
    const QVector<DeviceInfo> shown = runBatchRecoverySetup(devices, strPassword);
    m_selection = shown;
    const apt::ConfigureManager *config = apt::ConfigureManager::instance();
    const bool cloudOff = isCloudOffConfiguration(config->getVersionType(), config->getTranslator());
    emit signalActiveResult(shown);
    showResultPage(ModifyResultFlow::BatchActivation, shown, cloudOff, setting.type != WifiSettingNone);
}

void DeviceModifyPage::activateWithChannelPassword(const QString &strPassword)
{
    TarnHandler *handler = TarnHandler::Instance();
    TarnDeviceInfoManager *store = TarnDeviceInfoManager::Instance();
    QVector<DeviceInfo> devices = m_selection;
    const WifiSetting setting = wifiSettingFromForm();
    {
        BatchProgressDialog progress(int(devices.size()), this);
        for (int i = 0; i < devices.size(); ++i) {
            DeviceInfo &device = devices[i];
            progress.advance(i, device.strSerialNumber);
            if (!handler->activateDevice(device.strSerialNumber, strPassword)) {
                device.strResult = activationResultErrorText(handler->getLastError());
                continue;
            }
            device.strResult = succeedText();
            store->setActivationState(device.strSerialNumber, device.strMac, 0);
            if (storedRecord(device).extraAbilityFlags & ExtraChannelPassword) {
                if (handler->setChannelDefaultPassword(device.strSerialNumber, strPassword, m_channelPassword))
                    device.strChannelPasswordResult = succeedText();
                else
                    device.strChannelPasswordResult = activationResultErrorText(handler->getLastError());
            } else {
                device.strChannelPasswordResult =
                    tr("Set error:device does not support channel default password.");
            }
        }
    }
    channelPasswordLabel->hide();
    channelPasswordEdit->hide();
    applyWifiSettingToAll(devices, setting, strPassword);
    m_selection = devices;
    if (devices.isEmpty())
        return;
    const QVector<DeviceInfo> shown = runBatchRecoverySetup(devices, strPassword);
    if (shown.isEmpty()) {
        // Nothing to list, but the list must still show the activations.
        emit signalActiveResult(devices);
        return;
    }
    m_selection = shown;
    emit signalActiveResult(shown);
    showResultPage(ModifyResultFlow::ChannelPasswordActivation, shown);
}

void DeviceModifyPage::applyWifiSettingToAll(QVector<DeviceInfo> &devices, const WifiSetting &setting,
                                             const QString &strPassword)
{
    std::unique_ptr<BatchProgressDialog> progress;
    if (setting.type != WifiSettingNone)
        progress = std::make_unique<BatchProgressDialog>(int(devices.size()), this);
    for (int i = 0; i < devices.size(); ++i) {
        DeviceInfo &device = devices[i];
        if (progress)
            progress->advance(i, device.strSerialNumber);
        char reply[TarnHandler::ReplyLength] = {};
        const int code = applyWifiSetting(device, setting, strPassword, reply);
        device.strWifiResult = code == 0 ? succeedText() : wifiSettingErrorText(code, reply);
    }
}

int DeviceModifyPage::applyWifiSetting(const DeviceInfo &device, const WifiSetting &setting,
                                       const QString &strPassword, char *reply)
{
    std::memset(reply, 0, TarnHandler::ReplyLength);
    TarnHandler *handler = TarnHandler::Instance();
    auto &buffer = *reinterpret_cast<TarnHandler::ReplyBuffer *>(reply);
    bool ok = true;
    switch (setting.type) {
    case WifiSettingNone:
        return 0;
    case WifiSettingEnhancement:
        ok = handler->setWifiEnhancement(device.strSerialNumber, setting.value == Qt::Checked, strPassword,
                                         buffer);
        break;
    case WifiSettingRegion:
        ok = handler->setWifiRegion(device.strSerialNumber, quint8(setting.value), strPassword, buffer);
        break;
    }
    return ok ? 0 : handler->getLastError();
}

void DeviceModifyPage::runSingleRecoverySetup(const QString &strPassword)
{
    DeviceInfo &device = m_selection.first();
    const TarnDeviceInfo record = storedRecord(device);
    const bool guid = record.recoveryFlags & RecoveryGuid;
    const bool questions = record.recoveryFlags & RecoveryQuestions;
    const bool email = record.extraAbilityFlags & ExtraReservedEmail;
    device.strGuidState = guid ? tr("Not Exported") : tr("Not Suport");
    device.strEmailState = email ? tr("Not Set") : tr("Not Suport");
    if (!guid && !questions && !email)
        return;
    emit signalCoverMainPage();
    RecoverySetupLauncher::run(guid, questions, email, m_selection, strPassword);
    emit signalDisCoverMainPage();
}

QVector<DeviceInfo> DeviceModifyPage::runBatchRecoverySetup(const QVector<DeviceInfo> &devices,
                                                            const QString &strPassword)
{
    QVector<DeviceInfo> prepared = devices;
    bool guid = false;
    bool questions = false;
    bool email = false;
    for (DeviceInfo &device : prepared) {
        const TarnDeviceInfo record = storedRecord(device);
        // The offer follows the last device of the selection.
        guid = record.recoveryFlags & RecoveryGuid;
        questions = record.recoveryFlags & RecoveryQuestions;
        email = record.extraAbilityFlags & ExtraReservedEmail;
        device.strGuidState = guid ? tr("Not Exported") : tr("Not Suport");
        device.strEmailState = email ? tr("Not Set") : tr("Not Suport");
    }
    if (!guid && !questions && !email)
        return prepared;
    emit signalCoverMainPage();
    const QVector<DeviceInfo> returned =
        RecoverySetupLauncher::run(guid, questions, email, prepared, strPassword);
    emit signalDisCoverMainPage();
    return returned;
}

void DeviceModifyPage::showResultPage(ModifyResultFlow flow, const QVector<DeviceInfo> &devices,
                                      bool cloudOff, bool wifiSent)
{
    DeviceModifyResultPage page;
    page.showFlowResults(modifyResultSetup(flow, cloudOff, wifiSent), devices);
    emit signalCoverMainPage();
    ResultPageRunner::run(page);
    emit signalDisCoverMainPage();
}

// Wi-Fi network ----------------------------------------------------------

void DeviceModifyPage::transferToSetSsidWidget()
{
    inActivedSetWidget->setCurrentIndex(1);
    passwordConfigureWidget->hide();
}

void DeviceModifyPage::backToActiveWidget()
{
    inActivedSetWidget->setCurrentIndex(0);
    passwordConfigureWidget->show();
}

void DeviceModifyPage::setWifiSSID()
{
    const QString ssid = ssidLineEdit->text().trimmed();
    const QString password = wifiPasswordLineEdit->text();
    if (ssid.isEmpty()) {
        message(MessageKind::Error, tr("The ssid can not be empty."));
        ssidLineEdit->setFocus();
        return;
    }
    if (password.isEmpty()) {
        message(MessageKind::Error, tr("The WiFi password can not be empty."));
        wifiPasswordLineEdit->setFocus();
        return;
    }
    if (password.size() < WifiPasswordMinLength || password.size() > WifiPasswordMaxLength) {
        longMessage(MessageKind::Error, tr("Valid password range [8-64]."));
        wifiPasswordLineEdit->setFocus();
        return;
    }
    runWifiNetworkCommand(false);
}

void DeviceModifyPage::checkWifiSSID()
{
    runWifiNetworkCommand(true);
}

void DeviceModifyPage::runWifiNetworkCommand(bool check)
{
    const QString ssid = ssidLineEdit->text().trimmed();
    const QString password = wifiPasswordLineEdit->text();
    if (m_selection.isEmpty())
        return;
    beginBusy();
    TarnHandler *handler = TarnHandler::Instance();
    QVector<DeviceInfo> devices = m_selection;
    enum class Outcome { Succeeded, Failed, NotSupported };
    Outcome lastOutcome = Outcome::Succeeded;
    {
        BatchProgressDialog progress(int(devices.size()), this);
        for (int i = 0; i < devices.size(); ++i) {
            DeviceInfo &device = devices[i];
            progress.advance(i, device.strSerialNumber);
            if (!(storedRecord(device).extraAbilityFlags & ExtraWifiNetwork)) {
                lastOutcome = Outcome::NotSupported;
                device.strResult = tr("Not Support.");
                continue;
            }
            const bool ok = check ? WifiNetworkCommand::check(device.strMac, ssid, password)
                                  : WifiNetworkCommand::configure(device.strMac, ssid, password);
            if (ok) {
                lastOutcome = Outcome::Succeeded;
                device.strResult = succeedText();
            } else {
                lastOutcome = Outcome::Failed;
                const QString text = wifiNetworkErrorText(handler->getLastError());
                device.strResult = check ? tr("Check Failed.") + text : text;
            }
        }
    }
    m_selection = devices;
    if (devices.size() == 1) {
        message(lastOutcome == Outcome::Succeeded ? MessageKind::Ok : MessageKind::Error,
                devices.constFirst().strResult);
    } else {
        showResultPage(ModifyResultFlow::WifiCommands, devices);
    }
    endBusy();
}

// Texts ------------------------------------------------------------------

QString DeviceModifyPage::singleModifyErrorText(int code, const char *reply) const
{
    switch (code) {
    case ErrorDeviceDeny:
        return tr("Device deny.");
    case ErrorTimeOut:
        return tr("Time out.");
    case ErrorLocked:
        return lockMinutes(reply) != 0 ? tr("Locked,lock time:%1minutes").arg(lockMinutes(reply))
                                       : tr("Locked.");
    case ErrorPassword:
        return tr("Error password, retry times:%1").arg(retriesLeft(reply));
    default:
        return tr("Error%1:others").arg(code);
    }
}

QString DeviceModifyPage::batchModifyErrorText(int code, const char *reply) const
{
    switch (code) {
    case ErrorDeviceDeny:
        return tr("Error%1:device deny").arg(code);
    case ErrorTimeOut:
        return tr("Error%1:time out").arg(code);
    case ErrorLocked:
    case ErrorPassword:
        return singleModifyErrorText(code, reply);
    default:
        return tr("Error%1:others").arg(code);
    }
}

QString DeviceModifyPage::activationResultErrorText(int code) const
{
    switch (code) {
    case ErrorDeviceDeny:
        return tr("Error%1:Device deny.").arg(code);
    case ErrorReactive:
        return tr("Error%1:reactive").arg(code);
    default:
        return tr("Error%1:others").arg(code);
    }
}

QString DeviceModifyPage::wifiSettingErrorText(int code, const char *reply) const
{
    switch (code) {
    case ErrorDeviceDeny:
    case ErrorTimeOut:
    case ErrorLocked:
    case ErrorPassword:
        return singleModifyErrorText(code, reply);
    default:
        return tr("Error%1:others").arg(code);
    }
}

QString DeviceModifyPage::wifiNetworkErrorText(int code) const
{
    switch (code) {
    case ErrorParameter:
        return tr("Error%1:parameter error.").arg(code);
    case ErrorSendFailed:
        return tr("Error%1:send data failed.").arg(code);
    case ErrorDeviceDeny:
        return tr("Error%1:device deny.").arg(code);
    case ErrorTimeOut:
    case ErrorNotSupported:
        return tr("Error%1:time out.").arg(code);
    case ErrorPassword:
        return tr("Error%1:Incorrect password.").arg(code);
    case ErrorVerificationCode:
        return tr("Error%1:Incorrect verification code.").arg(code);
    default:
        return tr("Error%1:other.").arg(code);
    }
}

} // namespace TarnTool
