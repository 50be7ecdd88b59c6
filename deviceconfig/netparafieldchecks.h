#ifndef NETPARAFIELDCHECKS_H
#define NETPARAFIELDCHECKS_H

// The input checks of the network parameter form, in the order the form
// reports them: the first failing check names its field and the translated
// message the page shows for it. Texts are trimmed before they are checked.

#include "netparaform.h"

#include <QString>

namespace TarnTool {

struct NetParaCheckResult
{
    NetParaField field = NetParaField::None;
    QString message;

    bool ok() const { return field == NetParaField::None; }
};

// With DHCP: port, HTTP port, service port. Without: IP address, port,
// service port, subnet mask, gateway, the three IPv6 fields when enabled,
// HTTP port. The HTTP port only when enabled, the service port only when
// shown.
NetParaCheckResult checkSingleNetParaForm(const NetParaSingleForm &form);

// Start address (and that the batch fits below 255.255.255.254), port,
// subnet mask, gateway, HTTP port; each only when its field is enabled.
NetParaCheckResult checkBatchNetParaForm(const NetParaBatchForm &form);

// The single rules; each gives an empty text when the field passes.
QString checkIpAddressText(const QString &text);
QString checkPortText(const QString &text);
QString checkHttpPortText(const QString &text);
QString checkServicePortText(const QString &text);
QString checkSubnetMaskText(const QString &text);
QString checkGatewayText(const QString &text);
QString checkIPv6AddressText(const QString &text);
QString checkIPv6GatewayText(const QString &text);
QString checkPrefixLengthText(const QString &text);
// That count devices starting at the (valid) start address all get one.
QString checkBatchRoom(const QString &startAddress, int count);

} // namespace TarnTool

#endif // NETPARAFIELDCHECKS_H
