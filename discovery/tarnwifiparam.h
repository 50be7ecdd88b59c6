#ifndef TARNWIFIPARAM_H
#define TARNWIFIPARAM_H

// The Wi-Fi parameter record sent with the WifiParam configuration command:
// either a Wi-Fi region or the Wi-Fi enhancement switch, authorised by the
// administrator password.

#include <QString>

#include <cstddef>
#include <cstdint>

struct TarnWifiParam
{
    uint8_t settingKind;  // TarnWifiSettingKind
    uint8_t regionCode;   // region kind only: 0..5
    uint8_t enhancement;  // enhancement kind only: 1 on, 0 off
    uint8_t reserved;
    char adminPassword[144];  // locale code page, zero-padded
};

enum TarnWifiSettingKind : uint8_t {
    TarnWifiSettingRegion = 1,
    TarnWifiSettingEnhancement = 2
};

static_assert(sizeof(TarnWifiParam) == 148, "Wi-Fi parameter layout");
static_assert(offsetof(TarnWifiParam, regionCode) == 1, "Wi-Fi parameter layout");
static_assert(offsetof(TarnWifiParam, enhancement) == 2, "Wi-Fi parameter layout");
static_assert(offsetof(TarnWifiParam, reserved) == 3, "Wi-Fi parameter layout");
static_assert(offsetof(TarnWifiParam, adminPassword) == 4, "Wi-Fi parameter layout");

TarnWifiParam makeWifiRegionRecord(uint8_t regionCode, const QString &adminPassword);
TarnWifiParam makeWifiEnhancementRecord(bool on, const QString &adminPassword);

#endif // TARNWIFIPARAM_H
