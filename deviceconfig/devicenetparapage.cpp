#include "devicenetparapage.h"

#include "batchaddress.h"
#include "ccheckbox.h"
#include "cintvalidator.h"
#include "latin1text.h"
#include "messagebox.h"
#include "multistatelineedit.h"
#include "netparafieldchecks.h"
#include "netparambuilder.h"
#include "tarndeviceinfomanager.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <cstring>

namespace TarnTool {

namespace {

constexpr int captionWidth = 120;
constexpr int editWidth = 200;
constexpr int hintSize = 24;
constexpr int ipv4Length = 15;
constexpr int ipv6Length = 64;

// Devices whose auxValue1 lies here keep their address and mask in a batch.
constexpr uint32_t fixedAddressFirst = 0x9D00;
constexpr uint32_t fixedAddressLast = 0x9FFF;

// Bits of abilityFlags.
constexpr uint8_t abilityModifyIPv6 = 0x02;
constexpr uint8_t abilityDhcp = 0x04;

// Enhanced SDK service ports below this mean the device has none.
constexpr uint32_t firstServicePort = 2000;

QLabel *grayLine(QWidget *parent, const char *name)
{
    auto *line = new QLabel(parent);
    line->setObjectName(QLatin1String(name));
    line->setFixedHeight(1);
    line->setStyleSheet(QStringLiteral("background-color: #DDDDDD;"));
    return line;
}

int numberOf(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : 0;
}

} // namespace

DeviceNetParaPage::DeviceNetParaPage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("DeviceNetParaPage"));
    buildForm();

    connect(m_checkBoxDHCP, &QCheckBox::stateChanged, this,
            &DeviceNetParaPage::signalDhcpStateChanged);
    connect(m_checkBoxBatchDHCP, &QCheckBox::stateChanged, this,
            &DeviceNetParaPage::signalBatchDhcpStateChanged);

    for (const FieldRow *row : allRows())
        row->edit->installEventFilter(this);

    m_startIp.edit->setMaxLength(ipv4Length);
    m_ipAddress.edit->setMaxLength(ipv4Length);
    m_subnetMask.edit->setMaxLength(ipv4Length);
    m_gateway.edit->setMaxLength(ipv4Length);
    m_ipv6Address.edit->setMaxLength(ipv6Length);
    m_ipv6Gateway.edit->setMaxLength(ipv6Length);
    m_serialNumber.edit->setReadOnly(true);
    m_port.edit->setValidator(new MirelGUIToolkit::CIntValidator(0, 65535, m_port.edit));
    m_servicePort.edit->setValidator(
        new MirelGUIToolkit::CIntValidator(0, 65535, m_servicePort.edit));
    m_prefixLength.edit->setValidator(
        new MirelGUIToolkit::CIntValidator(0, 127, m_prefixLength.edit));
    m_httpPort.edit->setValidator(new MirelGUIToolkit::CIntValidator(0, 65535, m_httpPort.edit));

    setServicePortShown(false);
    resetSingleMode();
}

DeviceNetParaPage::~DeviceNetParaPage() = default;

std::array<const DeviceNetParaPage::FieldRow *, 11> DeviceNetParaPage::allRows() const
{
    return {&m_startIp,     &m_serialNumber, &m_ipAddress, &m_port,
            &m_servicePort, &m_subnetMask,   &m_gateway,   &m_ipv6Address,
            &m_ipv6Gateway, &m_prefixLength, &m_httpPort};
}

