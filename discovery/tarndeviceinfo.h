#ifndef TARNDEVICEINFO_H
#define TARNDEVICEINFO_H

// The program's own copy of one device announcement: a plain value record,
// zero-filled when made, copied whole, travelling by value through queued
// signals and kept per device in the device store. Its first part mirrors
// the announcement byte for byte so that one block copy fills it; texts carry
// no terminator when they fill their array, so every reader bounds them by
// the array size. A device is identified by serialNumber plus macAddress.

#include "tarnrecords.h"

#include <QMetaType>

#include <cstddef>
#include <cstdint>
#include <type_traits>

struct TarnDeviceInfo
{
    // Mirror of announcement bytes 0..499.
    char auxText1[12] = {};
    char serialNumber[48] = {};
    char macAddress[20] = {};
    char ipv4Address[16] = {};
    char ipv4SubnetMask[16] = {};
    uint32_t auxValue1 = 0;  // the batch network form treats 0x9D00..0x9FFF apart
    uint32_t port = 0;
    uint32_t channelCount = 0;
    uint32_t auxValue2 = 0;
    char softwareVersion[48] = {};
    char dspVersion[48] = {};
    char startTime[48] = {};
    int32_t messageType = 0;
    char deviceType[24] = {};
    char auxText2[24] = {};
    char ipv4Gateway[16] = {};
    char ipv6Address[46] = {};
    char ipv6Gateway[46] = {};
    uint8_t ipv6PrefixLength = 0;
    uint8_t abilityFlags = 0;
    uint8_t dhcpEnabled = 0;
    uint8_t addressInfoFlag = 0;  // 1: gateway and IPv6 fields are valid
    uint16_t httpPort = 0;
    uint16_t auxWord1 = 0;
    char auxText3[16] = {};
    uint16_t auxWord2 = 0;
    uint8_t auxByte1 = 0;
    uint8_t activationState = 0;  // 0 activated, 1 not activated
    char auxText4[24] = {};
    uint8_t recoveryFlags = 0;
    uint8_t cloudSupport = 0;
    uint8_t cloudStatus = 0;
    uint8_t auxByte2 = 0;
    int32_t recordState = 0;
    uint8_t cloudCodeRequired = 0;
    uint8_t auxByte3 = 0;
    uint16_t auxWord3 = 0;
    uint8_t wifiState = 0;  // bit n: Wi-Fi region code n offered
    uint8_t wifiEnhancementOn = 0;
    uint8_t wifiParam = 0;  // current Wi-Fi region code
    uint8_t extraAbilityFlags = 0;

    // From the announcement's tail.
    uint32_t enhancedSdkPort = 0;
    uint8_t emailTipMode = 0;
    uint8_t userKind = 0;
    char userName[33] = {};
};

// Values of messageType.
enum TarnMessageType : int32_t {
    TarnMessageAppeared = 1,
    TarnMessageChanged = 2,
    TarnMessageLeft = 3,
    TarnMessageAnnouncedAgain = 4
};

// Size of the part that mirrors the announcement.
constexpr std::size_t TarnDeviceInfoMirrorSize = 500;

static_assert(std::is_trivially_copyable_v<TarnDeviceInfo>, "copied as a block");
static_assert(std::is_standard_layout_v<TarnDeviceInfo>, "offsets are part of the contract");
static_assert(sizeof(TarnDeviceInfo) == 540, "device record layout");
static_assert(offsetof(TarnDeviceInfo, enhancedSdkPort) == TarnDeviceInfoMirrorSize, "device record layout");
static_assert(offsetof(TarnDeviceInfo, emailTipMode) == 504, "device record layout");
static_assert(offsetof(TarnDeviceInfo, userKind) == 505, "device record layout");
static_assert(offsetof(TarnDeviceInfo, userName) == 506, "device record layout");

// The mirrored part must match the announcement field for field.
#define TARN_SAME_OFFSET(field)                                                            \
    static_assert(offsetof(TarnDeviceInfo, field) == offsetof(TarnAnnouncement, field)     \
                      && sizeof(TarnDeviceInfo::field) == sizeof(TarnAnnouncement::field), \
                  "device record mirrors the announcement: " #field)
TARN_SAME_OFFSET(auxText1);
TARN_SAME_OFFSET(serialNumber);
TARN_SAME_OFFSET(macAddress);
TARN_SAME_OFFSET(ipv4Address);
TARN_SAME_OFFSET(ipv4SubnetMask);
TARN_SAME_OFFSET(auxValue1);
TARN_SAME_OFFSET(port);
TARN_SAME_OFFSET(channelCount);
TARN_SAME_OFFSET(auxValue2);
TARN_SAME_OFFSET(softwareVersion);
TARN_SAME_OFFSET(dspVersion);
TARN_SAME_OFFSET(startTime);
TARN_SAME_OFFSET(messageType);
TARN_SAME_OFFSET(deviceType);
TARN_SAME_OFFSET(auxText2);
TARN_SAME_OFFSET(ipv4Gateway);
TARN_SAME_OFFSET(ipv6Address);
TARN_SAME_OFFSET(ipv6Gateway);
TARN_SAME_OFFSET(ipv6PrefixLength);
TARN_SAME_OFFSET(abilityFlags);
TARN_SAME_OFFSET(dhcpEnabled);
TARN_SAME_OFFSET(addressInfoFlag);
TARN_SAME_OFFSET(httpPort);
TARN_SAME_OFFSET(auxWord1);
TARN_SAME_OFFSET(auxText3);
TARN_SAME_OFFSET(auxWord2);
TARN_SAME_OFFSET(auxByte1);
TARN_SAME_OFFSET(activationState);
TARN_SAME_OFFSET(auxText4);
TARN_SAME_OFFSET(recoveryFlags);
TARN_SAME_OFFSET(cloudSupport);
TARN_SAME_OFFSET(cloudStatus);
TARN_SAME_OFFSET(auxByte2);
TARN_SAME_OFFSET(recordState);
TARN_SAME_OFFSET(cloudCodeRequired);
TARN_SAME_OFFSET(auxByte3);
TARN_SAME_OFFSET(auxWord3);
TARN_SAME_OFFSET(wifiState);
TARN_SAME_OFFSET(wifiEnhancementOn);
TARN_SAME_OFFSET(wifiParam);
TARN_SAME_OFFSET(extraAbilityFlags);
#undef TARN_SAME_OFFSET
static_assert(offsetof(TarnDeviceInfo, extraAbilityFlags) + 1 == TarnDeviceInfoMirrorSize,
              "the mirrored part ends where the announcement's unread bytes begin");
static_assert(sizeof(TarnDeviceInfo::userName) == sizeof(TarnAnnouncement::userName), "device record layout");

Q_DECLARE_METATYPE(TarnDeviceInfo)

#endif // TARNDEVICEINFO_H
