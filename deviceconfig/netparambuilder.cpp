#include "netparambuilder.h"

#include "latin1text.h"

#include <algorithm>
#include <cstring>

namespace TarnTool {

namespace {

// The value of a decimal text when it lies in 0..maximum, else 0.
unsigned numberOf(const QString &text, unsigned maximum)
{
    bool ok = false;
    const unsigned value = text.trimmed().toUInt(&ok);
    return ok && value <= maximum ? value : 0;
}

} // namespace

void writeNetParamText(char *field, std::size_t size, const QString &text)
{
    std::memset(field, 0, size);
    const QByteArray bytes = toLatin1Bytes(text);
    std::memcpy(field, bytes.constData(), std::min<std::size_t>(size, bytes.size()));
}

TarnNetParam buildNetParamFromForm(const NetParaSingleForm &form)
{
    TarnNetParam param;
    std::memset(&param, 0, sizeof param);
    writeNetParamText(param.ipv4Address, form.ipAddress.trimmed());
    writeNetParamText(param.ipv4SubnetMask, form.subnetMask.trimmed());
    writeNetParamText(param.ipv4Gateway, form.gateway.trimmed());
    writeNetParamText(param.ipv6Address, form.ipv6Address.trimmed());
    writeNetParamText(param.ipv6Gateway, form.ipv6Gateway.trimmed());
    param.port = static_cast<uint16_t>(numberOf(form.port, 0xFFFF));
    param.ipv6PrefixLength = static_cast<uint8_t>(numberOf(form.prefixLength, 0xFF));
    param.dhcpEnabled = form.dhcp ? 1 : 0;
    const unsigned httpPort = numberOf(form.httpPort, 0xFFFF);
    param.httpPort = static_cast<uint16_t>(httpPort == 0 ? 80 : httpPort);
    param.sdkServicePort = form.servicePortShown ? numberOf(form.servicePort, 0xFFFFFFFFu) : 0;
    return param;
}

} // namespace TarnTool