void DeviceNetParaPage::buildForm()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 10, 10, 10);
    layout->setSpacing(10);

    m_labelDeviceNetPara = new QLabel(this);
    m_labelDeviceNetPara->setObjectName(QStringLiteral("m_labelDeviceNetPara"));
    layout->addWidget(m_labelDeviceNetPara);

    m_checkBoxDHCP = new MirelGUIToolkit::CCheckBox(tr("Enable DHCP"), this);
    m_checkBoxDHCP->setObjectName(QStringLiteral("m_checkBoxDHCP"));
    layout->addWidget(m_checkBoxDHCP);
    m_checkBoxBatchDHCP = new MirelGUIToolkit::CCheckBox(tr("Enable DHCP"), this);
    m_checkBoxBatchDHCP->setObjectName(QStringLiteral("m_checkBoxBatchDHCP"));
    layout->addWidget(m_checkBoxBatchDHCP);

    m_widgetStartIp = new QWidget(this);
    m_widgetStartIp->setObjectName(QStringLiteral("m_widgetStartIp"));
    auto *startGrid = new QGridLayout(m_widgetStartIp);
    startGrid->setContentsMargins(0, 0, 0, 0);
    startGrid->setHorizontalSpacing(6);
    m_startIp =
        addFieldRow(startGrid, 0, tr("StartIp:"), "m_lineEditStartIp", "m_labelHintStartIp");
    m_lableStartIpDescription =
        new QLabel(tr("Please set the start Ip address,then add one"), m_widgetStartIp);
    m_lableStartIpDescription->setObjectName(QStringLiteral("m_lableStartIpDescription"));
    m_lableStartIpDescription->setWordWrap(true);
    startGrid->addWidget(m_lableStartIpDescription, 1, 1, 1, 2);
    layout->addWidget(m_widgetStartIp);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(10);
    int row = 0;
    m_serialNumber = addFieldRow(grid, row++, tr("Device Serial:"), "m_lineEditSerialNumber",
                                 "m_labelHintDeviceSerial");
    m_ipAddress =
        addFieldRow(grid, row++, tr("IP Address:"), "m_lineEditIpAddress", "m_labelHintIpAddress");
    m_port = addFieldRow(grid, row++, tr("Port:"), "m_lineEditPort", "m_labelHintPort");
    m_servicePort = addFieldRow(grid, row++, tr("Service Port:"), "m_lineEditServicePort",
                                "m_labelHintServicePort");
    m_subnetMask = addFieldRow(grid, row++, tr("Subnet Mask:"), "m_lineEditSubnetMask",
                               "m_labelHintSubnetMask");
    m_gateway = addFieldRow(grid, row++, tr("Gateway:"), "m_lineEditGateway", "m_labelHintGateway");
    m_ipv6Address = addFieldRow(grid, row++, tr("IPv6 Address:"), "m_lineEditIPV6Address",
                                "m_labelHintIPv6Address");
    m_ipv6Gateway = addFieldRow(grid, row++, tr("IPv6 Gateway:"), "m_lineEditIPV6Gateway",
                                "m_labelHintIPv6Gateway");
    m_prefixLength = addFieldRow(grid, row++, tr("IPv6 Prefix Length:"),
                                 "m_lineEditIPV6SubnetMaskLen", "m_labelHintPrefixLength");
    m_httpPort =
        addFieldRow(grid, row++, tr("Http Port:"), "m_lineEditHttpPort", "m_labelHintHttpPort");
    layout->addLayout(grid);

    layout->addWidget(m_labelGrayLine = grayLine(this, "m_labelGrayLine"));
    m_labelSecurity = new QLabel(tr("Security Verification"), this);
    m_labelSecurity->setObjectName(QStringLiteral("m_labelSecurity"));
    layout->addWidget(m_labelSecurity);
    layout->addWidget(m_labelGrayLine1 = grayLine(this, "m_labelGrayLine1"));
    layout->addStretch(1);
}

DeviceNetParaPage::FieldRow DeviceNetParaPage::addFieldRow(QGridLayout *grid, int row,
                                                           const QString &caption,
                                                           const char *editName,
                                                           const char *hintName)
{
    QWidget *owner = grid->parentWidget() ? grid->parentWidget() : this;
    FieldRow field;
    field.caption = new QLabel(caption, owner);
    field.caption->setFixedWidth(captionWidth);
    field.edit = new aptui::MultiStateLineEdit(owner);
    field.edit->setObjectName(QLatin1String(editName));
    field.edit->setFixedWidth(editWidth);
    field.edit->setMinimumHeight(30);
    field.hint = new QLabel(owner);
    field.hint->setObjectName(QLatin1String(hintName));
    field.hint->setFixedSize(hintSize, hintSize);
    grid->addWidget(field.caption, row, 0);
    grid->addWidget(field.edit, row, 1);
    grid->addWidget(field.hint, row, 2);
    return field;
}

void DeviceNetParaPage::setRowShown(const FieldRow &row, bool shown)
{
    row.caption->setVisible(shown);
    row.edit->setVisible(shown);
    row.hint->setVisible(shown);
}

