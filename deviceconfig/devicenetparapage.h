#ifndef DEVICENETPARAPAGE_H
#define DEVICENETPARAPAGE_H

// The network parameter form of the configuration panel. For one activated
// device it shows the stored parameters for editing; for a batch it asks for
// a start address and the values all devices get. It checks the input and
// builds the record the panel sends, but never sends a command itself; its
// DHCP check boxes are relayed to the panel, which decides what they do.

#include "deviceinfo.h"
#include "netparaform.h"
#include "tarnrecords.h"

#include <QPoint>
#include <QString>
#include <QVector>
#include <QWidget>

#include <array>

class QEvent;
class QGridLayout;
class QLabel;
class QObject;

namespace aptui {
class MultiStateLineEdit;
}

namespace MirelGUIToolkit {
class CCheckBox;
}

namespace TarnTool {

class DeviceNetParaPage : public QWidget
{
    Q_OBJECT

public:
    explicit DeviceNetParaPage(QWidget *parent = nullptr);
    ~DeviceNetParaPage() override;

    // Layout for one device / for a batch; both reset the hints.
    void resetSingleMode();
    void resetBatchMode();

    // Fills the single form from the device store. Both keys empty clears and
    // disables the form. forceDhcp non-zero lets dhcpWhenForced decide the
    // DHCP box (0 ticks it, 1 unticks it) instead of the stored record.
    void fillFromDevice(const QString &serialNumber, const QString &macAddress, int forceDhcp,
                        int dhcpWhenForced);
    // Prepares the batch form: empties it and enables only the fields that
    // every selected device lets a batch change.
    void fillForBatch(const QVector<DeviceInfo> &vecDeviceInfo);

    // True when the form is valid; else shows the first error at position and
    // marks its field.
    bool checkSingleFields(const QPoint &position);
    bool checkBatchFields(const QPoint &position);

    // The record of the single form.
    TarnNetParam buildNetParam() const;
    BatchNetValues batchValues() const;
    bool isBatchStatic() const;
    // The address of the device at position index of the batch (0-based);
    // empty when the start address is not valid or the batch runs out.
    QString batchAddress(int index) const;

    // Ticks the DHCP box and disables the address fields (IPv4 and IPv6).
    void switchToDhcp();
    // On: empties and disables start address, mask and gateway. Off: gives
    // them back the enabled states the batch filling chose.
    void setBatchDhcp(bool on);

    // The form's texts and field states as the checks and the record see them.
    NetParaSingleForm singleForm() const;
    NetParaBatchForm batchForm() const;

    // A mouse press on a field clears its error mark.
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    void signalDhcpStateChanged(int state);
    void signalBatchDhcpStateChanged(int state);

private:
    struct FieldRow
    {
        QLabel *caption = nullptr;
        aptui::MultiStateLineEdit *edit = nullptr;
        QLabel *hint = nullptr;
    };

    // The eleven fields, start address first.
    std::array<const FieldRow *, 11> allRows() const;
    void buildForm();
    FieldRow addFieldRow(QGridLayout *grid, int row, const QString &caption, const char *editName,
                         const char *hintName);
    void resetHints();
    void setRowShown(const FieldRow &row, bool shown);
    void setServicePortShown(bool shown);
    const FieldRow &rowOf(NetParaField field, bool batch) const;
    void showFieldError(const QPoint &position, NetParaField field, bool batch,
                        const QString &message);
    void clearAndDisableForm();

    QLabel *m_labelDeviceNetPara = nullptr;
    MirelGUIToolkit::CCheckBox *m_checkBoxDHCP = nullptr;
    MirelGUIToolkit::CCheckBox *m_checkBoxBatchDHCP = nullptr;
    QWidget *m_widgetStartIp = nullptr;
    QLabel *m_lableStartIpDescription = nullptr;
    QLabel *m_labelGrayLine = nullptr;
    QLabel *m_labelSecurity = nullptr;
    QLabel *m_labelGrayLine1 = nullptr;

    FieldRow m_startIp;      // m_lineEditStartIp
    FieldRow m_serialNumber; // m_lineEditSerialNumber
    FieldRow m_ipAddress;    // m_lineEditIpAddress
    FieldRow m_port;         // m_lineEditPort
    FieldRow m_servicePort;  // m_lineEditServicePort
    FieldRow m_subnetMask;   // m_lineEditSubnetMask
    FieldRow m_gateway;      // m_lineEditGateway
    FieldRow m_ipv6Address;  // m_lineEditIPV6Address
    FieldRow m_ipv6Gateway;  // m_lineEditIPV6Gateway
    FieldRow m_prefixLength; // m_lineEditIPV6SubnetMaskLen
    FieldRow m_httpPort;     // m_lineEditHttpPort

    bool m_servicePortShown = false;
    // What the batch filling decided, so that unticking batch DHCP does not
    // open fields the selected devices do not let a batch change.
    bool m_batchStartEnabled = true;
    bool m_batchGatewayEnabled = true;
    int m_batchDeviceCount = 0;
};

} // namespace TarnTool

#endif // DEVICENETPARAPAGE_H
