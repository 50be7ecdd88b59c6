#include "netparafieldchecks.h"

#include "addressutils.h"
#include "batchaddress.h"

#include <QCoreApplication>

namespace TarnTool {

// The texts are translated in the context of the page that shows them.

namespace {

bool inRange(const QString &text, int minimum, int maximum)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok && value >= minimum && value <= maximum;
}

// Records the first failure only.
class FirstFailure
{
public:
    void check(NetParaField field, const QString &message)
    {
        if (m_result.ok() && !message.isEmpty()) {
            m_result.field = field;
            m_result.message = message;
        }
    }
    NetParaCheckResult result() const { return m_result; }

private:
    NetParaCheckResult m_result;
};

} // namespace

QString checkIpAddressText(const QString &text)
{
    const QString address = text.trimmed();
    if (address.isEmpty())
        return QCoreApplication::translate("TarnTool::DeviceNetParaPage",
                                           "Please input IP Address.");
    if (!isValidIPv4Address(address))
        return QCoreApplication::translate("TarnTool::DeviceNetParaPage",
                                           "IP Address not correct.");
    return QString();
}

QString checkPortText(const QString &text)
{
    return inRange(text, 2000, 65535)
               ? QString()
               : QCoreApplication::translate("TarnTool::DeviceNetParaPage",
                                             "Device port ranges from 2000 to 65535.");
}

QString checkHttpPortText(const QString &text)
{
    return inRange(text, 1, 65535)
               ? QString()
               : QCoreApplication::translate("TarnTool::DeviceNetParaPage",
                                             "Http port ranges from 1 to 65535.");
}

QString checkServicePortText(const QString &text)
{
    return inRange(text, 2000, 65535)
               ? QString()
               : QCoreApplication::translate("TarnTool::DeviceNetParaPage",
                                             "SDK Service Port ranges from 2000 to 65535.");
}

QString checkSubnetMaskText(const QString &text)
{
    const QString mask = text.trimmed();
    if (mask.isEmpty())
        return QCoreApplication::translate("TarnTool::DeviceNetParaPage",
                                           "Subnet mask can not be empty.");
    if (!isValidSubnetMask(mask))
        return QCoreApplication::translate("TarnTool::DeviceNetParaPage",
                                           "Subnet Mask not correct.");
    return QString();
}

QString checkGatewayText(const QString &text)
{
    const QString gateway = text.trimmed();
    if (gateway.isEmpty())
        return QCoreApplication::translate("TarnTool::DeviceNetParaPage",
                                           "Gateway can not be empty");
    if (!isValidIPv4Gateway(gateway))
        return QCoreApplication::translate("TarnTool::DeviceNetParaPage", "Gateway not correct.");
    return QString();
}

QString checkIPv6AddressText(const QString &text)
{
    const QString address = text.trimmed();
    return !address.isEmpty() && isValidIPv6Address(address)
               ? QString()
               : QCoreApplication::translate("TarnTool::DeviceNetParaPage",
                                             "IPv6 Address not correct.");
}

QString checkIPv6GatewayText(const QString &text)
{
    const QString gateway = text.trimmed();
    return !gateway.isEmpty() && isValidIPv6Address(gateway)
               ? QString()
               : QCoreApplication::translate("TarnTool::DeviceNetParaPage",
                                             "IPv6 gateway not correct.");
}

QString checkPrefixLengthText(const QString &text)
{
    return inRange(text, 0, 127)
               ? QString()
               : QCoreApplication::translate("TarnTool::DeviceNetParaPage",
                                             "IPv6 prefix length ranges from 0 to 127.");
}

QString checkBatchRoom(const QString &startAddress, int count)
{
    if (batchAddressesFit(startAddress, count))
        return QString();
    return QCoreApplication::translate(
               "TarnTool::DeviceNetParaPage",
               "Not enough addresses for %1 devices: batch addresses end at 255.255.255.254.")
        .arg(count);
}

NetParaCheckResult checkSingleNetParaForm(const NetParaSingleForm &form)
{
    FirstFailure failure;
    if (form.dhcp) {
        failure.check(NetParaField::Port, checkPortText(form.port));
        if (form.httpPortEnabled)
            failure.check(NetParaField::HttpPort, checkHttpPortText(form.httpPort));
        if (form.servicePortShown)
            failure.check(NetParaField::ServicePort, checkServicePortText(form.servicePort));
        return failure.result();
    }
    failure.check(NetParaField::IpAddress, checkIpAddressText(form.ipAddress));
    failure.check(NetParaField::Port, checkPortText(form.port));
    if (form.servicePortShown)
        failure.check(NetParaField::ServicePort, checkServicePortText(form.servicePort));
    failure.check(NetParaField::SubnetMask, checkSubnetMaskText(form.subnetMask));
    failure.check(NetParaField::Gateway, checkGatewayText(form.gateway));
    if (form.ipv6Enabled) {
        failure.check(NetParaField::IPv6Address, checkIPv6AddressText(form.ipv6Address));
        failure.check(NetParaField::IPv6Gateway, checkIPv6GatewayText(form.ipv6Gateway));
        failure.check(NetParaField::PrefixLength, checkPrefixLengthText(form.prefixLength));
    }
    if (form.httpPortEnabled)
        failure.check(NetParaField::HttpPort, checkHttpPortText(form.httpPort));
    return failure.result();
}

NetParaCheckResult checkBatchNetParaForm(const NetParaBatchForm &form)
{
    FirstFailure failure;
    if (form.startAddressEnabled) {
        failure.check(NetParaField::IpAddress, checkIpAddressText(form.startAddress));
        failure.check(NetParaField::IpAddress, checkBatchRoom(form.startAddress, form.deviceCount));
    }
    if (form.portEnabled)
        failure.check(NetParaField::Port, checkPortText(form.port));
    if (form.subnetMaskEnabled)
        failure.check(NetParaField::SubnetMask, checkSubnetMaskText(form.subnetMask));
    if (form.gatewayEnabled)
        failure.check(NetParaField::Gateway, checkGatewayText(form.gateway));
    if (form.httpPortEnabled)
        failure.check(NetParaField::HttpPort, checkHttpPortText(form.httpPort));
    return failure.result();
}

} // namespace TarnTool
