#ifndef TARNRECORDS_H
#define TARNRECORDS_H

// Records that cross the discovery library's interface. They are fixed-size,
// little-endian, zero-filled blocks; text fields hold 8-bit text and carry no
// terminating zero when full.

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

// One device announcement as the library hands it to the callback.
typedef struct TarnAnnouncement {
    char auxText1[12];
    char serialNumber[48];
    char macAddress[20];
    char ipv4Address[16];
    char ipv4SubnetMask[16];
    uint32_t auxValue1;
    uint32_t port;
    uint32_t channelCount;
    uint32_t auxValue2;
    char softwareVersion[48];
    char dspVersion[48];
    char startTime[48];
    int32_t messageType;
    char deviceType[24];
    char auxText2[24];
    char ipv4Gateway[16];
    char ipv6Address[46];
    char ipv6Gateway[46];
    uint8_t ipv6PrefixLength;
    uint8_t abilityFlags;
    uint8_t dhcpEnabled;
    uint8_t addressInfoFlag;
    uint16_t httpPort;
    uint16_t auxWord1;
    char auxText3[16];
    uint16_t auxWord2;
    uint8_t auxByte1;
    uint8_t activationState;
    char auxText4[24];
    uint8_t recoveryFlags;
    uint8_t cloudSupport;
    uint8_t cloudStatus;
    uint8_t auxByte2;
    int32_t recordState;
    uint8_t cloudCodeRequired;
    uint8_t auxByte3;
    uint16_t auxWord3;
    uint8_t wifiState;
    uint8_t wifiEnhancementOn;
    uint8_t wifiParam;
    uint8_t extraAbilityFlags;
    uint8_t unread1[19];
    uint8_t emailTipMode;
    uint32_t enhancedSdkPort;
    uint8_t userKind;
    uint8_t unread2[2];
    char userName[33];
} TarnAnnouncement;

// Network parameters of one device: read from the device store, sent with
// TARN_ModifyDeviceNetParam_V40.
typedef struct TarnNetParam {
    char ipv4Address[16];
    char ipv4SubnetMask[16];
    char ipv4Gateway[16];
    char ipv6Address[128];
    char ipv6Gateway[128];
    uint16_t port;
    uint8_t ipv6PrefixLength;
    uint8_t dhcpEnabled;
    uint16_t httpPort;
    uint16_t reserved1;
    uint32_t sdkServicePort;
    uint8_t reserved2[124];
} TarnNetParam;

enum {
    TARN_ANNOUNCEMENT_SIZE = 560,
    TARN_NET_PARAM_SIZE = 440,
    TARN_RESET_REQUEST_SIZE = 14256,   // input of TARN_ResetPasswd_V40
    TARN_RESET_FAILURE_SIZE = 256,     // output of TARN_ResetPasswd_V40
    TARN_MAX_CONFIG_LENGTH = 65536     // largest input or output of the generic config calls
};

#ifdef __cplusplus
}

static_assert(sizeof(TarnAnnouncement) == TARN_ANNOUNCEMENT_SIZE, "announcement layout");
static_assert(offsetof(TarnAnnouncement, serialNumber) == 12, "announcement layout");
static_assert(offsetof(TarnAnnouncement, macAddress) == 60, "announcement layout");
static_assert(offsetof(TarnAnnouncement, ipv4Address) == 80, "announcement layout");
static_assert(offsetof(TarnAnnouncement, auxValue1) == 112, "announcement layout");
static_assert(offsetof(TarnAnnouncement, softwareVersion) == 128, "announcement layout");
static_assert(offsetof(TarnAnnouncement, startTime) == 224, "announcement layout");
static_assert(offsetof(TarnAnnouncement, messageType) == 272, "announcement layout");
static_assert(offsetof(TarnAnnouncement, deviceType) == 276, "announcement layout");
static_assert(offsetof(TarnAnnouncement, ipv4Gateway) == 324, "announcement layout");
static_assert(offsetof(TarnAnnouncement, ipv6Address) == 340, "announcement layout");
static_assert(offsetof(TarnAnnouncement, ipv6Gateway) == 386, "announcement layout");
static_assert(offsetof(TarnAnnouncement, ipv6PrefixLength) == 432, "announcement layout");
static_assert(offsetof(TarnAnnouncement, httpPort) == 436, "announcement layout");
static_assert(offsetof(TarnAnnouncement, auxText3) == 440, "announcement layout");
static_assert(offsetof(TarnAnnouncement, activationState) == 459, "announcement layout");
static_assert(offsetof(TarnAnnouncement, recoveryFlags) == 484, "announcement layout");
static_assert(offsetof(TarnAnnouncement, recordState) == 488, "announcement layout");
static_assert(offsetof(TarnAnnouncement, wifiState) == 496, "announcement layout");
static_assert(offsetof(TarnAnnouncement, extraAbilityFlags) == 499, "announcement layout");
static_assert(offsetof(TarnAnnouncement, emailTipMode) == 519, "announcement layout");
static_assert(offsetof(TarnAnnouncement, enhancedSdkPort) == 520, "announcement layout");
static_assert(offsetof(TarnAnnouncement, userKind) == 524, "announcement layout");
static_assert(offsetof(TarnAnnouncement, userName) == 527, "announcement layout");

static_assert(sizeof(TarnNetParam) == TARN_NET_PARAM_SIZE, "net param layout");
static_assert(offsetof(TarnNetParam, ipv4SubnetMask) == 16, "net param layout");
static_assert(offsetof(TarnNetParam, ipv4Gateway) == 32, "net param layout");
static_assert(offsetof(TarnNetParam, ipv6Address) == 48, "net param layout");
static_assert(offsetof(TarnNetParam, ipv6Gateway) == 176, "net param layout");
static_assert(offsetof(TarnNetParam, port) == 304, "net param layout");
static_assert(offsetof(TarnNetParam, ipv6PrefixLength) == 306, "net param layout");
static_assert(offsetof(TarnNetParam, dhcpEnabled) == 307, "net param layout");
static_assert(offsetof(TarnNetParam, httpPort) == 308, "net param layout");
static_assert(offsetof(TarnNetParam, sdkServicePort) == 312, "net param layout");
#endif

#endif // TARNRECORDS_H
