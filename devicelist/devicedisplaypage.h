#ifndef DEVICEDISPLAYPAGE_H
#define DEVICEDISPLAYPAGE_H

// The left-hand page of the main window: the live device table, the count of
// online devices, Refresh and Export. It applies discovery events to the
// table and to the device store, and turns the rows the user checks into a
// selection for the configuration panel.
//
// Announcements can pour in by the thousand: new devices join the store at
// once (so that the duplicate-MAC test sees them) but reach the table in one
// batch per short interval, so that the view lays itself out and repaints
// once per batch instead of once per device.

#include <QByteArray>
#include <QModelIndex>
#include <QTimer>
#include <QVector>
#include <QWidget>

#include "deviceinfo.h"
#include "modifypage.h"
#include "tarndeviceinfo.h"

class QFrame;
class QLabel;
class QPushButton;
class QStandardItem;

namespace MirelGUIToolkit {
class CTableView;
}
namespace aptui {
class TreeViewWithLeftPixmapDelegate;
}

namespace TarnTool {

class DeviceInfoModel;

class DeviceDisplayPage : public QWidget
{
    Q_OBJECT

public:
    // Interval at which devices announced meanwhile join the table.
    static constexpr int BatchIntervalMs = 80;

    explicit DeviceDisplayPage(QWidget *parent = nullptr);
    ~DeviceDisplayPage() override;

    DeviceInfoModel *model() const;
    MirelGUIToolkit::CTableView *tableView() const;

    // Puts the devices announced since the last batch into the table now.
    void flushPendingDevices();

signals:
    void signalCurrentSelectionModelChange(ModifyPage modifyPageType, QVector<DeviceInfo> vecDeviceInfo);
    void signalCoverMainPage();
    void signalDisCoverMainPage();

public slots:
    void onDeviceLogin(const TarnDeviceInfo &struDevInfo);
    void onDeviceLogout(const TarnDeviceInfo &struDevInfo);
    void onDeviceUpdate(const TarnDeviceInfo &struDevInfo);
    void onSaveDeviceInfoToExcel();
    void onManualUpdate();
    void onDevicesModifyResult(const QVector<DeviceInfo> &vecDeviceInfo);
    void onDevicesActiveResult(const QVector<DeviceInfo> &vecDeviceInfo);
    void onSortTable(int iIndex);
    void onItemCheckChanged(QStandardItem *item);
    void onDoubleClickAction(const QModelIndex &index);
    void onHeaderCountChanged(int iLogicalIndex, int iOldVisualIndex, int iNewVisualIndex);
    void onHeaderPress(int iLogicalIndex);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildForm();
    void updateCount();
    // Model rows whose check box is checked, from row 0 upwards.
    QVector<int> checkedRows() const;
    // Tells the configuration panel what the checked rows are.
    void reportSelection(const QVector<int> &rows);
    // Brings the rows of the devices whose operation succeeded up to date
    // from the store.
    void refreshSucceededRows(const QVector<DeviceInfo> &vecDeviceInfo);
    void onBatchTimeout();
    // Appends the first count pending devices to the table.
    void appendPendingDevices(int count);

    // Most rows one timer turn adds.
    static constexpr int MaxBatchRows = 1000;

    DeviceInfoModel *model_ = nullptr;
    aptui::TreeViewWithLeftPixmapDelegate *delegate = nullptr;
    QFrame *m_frameDeviceCount = nullptr;
    QLabel *m_labelDeiceCount = nullptr;
    QFrame *m_countLine = nullptr;
    QLabel *m_labelDeviceCountValue = nullptr;
    QPushButton *m_btnExportDeviceInfo = nullptr;
    QPushButton *m_btnRefreshDeviceInfo = nullptr;
    MirelGUIToolkit::CTableView *m_tableViewTarn = nullptr;

    int lastCheckedCount = 0;
    DeviceInfo currentDeviceInfo;
    TarnDeviceInfo currentRecord{};
    QByteArray headerState;

    QVector<TarnDeviceInfo> pendingDevices;
    QTimer batchTimer;
    // While the header's check box changes the whole column.
    bool checkingColumn = false;
    // True while a batch is being appended to the model.
    bool addingRows = false;
};

} // namespace TarnTool

#endif // DEVICEDISPLAYPAGE_H