void DeviceNetParaPage::setServicePortShown(bool shown)
{
    m_servicePortShown = shown;
    setRowShown(m_servicePort, shown);
}

void DeviceNetParaPage::resetHints()
{
    for (const FieldRow *row : allRows()) {
        row->hint->clear();
        row->edit->setLineEditState(aptui::MultiStateLineEdit::NORMAL);
    }
}

void DeviceNetParaPage::resetSingleMode()
{
    m_labelDeviceNetPara->setText(tr("Modify Network parameters"));
    m_widgetStartIp->hide();
    m_checkBoxBatchDHCP->hide();
    setRowShown(m_serialNumber, true);
    setRowShown(m_ipAddress, true);
    m_checkBoxDHCP->show();
    resetHints();
}

void DeviceNetParaPage::resetBatchMode()
{
    m_labelDeviceNetPara->setText(tr("Batch Modify Network parameters"));
    m_widgetStartIp->show();
    {
        // The batch filling that follows sets the fields itself.
        const QSignalBlocker blocker(m_checkBoxBatchDHCP);
        m_checkBoxBatchDHCP->setChecked(false);
    }
    m_checkBoxBatchDHCP->show();
    setRowShown(m_serialNumber, false);
    setRowShown(m_ipAddress, false);
    m_checkBoxDHCP->hide();
    resetHints();
}

void DeviceNetParaPage::clearAndDisableForm()
{
    for (const FieldRow *row :
         {&m_serialNumber, &m_ipAddress, &m_port, &m_servicePort, &m_subnetMask, &m_gateway,
          &m_ipv6Address, &m_ipv6Gateway, &m_prefixLength, &m_httpPort}) {
        row->edit->clear();
        row->edit->setEnabled(false);
    }
    m_serialNumber.edit->setReadOnly(true);
    {
        const QSignalBlocker blocker(m_checkBoxDHCP);
        m_checkBoxDHCP->setChecked(false);
    }
    m_checkBoxDHCP->setEnabled(false);
    resetHints();
}

void DeviceNetParaPage::fillFromDevice(const QString &serialNumber, const QString &macAddress,
                                       int forceDhcp, int dhcpWhenForced)
{
    if (serialNumber.isEmpty() && macAddress.isEmpty()) {
        clearAndDisableForm();
        return;
    }

    TarnNetParam param;
    std::memset(&param, 0, sizeof param);
    TarnDeviceInfo device;
    TarnDeviceInfoManager *store = TarnDeviceInfoManager::Instance();
    const bool known = store->getNetParam(serialNumber, macAddress, param) &&
                       store->getDeviceInfo(serialNumber, macAddress, device);

    // Programmatic changes of the box are not the user's: the panel would
    // answer them with a refill of its own.
    const QSignalBlocker blocker(m_checkBoxDHCP);

    m_serialNumber.edit->setEnabled(true);
    m_serialNumber.edit->setText(serialNumber);
    m_serialNumber.edit->setCursorPosition(0);

    m_ipAddress.edit->setText(latin1String(param.ipv4Address));
    m_subnetMask.edit->setText(latin1String(param.ipv4SubnetMask));
    m_gateway.edit->setText(latin1String(param.ipv4Gateway));
    // A device the store does not know leaves every field empty rather than
    // showing ports of 0.
    m_port.edit->setText(known ? QString::number(param.port) : QString());
    m_httpPort.edit->setText(known ? QString::number(param.httpPort) : QString());
    for (const FieldRow *row : {&m_ipAddress, &m_port, &m_subnetMask, &m_gateway})
        row->edit->setEnabled(true);
    m_httpPort.edit->setEnabled(param.httpPort != 0);

    if (device.addressInfoFlag == 1) {
        const QString ipv6Address = latin1String(param.ipv6Address);
        const QString ipv6Gateway = latin1String(param.ipv6Gateway);
        m_ipv6Address.edit->setText(ipv6Address.isEmpty() ? QStringLiteral("::") : ipv6Address);
        m_ipv6Gateway.edit->setText(ipv6Gateway.isEmpty() ? QStringLiteral("::") : ipv6Gateway);
        m_prefixLength.edit->setText(QString::number(param.ipv6PrefixLength));
        const bool editable = (device.abilityFlags & abilityModifyIPv6) != 0;
        for (const FieldRow *row : {&m_ipv6Address, &m_ipv6Gateway, &m_prefixLength})
            row->edit->setEnabled(editable);
    } else if (device.addressInfoFlag == 0) {
        for (const FieldRow *row : {&m_ipv6Address, &m_ipv6Gateway, &m_prefixLength}) {
            row->edit->clear();
            row->edit->setEnabled(false);
        }
    }

    if (device.abilityFlags & abilityDhcp) {
        m_checkBoxDHCP->setEnabled(true);
        const bool dhcp = forceDhcp ? dhcpWhenForced == 0 : param.dhcpEnabled == 1;
        if (dhcp) {
            switchToDhcp();
        } else {
            m_checkBoxDHCP->setChecked(false);
            m_ipAddress.edit->setFocus();
        }
    } else {
        m_checkBoxDHCP->setChecked(false);
        m_checkBoxDHCP->setEnabled(false);
        m_ipAddress.edit->setFocus();
    }

    const bool hasServicePort = device.enhancedSdkPort >= firstServicePort;
    m_servicePort.edit->setText(hasServicePort ? QString::number(device.enhancedSdkPort)
                                               : QString());
    m_servicePort.edit->setEnabled(hasServicePort);
    setServicePortShown(hasServicePort);
}

