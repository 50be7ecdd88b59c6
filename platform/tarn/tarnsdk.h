#ifndef TARNSDK_H
#define TARNSDK_H

// The TARN discovery library: finds the devices on the local segment and carries
// commands to one device addressed by its serial number or MAC address.
//
// Every operation returns an int; 1 or more is success, except
// TARN_SetDeviceFilterRule (any non-zero value) and TARN_GetLastError (the code
// of the last failed call on the calling thread). Texts are 8-bit and
// NUL-terminated. The wire protocol is described in docs/protocol.md.

#include "tarnrecords.h"

#ifdef __cplusplus
extern "C" {
#endif

// Error codes returned by TARN_GetLastError().
enum TarnErrorCode {
    TARN_NOERROR = 0,
    TARN_ERR_PARAMETER = 2005,        // an argument is null, too long or out of range
    TARN_ERR_NOT_STARTED = 2006,      // the operation needs TARN_Start_V40 first
    TARN_ERR_SEND_DATA = 2007,        // the request could not be built or sent
    TARN_ERR_DEVICE_DENY = 2009,      // the device refused the request
    TARN_ERR_TIMEOUT = 2011,          // no answer within the overall time-out
    TARN_ERR_SEND = 2015,             // the network socket could not be set up for sending
    TARN_ERR_RECEIVE = 2016,          // the network socket could not be set up for receiving
    TARN_ERR_LOCKED = 2018,           // too many wrong passwords: the device is locked
    TARN_ERR_NOT_SUPPORTED = 2019,    // the device does not offer this function
    TARN_ERR_ALREADY_ACTIVATED = 2021,
    TARN_ERR_ENCRYPT_REQUIRED = 2022,
    TARN_ERR_FILE_EXPIRED = 2023,
    TARN_ERR_PASSWORD = 2024,
    TARN_ERR_GUID = 2026,
    TARN_ERR_ANSWER = 2027,
    TARN_ERR_QUESTION_COUNT = 2028,
    TARN_ERR_VERIFY_CODE = 2033,
    TARN_ERR_KEY_CHANGED = 2040       // the device answered with a key other than the one it announced
};

// Device filter rule bits for TARN_SetDeviceFilterRule (first argument).
enum TarnFilterRule {
    TARN_FILTER_MALFORMED = 0x1,      // hide announcements without a serial number or a well-formed MAC
    TARN_FILTER_KEY_CHANGED = 0x2     // hide announcements whose device key differs from the first one seen
};

// Called on the library's own thread, once per announcement; the record is only
// valid during the call.
typedef void (*TARN_AnnouncementCallback)(const TarnAnnouncement *announcement, void *userData);

int TARN_Start_V40(TARN_AnnouncementCallback callback, int flag, void *userData);
int TARN_Stop(void);
int TARN_SendInquiry(void);
int TARN_Clearup(void);
int TARN_SetLogToFile(int logLevel, const char *logDirectory, int autoDelete);
int TARN_SetDeviceFilterRule(int rule, int reserved1, int reserved2);
int TARN_GetLastError(void);

int TARN_ActivateDevice(const char *serialNumber, const char *password);
int TARN_ModifyDeviceNetParam_V40(const char *macAddress, const char *password,
                                  const TarnNetParam *netParam, char *reply, unsigned int replyLength);
int TARN_GetDeviceConfig(const char *serialNumber, unsigned int command, const void *input,
                         unsigned int inputLength, void *output, unsigned int outputLength);
int TARN_SetDeviceConfig(const char *serialNumber, unsigned int command, const void *input,
                         unsigned int inputLength, void *output, unsigned int outputLength);
int TARN_WifiParamCfg(const char *macAddress, const char *ssid, const char *password);
int TARN_WifiParamCheck(const char *macAddress, const char *ssid, const char *password);
int TARN_ResetPasswd_V40(const char *serialNumber, const void *resetRequest, void *failureInfo);
int TARN_ResetDefaultPasswd(const char *serialNumber, const char *securityCode);

#ifdef __cplusplus
}
#endif

#endif // TARNSDK_H
