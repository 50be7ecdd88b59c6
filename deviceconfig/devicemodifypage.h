#ifndef DEVICEMODIFYPAGE_H
#define DEVICEMODIFYPAGE_H

// The right-hand configuration panel of the main window: it shows the form
// that fits the devices checked in the list (network parameters, activation,
// or a notice) and runs the operations on them.

#include <QVector>
#include <QWidget>

#include "deviceinfo.h"
#include "modifypage.h"

namespace TarnTool {

class DeviceModifyPage : public QWidget
{
    Q_OBJECT

public:
    static constexpr int PanelWidth = 410;

    explicit DeviceModifyPage(QWidget *parent = nullptr);
    ~DeviceModifyPage() override;

    // The kind and devices of the last selection the list reported.
    ModifyPage currentKind() const;
    QVector<DeviceInfo> currentSelection() const;

signals:
    void signalModifyResult(const QVector<DeviceInfo> &vecDeviceInfo);
    void signalActiveResult(const QVector<DeviceInfo> &vecDeviceInfo);
    void signalCoverMainPage();
    void signalDisCoverMainPage();

public slots:
    void onCurrentSelectionChange(ModifyPage modifyPageType, const QVector<DeviceInfo> &vecDeviceInfo);

private:
    ModifyPage m_kind = SingleActivated;
    QVector<DeviceInfo> m_selection;
};

} // namespace TarnTool

#endif // DEVICEMODIFYPAGE_H
