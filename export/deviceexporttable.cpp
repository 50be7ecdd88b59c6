#include "deviceexporttable.h"

#include <QAbstractItemModel>

namespace TarnTool {

QList<int> checkedDeviceRows(const QAbstractItemModel &model)
{
    QList<int> rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        const QVariant state = model.index(row, 0).data(Qt::CheckStateRole);
        if (state.isValid() && state.toInt() == Qt::Checked)
            rows.append(row);
    }
    return rows;
}

DeviceExportTable deviceExportTable(const QAbstractItemModel &model, const QList<int> &rows)
{
    DeviceExportTable table;
    const int columns = model.columnCount();
    for (int column = 1; column < columns; ++column)
        table.headers.append(model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
    for (const int row : rows) {
        if (row < 0 || row >= model.rowCount())
            continue;
        QStringList cells;
        for (int column = 1; column < columns; ++column)
            cells.append(model.index(row, column).data(Qt::DisplayRole).toString());
        table.rows.append(cells);
    }
    return table;
}

} // namespace TarnTool
