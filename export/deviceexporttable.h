#ifndef DEVICEEXPORTTABLE_H
#define DEVICEEXPORTTABLE_H

// What an export writes: the header texts of the exported columns and, per
// exported device, the cell texts of those columns in the same order. The
// device table's check-box column is never part of it.

#include <QList>
#include <QStringList>
#include <QVector>

class QAbstractItemModel;

namespace TarnTool {

struct DeviceExportTable
{
    QStringList headers;
    // One entry per device, in export order; cell i belongs to headers[i].
    QVector<QStringList> rows;
};

// Model rows, from row 0 upwards, whose column-0 item is checked.
QList<int> checkedDeviceRows(const QAbstractItemModel &model);

// Header texts (display role) of columns 1 to columnCount - 1 and the cell
// texts of the given rows in the given order; rows outside the model are
// skipped.
DeviceExportTable deviceExportTable(const QAbstractItemModel &model, const QList<int> &rows);

} // namespace TarnTool

#endif // DEVICEEXPORTTABLE_H
