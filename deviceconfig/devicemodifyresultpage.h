#ifndef DEVICEMODIFYRESULTPAGE_H
#define DEVICEMODIFYRESULTPAGE_H

// The confirmation list after a batch operation: one row per device with
// what the operation did to it, the number of devices and the number that
// failed. The caller sets captions, headers and hidden columns first, then
// fills the rows (which appends the counts to the captions) and runs it
// modally; Confirm and close both end it.

#include "basedialog.h"
#include "deviceinfo.h"
#include "modifyresultflow.h"

#include <QString>
#include <QVector>

class QLabel;
class QStandardItemModel;

namespace MirelGUIToolkit {
class CTableView;
}

namespace TarnTool {

class DeviceModifyResultPage : public aptui::BaseDialog
{
    Q_OBJECT

public:
    explicit DeviceModifyResultPage(QWidget *parent = nullptr);
    ~DeviceModifyResultPage() override;

    // The full list: ten columns per device (replacing rows shown before).
    void setResultRows(const QVector<DeviceInfo> &vecDeviceInfo);
    // The Wi-Fi form: ID and result only; columns from 2 on are hidden.
    void setWifiResultRows(const QVector<DeviceInfo> &vecDeviceInfo);

    void setColumnHeader(int column, const QString &text);
    void setTotalCaption(const QString &text);
    void setFailedCaption(const QString &text);
    void hideColumn(int column);

    // One call for a flow of the panel: its texts, hidden columns and size,
    // then the rows in the form the flow uses.
    void showFlowResults(const ModifyResultSetup &setup, const QVector<DeviceInfo> &vecDeviceInfo);

    // Rows of the last filling that count as failures.
    int failedCount() const;
    QStandardItemModel *resultModel() const;

private:
    void buildForm();
    void setDefaultHeaders();
    void appendCountsToCaptions(int total, int failed);
    int fittedColumnWidth(int column) const;

    QLabel *m_labelDeviceAll = nullptr;
    QLabel *m_labelPic = nullptr;
    QLabel *m_labelDeviceFail = nullptr;
    QLabel *m_ResultSplit = nullptr;
    MirelGUIToolkit::CTableView *m_tableViewResult = nullptr;
    QStandardItemModel *m_model = nullptr;
    int m_failedCount = 0;
};

} // namespace TarnTool

#endif // DEVICEMODIFYRESULTPAGE_H
