#include "wifinetworkcommand.h"

#include "latin1text.h"
#include "tarnsdk.h"
#include "textcodec.h"

namespace TarnTool {

WifiNetworkCommand::Arguments WifiNetworkCommand::arguments(const QString &macAddress,
                                                            const QString &ssid,
                                                            const QString &password)
{
    return {toLatin1Bytes(macAddress), ConvertFromUnicode(ssid), toLatin1Bytes(password)};
}

bool WifiNetworkCommand::configure(const QString &macAddress, const QString &ssid,
                                   const QString &password)
{
    const Arguments args = arguments(macAddress, ssid, password);
    return TARN_WifiParamCfg(args.macAddress.constData(), args.ssid.constData(),
                             args.password.constData()) != 0;
}

bool WifiNetworkCommand::check(const QString &macAddress, const QString &ssid,
                               const QString &password)
{
    const Arguments args = arguments(macAddress, ssid, password);
    return TARN_WifiParamCheck(args.macAddress.constData(), args.ssid.constData(),
                               args.password.constData()) != 0;
}

} // namespace TarnTool
