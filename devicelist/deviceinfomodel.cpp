#include "deviceinfomodel.h"

#include "cipstandarditem.h"
#include "configpaths.h"
#include "configuremanager.h"
#include "iptofullstring.h"
#include "latin1text.h"

#include <QBrush>
#include <QColor>
#include <QSignalBlocker>

#include <array>
#include <optional>

namespace TarnTool {

namespace {

const QString kColumnConfigName = QStringLiteral("ColumnConfig.xml");
const QColor kTextColour(QStringLiteral("#666666"));

QString yesNo(bool yes)
{
    return yes ? DeviceInfoModel::tr("Yes") : DeviceInfoModel::tr("No");
}

// The texts of one record, by column id; an empty optional leaves the cell
// as it is.
using CellTexts = std::array<std::optional<QString>, DeviceInfoModel::ColumnCount>;

CellTexts cellTexts(const TarnDeviceInfo &record)
{
    CellTexts texts;
    texts[DeviceInfoModel::ColumnDeviceType] = latin1String(record.deviceType);
    texts[DeviceInfoModel::ColumnActivate] =
        record.activationState == 0 ? DeviceInfoModel::tr("Activated") : DeviceInfoModel::tr("Not activated");
    texts[DeviceInfoModel::ColumnIPv4Address] = latin1String(record.ipv4Address);
    texts[DeviceInfoModel::ColumnPort] = QString::number(record.port).rightJustified(5, QLatin1Char(' '));
    texts[DeviceInfoModel::ColumnEnhancedSdkPort] =
        record.enhancedSdkPort >= 2000 && record.enhancedSdkPort <= 65535
            ? QString::number(record.enhancedSdkPort) : DeviceInfoModel::tr("N/A");
    texts[DeviceInfoModel::ColumnSoftVersion] = latin1String(record.softwareVersion);
    texts[DeviceInfoModel::ColumnHttpPort] =
        record.httpPort >= 1 ? QString::number(record.httpPort) : DeviceInfoModel::tr("N/A");
    texts[DeviceInfoModel::ColumnSerialNumber] = latin1String(record.serialNumber);
    texts[DeviceInfoModel::ColumnIPv4Mask] = latin1String(record.ipv4SubnetMask);
    texts[DeviceInfoModel::ColumnMac] = latin1String(record.macAddress);
    texts[DeviceInfoModel::ColumnChannelCount] =
        QString::number(record.channelCount).rightJustified(2, QLatin1Char(' '));
    texts[DeviceInfoModel::ColumnDspVersion] = latin1String(record.dspVersion);
    texts[DeviceInfoModel::ColumnStartTime] = latin1String(record.startTime);
    if (record.addressInfoFlag == 1) {
        texts[DeviceInfoModel::ColumnIPv4Gateway] = latin1String(record.ipv4Gateway);
        texts[DeviceInfoModel::ColumnIPv6Address] = latin1String(record.ipv6Address);
        texts[DeviceInfoModel::ColumnIPv6Gateway] = latin1String(record.ipv6Gateway);
        texts[DeviceInfoModel::ColumnIPv6PrefixLength] =
            QString::number(record.ipv6PrefixLength).rightJustified(2, QLatin1Char(' '));
    } else if (record.addressInfoFlag == 0) {
        for (int id : {DeviceInfoModel::ColumnIPv4Gateway, DeviceInfoModel::ColumnIPv6Address,
                       DeviceInfoModel::ColumnIPv6Gateway, DeviceInfoModel::ColumnIPv6PrefixLength})
            texts[id] = QString();
    }
    if ((record.abilityFlags & 0x01) == 0)
        texts[DeviceInfoModel::ColumnSupportIPv6] = DeviceInfoModel::tr("No");
    else if (record.addressInfoFlag & 0x01)
        texts[DeviceInfoModel::ColumnSupportIPv6] = DeviceInfoModel::tr("Yes");
    texts[DeviceInfoModel::ColumnSupportModIPv6] = yesNo(record.abilityFlags & 0x02);
    texts[DeviceInfoModel::ColumnSupportDhcp] = yesNo(record.abilityFlags & 0x04);
    texts[DeviceInfoModel::ColumnIPv4Dhcp] = record.dhcpEnabled == 1 ? DeviceInfoModel::tr("ON") : DeviceInfoModel::tr("OFF");
    switch (record.cloudSupport) {
    case 0: texts[DeviceInfoModel::ColumnCloudSupport] = DeviceInfoModel::tr("N/A"); break;
    case 1: texts[DeviceInfoModel::ColumnCloudSupport] = DeviceInfoModel::tr("Yes"); break;
    case 2: texts[DeviceInfoModel::ColumnCloudSupport] = DeviceInfoModel::tr("No"); break;
    default: break;
    }
    switch (record.cloudStatus) {
    case 0: texts[DeviceInfoModel::ColumnCloudStatus] = DeviceInfoModel::tr("N/A"); break;
    case 1: texts[DeviceInfoModel::ColumnCloudStatus] = DeviceInfoModel::tr("ON"); break;
    case 2: texts[DeviceInfoModel::ColumnCloudStatus] = DeviceInfoModel::tr("OFF"); break;
    default: break;
    }
    return texts;
}

bool isAddressColumn(int id, const TarnDeviceInfo &record)
{
    return id == DeviceInfoModel::ColumnIPv4Address || id == DeviceInfoModel::ColumnIPv4Mask
        || (id == DeviceInfoModel::ColumnIPv4Gateway && record.addressInfoFlag == 1);
}

QBrush statusBrush(const TarnDeviceInfo &record)
{
    return record.activationState == 0 ? QBrush(kTextColour) : QBrush(Qt::red);
}

QString rowNumber(int row)
{
    return QString::number(row + 1).rightJustified(3, QLatin1Char('0'));
}

} // namespace

DeviceInfoModel::DeviceInfoModel(QObject *parent)
    : QStandardItemModel(0, ColumnCount, parent)
{
    columnConfigPath = apt::ConfigPaths::readPath(kColumnConfigName);
    columnConfig.load(columnConfigPath);
    columnPositions = columnConfig.positions();
    setHeaders();
}

QStringList DeviceInfoModel::headerTexts(int versionType, int type)
{
    QStringList texts{QString(),
                      tr("ID"),
                      tr("Device Type"),
                      tr("Activate"),
                      tr("IPv4 Address"),
                      tr("Port"),
                      tr("Enhanced SDK Service Port"),
                      tr("Soft Vision"),
                      tr("IPv4 GateWay"),
                      tr("HttpPort"),
                      tr("Serial Number"),
                      tr("IPv4 Mask"),
                      tr("MAC"),
                      tr("Channel NO"),
                      tr("DSP Vision"),
                      tr("Start Time"),
                      tr("IPv6 Address"),
                      tr("IPv6 GateWay"),
                      tr("IPv6 Prefix Length"),
                      tr("Is Support IPv6"),
                      tr("Is Support Mod IPv6"),
                      tr("Is Support DHCP"),
                      tr("IPv4 DHCP")};
    if (versionType != 0) {
        texts << tr("Support Pellaris") << tr("Pellaris Status");
    } else if (type != 0) {
        texts << tr("Support Orbelo") << tr("Orbelo Status");
    } else {
        texts << tr("Support Skyvane") << tr("Skyvane Status");
    }
    return texts;
}

void DeviceInfoModel::setHeaders()
{
    const apt::ConfigureManager *settings = apt::ConfigureManager::instance();
    const QStringList texts = headerTexts(settings->getVersionType(), settings->getType());
    const QVariant alignment = QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    for (int id = 0; id < ColumnCount; ++id) {
        const int section = columnPosition(id);
        setHeaderData(section, Qt::Horizontal, alignment, Qt::TextAlignmentRole);
        if (id == ColumnCheck) {
            setHeaderData(section, Qt::Horizontal, QString(), Qt::CheckStateRole);
            setHeaderData(section, Qt::Horizontal, true, CheckSectionRole);
        } else {
            setHeaderData(section, Qt::Horizontal, texts.at(id), Qt::DisplayRole);
        }
    }
}

QList<QStandardItem *> DeviceInfoModel::buildRow(int row, const TarnDeviceInfo &record)
{
    const CellTexts texts = cellTexts(record);
    QList<QStandardItem *> items(ColumnCount, nullptr);
    for (int id = 0; id < ColumnCount; ++id) {
        QStandardItem *item = isAddressColumn(id, record)
            ? new aptui::CIpStandardItem(*texts[id])
            : new QStandardItem(texts[id].value_or(QString()));
        item->setForeground(kTextColour);
        items[columnPosition(id)] = item;
    }
    QStandardItem *check = items[columnPosition(ColumnCheck)];
    check->setCheckable(true);
    check->setCheckState(Qt::Unchecked);
    check->setData(m_nextInsertion++, InsertionOrderRole);
    items[columnPosition(ColumnId_)]->setText(rowNumber(row));
    items[columnPosition(ColumnActivate)]->setForeground(statusBrush(record));
    return items;
}

void DeviceInfoModel::addDevice(const TarnDeviceInfo &record)
{
    appendRow(buildRow(rowCount(), record));
}

void DeviceInfoModel::appendDevices(const QVector<TarnDeviceInfo> &records)
{
    if (records.isEmpty())
        return;
    const int first = rowCount();
    // One rowsInserted for the batch; the cells are then filled silently and
    // announced by one dataChanged, instead of 25 signals per device.
    insertRows(first, int(records.size()));
    {
        const QSignalBlocker blocker(this);
        for (int i = 0; i < records.size(); ++i) {
            const QList<QStandardItem *> items = buildRow(first + i, records.at(i));
            for (int column = 0; column < ColumnCount; ++column)
                setItem(first + i, column, items.at(column));
        }
    }
    emit dataChanged(index(first, 0), index(rowCount() - 1, ColumnCount - 1));
}

QStandardItem *DeviceInfoModel::cell(int row, int id) const
{
    return item(row, columnPosition(id));
}

void DeviceInfoModel::fillTexts(int row, const TarnDeviceInfo &record)
{
    const CellTexts texts = cellTexts(record);
    for (int id = ColumnDeviceType; id < ColumnCount; ++id) {
        if (!texts[id])
            continue;
        QStandardItem *target = cell(row, id);
        if (isAddressColumn(id, record)) {
            if (target && target->type() == aptui::CIpStandardItem().type()) {
                static_cast<aptui::CIpStandardItem *>(target)->setAddress(*texts[id]);
            } else {
                auto *address = new aptui::CIpStandardItem(*texts[id]);
                address->setForeground(kTextColour);
                setItem(row, columnPosition(id), address);
            }
        } else if (target) {
            target->setText(*texts[id]);
            if (id == ColumnIPv4Gateway)
                target->setData(QVariant(), aptui::CIpStandardItem::IpSortRole);
        }
    }
    if (QStandardItem *status = cell(row, ColumnActivate))
        status->setForeground(statusBrush(record));
}

int DeviceInfoModel::findRow(const QString &serialNumber, const QString &macAddress) const
{
    const int serialColumn = columnPosition(ColumnSerialNumber);
    const int macColumn = columnPosition(ColumnMac);
    const int rows = rowCount();
    for (int row = 0; row < rows; ++row) {
        const QStandardItem *serial = item(row, serialColumn);
        const QStandardItem *mac = item(row, macColumn);
        if (serial && mac && serial->text() == serialNumber && mac->text() == macAddress)
            return row;
    }
    return -1;
}

void DeviceInfoModel::updateDevice(const TarnDeviceInfo &record)
{
    const int row = findRow(latin1String(record.serialNumber), latin1String(record.macAddress));
    if (row >= 0)
        fillTexts(row, record);
}

void DeviceInfoModel::removeDevice(const TarnDeviceInfo &record)
{
    const int row = findRow(latin1String(record.serialNumber), latin1String(record.macAddress));
    if (row >= 0)
        removeRow(row);
    const int idColumn = columnPosition(ColumnId_);
    for (int i = qMax(row, 0); i < rowCount(); ++i) {
        if (QStandardItem *id = item(i, idColumn))
            id->setText(rowNumber(i));
    }
}

void DeviceInfoModel::removeAllDevices()
{
    // Each item remembers where it was inserted and looks itself up from
    // there when it is deleted; after a sort that search runs across the
    // whole table for every cell (seconds for a few thousand rows). Putting
    // the rows back in insertion order first makes every lookup immediate.
    if (rowCount() > 1) {
        const int role = sortRole();
        setSortRole(InsertionOrderRole);
        sort(columnPosition(ColumnCheck));
        setSortRole(role);
    }
    removeRows(0, rowCount());
}

int DeviceInfoModel::columnPosition(int id) const
{
    if (id < 0 || id >= columnPositions.size())
        return -1;
    return columnPositions.at(id);
}

bool DeviceInfoModel::moveColumnConfig(int iLogicalIndex, int iOldVisualIndex, int iNewVisualIndex)
{
    Q_UNUSED(iLogicalIndex);
    columnConfig.move(iOldVisualIndex, iNewVisualIndex);
    // Saved to the user's folder: the program folder may be read-only, and
    // the user's copy is the one read from then on.
    columnConfig.save(apt::ConfigPaths::writePath(kColumnConfigName));
    return true;
}

} // namespace TarnTool
