#ifndef MODIFYRESULTFLOW_H
#define MODIFYRESULTFLOW_H

// How each batch operation of the configuration panel sets up the result
// list: the texts it puts in place of the defaults, the columns it hides and
// the dialog size. Kept as data so that every flow's look can be checked.

#include <QList>
#include <QSize>
#include <QString>

namespace TarnTool {

enum class ModifyResultFlow {
    BatchModifyStatic,         // batch network change, static addresses
    BatchModifyDhcp,           // batch network change with batch DHCP
    BatchActivation,           // batch activation
    ChannelPasswordActivation, // activation with channel default password
    WifiCommands,              // Wi-Fi network commands on several devices
};

struct ModifyResultSetup
{
    // Empty texts keep the page's defaults.
    QString resultHeader;
    QString totalCaption;
    QString failedCaption;
    QList<int> hiddenColumns;
    QSize size;
    // The two-column form of Wi-Fi results instead of the full list.
    bool wifiRows = false;
};

// The cloud-off configuration (VersionType 1 and Translator 1) hides the
// cloud column of the batch activation list.
bool isCloudOffConfiguration(int versionType, unsigned translator);

// cloudOff and wifiSent matter to batch activation only: whether the
// configuration is cloud-off, and whether a Wi-Fi setting was sent.
ModifyResultSetup modifyResultSetup(ModifyResultFlow flow, bool cloudOff = false,
                                    bool wifiSent = false);

} // namespace TarnTool

#endif // MODIFYRESULTFLOW_H
