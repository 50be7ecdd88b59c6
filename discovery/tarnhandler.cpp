#include "tarnhandler.h"

#include "latin1text.h"
#include "tarnannouncementconverter.h"
#include "tarnchannelpassword.h"
#include "tarndevicefilter.h"
#include "tarnsdk.h"
#include "tarnwifiparam.h"
#include "textcodec.h"

#include <QDebug>

#include <cstring>

namespace TARN {

namespace {

// The library's convention for every call but the filter rule.
bool succeeded(int result)
{
    return result >= 1;
}

} // namespace

TarnHandler::TarnHandler()
{
    TARN_SetLogToFile(3, nullptr, 1);
}

TarnHandler::~TarnHandler()
{
    // The library's thread must not call back into a handler that is gone.
    stop();
}

bool TarnHandler::start()
{
    if (m_started)
        return true;
    if (!succeeded(TARN_Start_V40(&TarnHandler::announcementCallback, 1, this)))
        return false;
    m_started = true;
    return true;
}

bool TarnHandler::stop()
{
    if (!m_started)
        return true;
    if (!succeeded(TARN_Stop()))
        return false;
    m_started = false;
    return true;
}

bool TarnHandler::sendInquiry()
{
    return succeeded(TARN_SendInquiry());
}

bool TarnHandler::clearup()
{
    return succeeded(TARN_Clearup());
}

bool TarnHandler::setFilterRule(bool filter)
{
    const int rule = filter ? (TARN_FILTER_MALFORMED | TARN_FILTER_KEY_CHANGED) : 0;
    if (TARN_SetDeviceFilterRule(rule, 0, 0) != 0)
        return true;
    qDebug().nospace() << "[Tool]TARN_SetDeviceFilterRule error " << TARN_GetLastError();
    return false;
}

void TarnHandler::addDeviceFilter(TarnDeviceFilter *filter)
{
    if (filter == nullptr)
        return;
    const std::lock_guard<std::mutex> guard(m_filterMutex);
    m_deviceFilters.append(filter);
}

bool TarnHandler::modifyDeviceNetParamV40(const QString &macAddress, const QString &password,
                                          const TarnNetParam &netParam, char *reply,
                                          unsigned int replyLength)
{
    // Zeroed here, so that after a failure that never reached the device the
    // caller reads no retries or lock time left over from an earlier call.
    if (reply != nullptr && replyLength > 0)
        std::memset(reply, 0, replyLength);
    return succeeded(TARN_ModifyDeviceNetParam_V40(toLatin1Bytes(macAddress).constData(),
                                                   ConvertFromUnicode(password).constData(),
                                                   &netParam, reply, replyLength));
}

bool TarnHandler::activateDevice(const QString &serialNumber, const QString &password)
{
    if (succeeded(TARN_ActivateDevice(toLatin1Bytes(serialNumber).constData(),
                                      ConvertFromUnicode(password).constData())))
        return true;
    qDebug().nospace() << "[Tool]TARN_ActivateDevice error " << TARN_GetLastError();
    return false;
}

bool TarnHandler::getDeviceConfig(const QString &serialNumber, DeviceConfigCommand command,
                                  const void *input, unsigned int inputLength,
                                  void *output, unsigned int outputLength)
{
    return succeeded(TARN_GetDeviceConfig(toLatin1Bytes(serialNumber).constData(),
                                          static_cast<unsigned int>(command),
                                          input, inputLength, output, outputLength));
}

bool TarnHandler::setDeviceConfig(const QString &serialNumber, DeviceConfigCommand command,
                                  const void *input, unsigned int inputLength,
                                  void *output, unsigned int outputLength)
{
    return succeeded(TARN_SetDeviceConfig(toLatin1Bytes(serialNumber).constData(),
                                          static_cast<unsigned int>(command),
                                          input, inputLength, output, outputLength));
}

bool TarnHandler::resetPasswdV40(const QString &serialNumber, const void *resetRequest,
                                 void *failureInfo)
{
    return succeeded(TARN_ResetPasswd_V40(toLatin1Bytes(serialNumber).constData(),
                                          resetRequest, failureInfo));
}

bool TarnHandler::resetDefaultPasswd(const QString &serialNumber, const QString &securityCode)
{
    return succeeded(TARN_ResetDefaultPasswd(toLatin1Bytes(serialNumber).constData(),
                                             toLatin1Bytes(securityCode).constData()));
}

bool TarnHandler::setWifiEnhancement(const QString &serialNumber, bool on,
                                     const QString &password, ReplyBuffer &reply)
{
    return setWifiParam(serialNumber, makeWifiEnhancementRecord(on, password), reply);
}

bool TarnHandler::setWifiRegion(const QString &serialNumber, quint8 region,
                                const QString &password, ReplyBuffer &reply)
{
    return setWifiParam(serialNumber, makeWifiRegionRecord(region, password), reply);
}

bool TarnHandler::setWifiParam(const QString &serialNumber, const TarnWifiParam &record,
                               ReplyBuffer &reply)
{
    std::memset(reply, 0, sizeof reply);
    // The Wi-Fi command addresses the device by its serial number in the
    // locale code page, unlike the other configuration commands.
    return succeeded(TARN_SetDeviceConfig(ConvertFromUnicode(serialNumber).constData(),
                                          static_cast<unsigned int>(DeviceConfigCommand::WifiParam),
                                          &record, sizeof record, reply, sizeof reply));
}

bool TarnHandler::setChannelDefaultPassword(const QString &serialNumber,
                                            const QString &adminPassword,
                                            const QString &channelPassword)
{
    const TarnChannelPassword record = makeChannelPasswordRecord(adminPassword, channelPassword);
    char reply[ReplyLength] = {};
    if (setDeviceConfig(serialNumber, DeviceConfigCommand::ChannelDefaultPassword,
                        &record, sizeof record, reply, sizeof reply))
        return true;
    qDebug().nospace() << "[Tool]Set channel default password error " << TARN_GetLastError();
    return false;
}

int TarnHandler::getLastError() const
{
    return TARN_GetLastError();
}

QString TarnHandler::errorText(int code) const
{
    switch (code) {
    case TARN_ERR_PARAMETER:
        return tr("Incorrect parameters.");
    case TARN_ERR_SEND_DATA:
        return tr("Sending the data failed.");
    case TARN_ERR_DEVICE_DENY:
        return tr("Device rejected.");
    case TARN_ERR_TIMEOUT:
        return tr("Time out.");
    case TARN_ERR_SEND:
        return tr("Sending failed.");
    case TARN_ERR_RECEIVE:
        return tr("Receiving failed.");
    case TARN_ERR_LOCKED:
        return tr("Device is locked.");
    case TARN_ERR_ENCRYPT_REQUIRED:
        return tr("The encrypted string is required.");
    case TARN_ERR_FILE_EXPIRED:
        return tr("The exported file is expired.");
    case TARN_ERR_PASSWORD:
        return tr("Wrong password.");
    case TARN_ERR_GUID:
        return tr("Invalid GUID.");
    case TARN_ERR_ANSWER:
        return tr("Incorrect answer.");
    case TARN_ERR_QUESTION_COUNT:
        return tr("Setting the number of security questions failed.");
    case TARN_ERR_VERIFY_CODE:
        return tr("Invalid verification code.");
    default:
        return tr("Error%1:others").arg(code);
    }
}

void TarnHandler::announcementCallback(const TarnAnnouncement *announcement, void *user)
{
    if (user == nullptr)
        return;
    const std::optional<TarnDeviceInfo> struDevInfo = convertAnnouncement(announcement);
    if (!struDevInfo)
        return;
    static_cast<TarnHandler *>(user)->dispatch(*struDevInfo);
}

void TarnHandler::dispatch(const TarnDeviceInfo &struDevInfo)
{
    switch (struDevInfo.messageType) {
    case TarnMessageAppeared:
    case TarnMessageAnnouncedAgain:
        if (!isFiltered(struDevInfo))
            emit signalDeviceOnline(struDevInfo);
        break;
    case TarnMessageChanged:
        emit signalDeviceUpdate(struDevInfo);
        break;
    case TarnMessageLeft:
        emit signalDeviceOffline(struDevInfo);
        break;
    default:
        break;
    }
}

bool TarnHandler::isFiltered(const TarnDeviceInfo &struDevInfo) const
{
    // A copy, so that no lock is held while a filter runs (a filter may well
    // add another one).
    QVector<TarnDeviceFilter *> filters;
    {
        const std::lock_guard<std::mutex> guard(m_filterMutex);
        filters = m_deviceFilters;
    }
    for (const TarnDeviceFilter *filter : std::as_const(filters)) {
        if (filter->isFiltered(struDevInfo))
            return true;
    }
    return false;
}

} // namespace TARN
