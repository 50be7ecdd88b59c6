#ifndef DEVICEMODIFYPAGE_H
#define DEVICEMODIFYPAGE_H

// The right-hand configuration panel of the main window: it shows the form
// that fits the devices checked in the list (network parameters for activated
// devices, the activation form for devices that are not activated yet, or a
// notice for a mix of both), runs the operations on them one device at a
// time and reports each result in a message box or the batch result list.
// The updated selection goes back to the list so that its rows show the new
// state. Commands run synchronously on the GUI thread.

#include <QPoint>
#include <QString>
#include <QVector>
#include <QWidget>

#include <memory>
#include <optional>

#include "deviceinfo.h"
#include "messagekind.h"
#include "modifypage.h"
#include "tarndeviceinfo.h"

class QComboBox;
class QEvent;
class QFrame;
class QLabel;
class QPushButton;
class QStackedWidget;

namespace aptui {
class MultiStateLineEdit;
}

namespace MirelGUIToolkit {
class CCheckBox;
class CComboBox;
}

namespace TarnTool {

class DeviceActivePage;
class DeviceModifyResultPage;
class DeviceNetParaPage;
class PasswordStrengthMeter;
enum class ModifyResultFlow;

class DeviceModifyPage : public QWidget
{
    Q_OBJECT

public:
    static constexpr int PanelWidth = 410;

    // The Wi-Fi setting the activation form sends after activation.
    enum WifiSettingType { WifiSettingNone = 0, WifiSettingEnhancement = 1, WifiSettingRegion = 2 };
    struct WifiSetting
    {
        WifiSettingType type = WifiSettingNone;
        // Enhancement: the check state (0 off, 2 on). Region: the region code.
        int value = 0;
    };

    explicit DeviceModifyPage(QWidget *parent = nullptr);
    ~DeviceModifyPage() override;

    // The kind and devices of the last selection the list reported.
    ModifyPage currentKind() const;
    QVector<DeviceInfo> currentSelection() const;

    // What the form would send now.
    WifiSetting wifiSettingFromForm() const;

    // The point at which the panel's messages appear.
    QPoint panelMessagePosition() const;

    // The item text of a Wi-Fi region code; empty for codes outside 0..5.
    static QString wifiRegionText(int code);

signals:
    void signalModifyResult(const QVector<DeviceInfo> &vecDeviceInfo);
    void signalActiveResult(const QVector<DeviceInfo> &vecDeviceInfo);
    void signalCoverMainPage();
    void signalDisCoverMainPage();

public slots:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void onForgetPassword();
    void onCurrentSelectionChange(ModifyPage modifyPageType, const QVector<DeviceInfo> &vecDeviceInfo);
    void onModifyNetParas();
    void onActiveDevices();
    void onNewPasswordTextChanged(const QString &strText);
    void onDhcpStateChanged(int iState);
    void onBatchDhcpStateChanged(int iState);
    void onWifiCheckBoxStateChanged(int iState);
    void setWifiSSID();
    void transferToSetSsidWidget();
    void backToActiveWidget();
    void checkWifiSSID();

private:
    enum class WifiMode { Enhancement, Region };

    void buildForm();
    QWidget *buildActivationForm();
    QWidget *buildModifyForm();
    void connectForm();

    void applySelection(ModifyPage kind, const QVector<DeviceInfo> &vecDeviceInfo);
    void showStackPage(int index);
    void showEmptyState();
    void showModifyState(bool batch);
    void showActivationState(bool batch);
    void showMixedState();
    void setUpWifiControls();
    void resetHints();

    TarnDeviceInfo storedRecord(const DeviceInfo &device) const;

    void modifySingle();
    void modifyBatch();

