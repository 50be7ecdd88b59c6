#ifndef DEVICECONFIGCOMMAND_H
#define DEVICECONFIGCOMMAND_H

// Command codes carried by the discovery library's generic get and set
// configuration calls.
enum class DeviceConfigCommand : unsigned int {
    KeyRequest = 1,              // get
    KeyRequestQr = 2,            // get
    ExportGuid = 5,              // get
    GetSecurityQuestions = 6,    // get
    SetSecurityQuestions = 7,    // set
    WifiParam = 15,              // set
    ChannelDefaultPassword = 16, // set
    SetReservedEmail = 20,       // set
    GetEmailResetInfo = 21       // get
};

#endif // DEVICECONFIGCOMMAND_H
