#ifndef NETPARAFORM_H
#define NETPARAFORM_H

// The texts and field states of the network parameter form, copied out of the
// widgets so that checking them and turning them into a device record are
// plain functions that need no window.

#include <QString>

namespace TarnTool {

// The fields a check can blame; IpAddress is the start address in the batch
// form.
enum class NetParaField {
    None,
    IpAddress,
    Port,
    ServicePort,
    SubnetMask,
    Gateway,
    IPv6Address,
    IPv6Gateway,
    PrefixLength,
    HttpPort,
};

// The form for one device, texts as typed (not yet trimmed).
struct NetParaSingleForm
{
    QString ipAddress;
    QString port;
    QString servicePort;
    QString subnetMask;
    QString gateway;
    QString ipv6Address;
    QString ipv6Gateway;
    QString prefixLength;
    QString httpPort;
    bool dhcp = false;
    // Only devices with an SDK service port show that field.
    bool servicePortShown = false;
    // Disabled for devices without an HTTP port.
    bool httpPortEnabled = true;
    // The IPv6 address field stands for all three IPv6 fields.
    bool ipv6Enabled = false;
};

// The form for a batch: only enabled fields are checked and applied.
struct NetParaBatchForm
{
    QString startAddress;
    QString port;
    QString subnetMask;
    QString gateway;
    QString httpPort;
    bool startAddressEnabled = true;
    bool portEnabled = true;
    bool subnetMaskEnabled = true;
    bool gatewayEnabled = true;
    bool httpPortEnabled = true;
    // Devices in the batch, each of which needs an address of its own.
    int deviceCount = 0;
};

// What a batch gives every device: trimmed texts, and ports that are 0 when
// their field is empty or not a number (0 means "keep the device's own").
struct BatchNetValues
{
    QString startAddress;
    QString subnetMask;
    QString gateway;
    int port = 0;
    int httpPort = 0;
};

} // namespace TarnTool

#endif // NETPARAFORM_H