void DeviceNetParaPage::fillForBatch(const QVector<DeviceInfo> &vecDeviceInfo)
{
    TarnDeviceInfoManager *store = TarnDeviceInfoManager::Instance();
    bool startFlag = false;
    bool samePort = true;
    bool gatewayFlag = false;
    bool httpFlag = true;
    uint32_t referencePort = 0;
    for (int i = 0; i < vecDeviceInfo.size(); ++i) {
        TarnDeviceInfo device;
        store->getDeviceInfo(vecDeviceInfo.at(i).strSerialNumber, vecDeviceInfo.at(i).strMac,
                             device);
        if (i == 0)
            referencePort = device.port;
        if (device.auxValue1 < fixedAddressFirst || device.auxValue1 > fixedAddressLast)
            startFlag = true;
        if (device.port != referencePort)
            samePort = false;
        if (device.addressInfoFlag == 1)
            gatewayFlag = true;
        if (device.httpPort == 0)
            httpFlag = false;
    }
    m_batchDeviceCount = vecDeviceInfo.size();
    m_batchStartEnabled = startFlag;
    m_batchGatewayEnabled = gatewayFlag;

    for (const FieldRow *row : {&m_startIp, &m_port, &m_subnetMask, &m_gateway, &m_ipv6Address,
                                &m_ipv6Gateway, &m_prefixLength, &m_httpPort})
        row->edit->clear();
    m_startIp.edit->setEnabled(startFlag);
    m_subnetMask.edit->setEnabled(startFlag);
    m_port.edit->setEnabled(samePort);
    m_gateway.edit->setEnabled(gatewayFlag);
    m_httpPort.edit->setEnabled(httpFlag);
    for (const FieldRow *row : {&m_ipv6Address, &m_ipv6Gateway, &m_prefixLength})
        row->edit->setEnabled(false);
    {
        const QSignalBlocker blocker(m_checkBoxBatchDHCP);
        m_checkBoxBatchDHCP->setChecked(false);
    }
    m_startIp.edit->setFocus();
    setServicePortShown(false);
}

NetParaSingleForm DeviceNetParaPage::singleForm() const
{
    NetParaSingleForm form;
    form.ipAddress = m_ipAddress.edit->text();
    form.port = m_port.edit->text();
    form.servicePort = m_servicePort.edit->text();
    form.subnetMask = m_subnetMask.edit->text();
    form.gateway = m_gateway.edit->text();
    form.ipv6Address = m_ipv6Address.edit->text();
    form.ipv6Gateway = m_ipv6Gateway.edit->text();
    form.prefixLength = m_prefixLength.edit->text();
    form.httpPort = m_httpPort.edit->text();
    form.dhcp = m_checkBoxDHCP->isChecked();
    form.servicePortShown = m_servicePortShown;
    form.httpPortEnabled = m_httpPort.edit->isEnabledTo(this);
    form.ipv6Enabled = m_ipv6Address.edit->isEnabledTo(this);
    return form;
}

