#ifndef TARNHANDLER_H
#define TARNHANDLER_H

// The one gateway to the discovery library: owns its life (log, start, stop),
// turns its announcements into online, offline and update events, and wraps
// every device command in a synchronous call that returns whether the device
// accepted it. Failures leave their code in the library, read back with
// getLastError() and put into words with errorText().

#include "deviceconfigcommand.h"
#include "singleton.h"
#include "tarndeviceinfo.h"
#include "tarnrecords.h"

#include <QObject>
#include <QString>
#include <QVector>

#include <mutex>

class TarnDeviceFilter;
struct TarnWifiParam;

namespace TARN {

class TarnHandler : public QObject, public Singleton::CSingleton<TarnHandler>
{
    Q_OBJECT
    friend class Singleton::CSingleton<TarnHandler>;

public:
    // Size of the reply buffer of the commands that can fail for a wrong
    // password; after a failure byte 0 holds the retries left and byte 1 the
    // lock time in minutes.
    static constexpr unsigned int ReplyLength = 128;
    using ReplyBuffer = char[ReplyLength];

    ~TarnHandler() override;

    bool start();
    bool stop();
    bool sendInquiry();
    bool clearup();
    bool setFilterRule(bool filter);

    // Not owned; the filter must outlive the handler's discovery.
    void addDeviceFilter(TarnDeviceFilter *filter);

    // The reply buffer (replyLength bytes) is zeroed here before the call.
    bool modifyDeviceNetParamV40(const QString &macAddress, const QString &password,
                                 const TarnNetParam &netParam, char *reply, unsigned int replyLength);
    bool activateDevice(const QString &serialNumber, const QString &password);
    bool getDeviceConfig(const QString &serialNumber, DeviceConfigCommand command,
                         const void *input, unsigned int inputLength,
                         void *output, unsigned int outputLength);
    bool setDeviceConfig(const QString &serialNumber, DeviceConfigCommand command,
                         const void *input, unsigned int inputLength,
                         void *output, unsigned int outputLength);
    bool resetPasswdV40(const QString &serialNumber, const void *resetRequest, void *failureInfo);
    bool resetDefaultPasswd(const QString &serialNumber, const QString &securityCode);

    // The reply buffer is zeroed here before the call.
    bool setWifiEnhancement(const QString &serialNumber, bool on, const QString &password,
                            ReplyBuffer &reply);
    bool setWifiRegion(const QString &serialNumber, quint8 region, const QString &password,
                       ReplyBuffer &reply);
    bool setChannelDefaultPassword(const QString &serialNumber, const QString &adminPassword,
                                   const QString &channelPassword);

    int getLastError() const;
    QString errorText(int code) const;

    // Receives the library's announcements on the library's thread; user is
    // the handler that started discovery.
    static void announcementCallback(const TarnAnnouncement *announcement, void *user);

signals:
    void signalDeviceOnline(const TarnDeviceInfo &struDevInfo);
    void signalDeviceOffline(const TarnDeviceInfo &struDevInfo);
    void signalDeviceUpdate(const TarnDeviceInfo &struDevInfo);

private:
    TarnHandler();

    void dispatch(const TarnDeviceInfo &struDevInfo);
    bool isFiltered(const TarnDeviceInfo &struDevInfo) const;
    bool setWifiParam(const QString &serialNumber, const TarnWifiParam &record,
                      ReplyBuffer &reply);

    // Guards deviceFilters, which the library's thread reads while the GUI
    // thread may still be adding to it.
    mutable std::mutex m_filterMutex;
    QVector<TarnDeviceFilter *> m_deviceFilters;
    bool m_started = false;
};

} // namespace TARN

#endif // TARNHANDLER_H
