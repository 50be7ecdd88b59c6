#ifndef WIFINETWORKCOMMAND_H
#define WIFINETWORKCOMMAND_H

// The two Wi-Fi network commands, which the configuration panel sends to the
// library itself rather than through the discovery handler: join a network,
// and check that the device can join it. The device is addressed by its MAC
// address. On failure the code is read with TarnHandler::getLastError().

#include <QByteArray>
#include <QString>

namespace TarnTool {

class WifiNetworkCommand
{
public:
    // The texts as the library takes them: the MAC address and the Wi-Fi
    // password as Latin-1 ("?" for characters outside it), the network name
    // in the local code page; each NUL-terminated by QByteArray.
    struct Arguments
    {
        QByteArray macAddress;
        QByteArray ssid;
        QByteArray password;
    };

    static Arguments arguments(const QString &macAddress, const QString &ssid,
                               const QString &password);

    // TARN_WifiParamCfg; true on a non-zero result.
    static bool configure(const QString &macAddress, const QString &ssid, const QString &password);
    // TARN_WifiParamCheck; true on a non-zero result.
    static bool check(const QString &macAddress, const QString &ssid, const QString &password);
};

} // namespace TarnTool

#endif // WIFINETWORKCOMMAND_H