NetParaBatchForm DeviceNetParaPage::batchForm() const
{
    NetParaBatchForm form;
    form.startAddress = m_startIp.edit->text();
    form.port = m_port.edit->text();
    form.subnetMask = m_subnetMask.edit->text();
    form.gateway = m_gateway.edit->text();
    form.httpPort = m_httpPort.edit->text();
    form.startAddressEnabled = m_startIp.edit->isEnabledTo(this);
    form.portEnabled = m_port.edit->isEnabledTo(this);
    form.subnetMaskEnabled = m_subnetMask.edit->isEnabledTo(this);
    form.gatewayEnabled = m_gateway.edit->isEnabledTo(this);
    form.httpPortEnabled = m_httpPort.edit->isEnabledTo(this);
    form.deviceCount = m_batchDeviceCount;
    return form;
}

const DeviceNetParaPage::FieldRow &DeviceNetParaPage::rowOf(NetParaField field, bool batch) const
{
    switch (field) {
    case NetParaField::IpAddress:
        return batch ? m_startIp : m_ipAddress;
    case NetParaField::Port:
        return m_port;
    case NetParaField::ServicePort:
        return m_servicePort;
    case NetParaField::SubnetMask:
        return m_subnetMask;
    case NetParaField::Gateway:
        return m_gateway;
    case NetParaField::IPv6Address:
        return m_ipv6Address;
    case NetParaField::IPv6Gateway:
        return m_ipv6Gateway;
    case NetParaField::PrefixLength:
        return m_prefixLength;
    case NetParaField::HttpPort:
    case NetParaField::None:
        break;
    }
    return m_httpPort;
}

void DeviceNetParaPage::showFieldError(const QPoint &position, NetParaField field, bool batch,
                                       const QString &message)
{
    const FieldRow &row = rowOf(field, batch);
    showMessage(position, MessageKind::Error, message, this, row.edit, row.hint);
}

bool DeviceNetParaPage::checkSingleFields(const QPoint &position)
{
    const NetParaCheckResult result = checkSingleNetParaForm(singleForm());
    if (!result.ok())
        showFieldError(position, result.field, false, result.message);
    return result.ok();
}

bool DeviceNetParaPage::checkBatchFields(const QPoint &position)
{
    const NetParaCheckResult result = checkBatchNetParaForm(batchForm());
    if (!result.ok())
        showFieldError(position, result.field, true, result.message);
    return result.ok();
}

TarnNetParam DeviceNetParaPage::buildNetParam() const
{
    return buildNetParamFromForm(singleForm());
}

BatchNetValues DeviceNetParaPage::batchValues() const
{
    BatchNetValues values;
    values.startAddress = m_startIp.edit->text().trimmed();
    values.subnetMask = m_subnetMask.edit->text().trimmed();
    values.gateway = m_gateway.edit->text().trimmed();
    values.port = numberOf(m_port.edit->text());
    values.httpPort = numberOf(m_httpPort.edit->text());
    return values;
}

bool DeviceNetParaPage::isBatchStatic() const
{
    return !m_checkBoxBatchDHCP->isChecked();
}

QString DeviceNetParaPage::batchAddress(int index) const
{
    return batchIPv4Address(m_startIp.edit->text(), index);
}

void DeviceNetParaPage::switchToDhcp()
{
    m_checkBoxDHCP->setChecked(true);
    for (const FieldRow *row :
         {&m_ipAddress, &m_subnetMask, &m_gateway, &m_ipv6Address, &m_ipv6Gateway, &m_prefixLength})
        row->edit->setEnabled(false);
    m_port.edit->setFocus();
}

void DeviceNetParaPage::setBatchDhcp(bool on)
{
    if (on) {
        for (const FieldRow *row : {&m_startIp, &m_subnetMask, &m_gateway}) {
            row->edit->clear();
            row->edit->setEnabled(false);
        }
        return;
    }
    m_startIp.edit->setEnabled(m_batchStartEnabled);
    m_subnetMask.edit->setEnabled(m_batchStartEnabled);
    m_gateway.edit->setEnabled(m_batchGatewayEnabled);
}

bool DeviceNetParaPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        for (const FieldRow *row : allRows()) {
            if (watched == row->edit) {
                row->hint->clear();
                row->edit->setLineEditState(aptui::MultiStateLineEdit::NORMAL);
                break;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace TarnTool
