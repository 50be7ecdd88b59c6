#ifndef DEVICEINFOMODEL_H
#define DEVICEINFOMODEL_H

// The item model behind the device table: one row per discovered device, 25
// columns of texts built from the device's record, address columns that sort
// in numeric order, and the user's column order from "ColumnConfig.xml".

#include "columnconfig.h"
#include "tarndeviceinfo.h"

#include <QStandardItemModel>
#include <QString>
#include <QStringList>
#include <QVector>

namespace TarnTool {

class DeviceInfoModel : public QStandardItemModel
{
    Q_OBJECT

public:
    enum ColumnId {
        ColumnCheck = 0,
        ColumnId_ = 1,
        ColumnDeviceType = 2,
        ColumnActivate = 3,
        ColumnIPv4Address = 4,
        ColumnPort = 5,
        ColumnEnhancedSdkPort = 6,
        ColumnSoftVersion = 7,
        ColumnIPv4Gateway = 8,
        ColumnHttpPort = 9,
        ColumnSerialNumber = 10,
        ColumnIPv4Mask = 11,
        ColumnMac = 12,
        ColumnChannelCount = 13,
        ColumnDspVersion = 14,
        ColumnStartTime = 15,
        ColumnIPv6Address = 16,
        ColumnIPv6Gateway = 17,
        ColumnIPv6PrefixLength = 18,
        ColumnSupportIPv6 = 19,
        ColumnSupportModIPv6 = 20,
        ColumnSupportDhcp = 21,
        ColumnIPv4Dhcp = 22,
        ColumnCloudSupport = 23,
        ColumnCloudStatus = 24,
        ColumnCount = 25,
    };

    // Header data role the table view reads on section 0.
    static constexpr int CheckSectionRole = 162;
    // Role of the check box cell holding the row's insertion serial number.
    static constexpr int InsertionOrderRole = Qt::UserRole + 1;

    // Loads the column order, creates the 25 columns and their headers.
    explicit DeviceInfoModel(QObject *parent = nullptr);

    // The header texts of ids 1 to 24 (index 0 is empty) for a product
    // variant: versionType and type as the settings give them.
    static QStringList headerTexts(int versionType, int type);

    // Appends one row.
    void addDevice(const TarnDeviceInfo &record);
    // Appends all records with a single row insertion, so that a view
    // lays itself out once for the whole batch.
    void appendDevices(const QVector<TarnDeviceInfo> &records);
    // Rewrites the texts of the row of that device (ids 2 to 24); the check
    // box and the ID stay. No row: nothing happens.
    void updateDevice(const TarnDeviceInfo &record);
    // Removes the row of that device and renumbers the IDs from there on.
    void removeDevice(const TarnDeviceInfo &record);
    // Removes every row. Fast even after a sort, unlike clear(), which also
    // throws the headers away.
    void removeAllDevices();

    // The row whose serial number and MAC cells equal the texts, or -1.
    int findRow(const QString &serialNumber, const QString &macAddress) const;

    // The model column that shows a column id; -1 outside 0 to 24.
    int columnPosition(int id) const;

    // Saves the order after the user dragged the column at visual position
    // iOldVisualIndex to iNewVisualIndex; it applies from the next start.
    // Always true: a failed save only means the order is not remembered.
    bool moveColumnConfig(int iLogicalIndex, int iOldVisualIndex, int iNewVisualIndex);

private:
    void setHeaders();
    QList<QStandardItem *> buildRow(int row, const TarnDeviceInfo &record);
    void fillTexts(int row, const TarnDeviceInfo &record);
    QStandardItem *cell(int row, int id) const;

    QString columnConfigPath;
    QVector<int> columnPositions;
    ColumnConfig columnConfig;
    qint64 m_nextInsertion = 0;
};

} // namespace TarnTool

#endif // DEVICEINFOMODEL_H