    void activateSingle(const QString &strPassword);
    void activateBatch(const QString &strPassword);
    void activateWithChannelPassword(const QString &strPassword);
    // Sends the setting to every device in order; each gets its Wi-Fi result.
    void applyWifiSettingToAll(QVector<DeviceInfo> &devices, const WifiSetting &setting,
                               const QString &strPassword);
    // 0 on success (or nothing to send), else the library's error code.
    int applyWifiSetting(const DeviceInfo &device, const WifiSetting &setting,
                         const QString &strPassword, char *reply);
    void runSingleRecoverySetup(const QString &strPassword);
    QVector<DeviceInfo> runBatchRecoverySetup(const QVector<DeviceInfo> &devices,
                                              const QString &strPassword);
    void runWifiNetworkCommand(bool check);

    void showResultPage(ModifyResultFlow flow, const QVector<DeviceInfo> &devices,
                        bool cloudOff = false, bool wifiSent = false);

    // Error texts; reply is the 128-byte reply buffer of the failed command.
    QString singleModifyErrorText(int code, const char *reply) const;
    QString batchModifyErrorText(int code, const char *reply) const;
    QString activationResultErrorText(int code) const;
    QString wifiSettingErrorText(int code, const char *reply) const;
    QString wifiNetworkErrorText(int code) const;
    QString succeedText() const;

    void message(MessageKind kind, const QString &text, aptui::MultiStateLineEdit *field = nullptr,
                 QLabel *hint = nullptr);
    void longMessage(MessageKind kind, const QString &text, aptui::MultiStateLineEdit *field = nullptr,
                     QLabel *hint = nullptr);

    // True while a batch runs; selections reported meanwhile wait for its end.
    bool m_busy = false;
    struct PendingSelection
    {
        ModifyPage kind;
        QVector<DeviceInfo> devices;
    };
    std::optional<PendingSelection> m_pendingSelection;
    void beginBusy();
    void endBusy();

    QStackedWidget *m_stackedWidget = nullptr;
    DeviceNetParaPage *m_netParaPage = nullptr;
    DeviceActivePage *m_activePage = nullptr;

    QFrame *m_frameActive = nullptr;
    QStackedWidget *inActivedSetWidget = nullptr;
    QPushButton *m_btnActive = nullptr;
    QPushButton *transferToSetSsidBtn = nullptr;
    aptui::MultiStateLineEdit *ssidLineEdit = nullptr;
    aptui::MultiStateLineEdit *wifiPasswordLineEdit = nullptr;
    QPushButton *backToActiveBtn = nullptr;
    QPushButton *configureWifiSsidBtn = nullptr;
    QPushButton *checkWifiSsidBtn = nullptr;
    QWidget *passwordConfigureWidget = nullptr;
    aptui::MultiStateLineEdit *m_lineEditNewPassword = nullptr;
    QLabel *m_labelHintNewPassword = nullptr;
    aptui::MultiStateLineEdit *m_lineEditConfirmPassword = nullptr;
    QLabel *m_labelHintConfirmPassword = nullptr;
    QLabel *m_labelLevel1 = nullptr;
    QLabel *m_labelLevel2 = nullptr;
    QLabel *m_labelLevel3 = nullptr;
    QLabel *m_labelLevel = nullptr;
    QLabel *channelPasswordLabel = nullptr;
    aptui::MultiStateLineEdit *channelPasswordEdit = nullptr;
    QLabel *m_labelHintChannelPassword = nullptr;
    MirelGUIToolkit::CCheckBox *m_checkBoxWifi = nullptr;
    QLabel *m_labelWifiRegion = nullptr;
    MirelGUIToolkit::CComboBox *m_comboBoxWifi = nullptr;

    QFrame *m_frameModifyPara = nullptr;
    aptui::MultiStateLineEdit *m_lineEditAdminPassword = nullptr;
    QLabel *m_labelHintAdimaPassword = nullptr;
    QPushButton *m_btnModify = nullptr;
    QPushButton *m_btnLostPassword = nullptr;

    std::unique_ptr<PasswordStrengthMeter> m_meter;

    ModifyPage m_kind = SingleActivated;
    QVector<DeviceInfo> m_selection;
    QString m_channelPassword;
    WifiMode m_wifiMode = WifiMode::Region;
};

} // namespace TarnTool

#endif // DEVICEMODIFYPAGE_H
