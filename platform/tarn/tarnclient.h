#ifndef TARNCLIENT_H
#define TARNCLIENT_H

// The client side of the protocol behind the library's C interface: one network
// thread that hears announcements (and hands them to the callback), keeps the
// known devices and runs the inquiry rounds, and the synchronous commands that
// callers run on their own threads.

#include <atomic>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <unordered_map>

#include "multicastchannel.h"
#include "tarncrypto.h"
#include "tarnmessages.h"
#include "tarnsdk.h"
#include "reassembler.h"

namespace tarnwire {

class TarnClient
{
public:
    static TarnClient &instance();

    int start(TARN_AnnouncementCallback callback, void *userData);   // 0 or an error code
    int stop();
    int sendInquiry();
    int clearup();
    void setFilterRule(int rule) { m_filterRule = rule; }

    struct Command {
        Target target;
        Operation operation = Operation::Activate;
        uint32_t command = 0;
        std::vector<Bytes> fields;
        uint32_t outputCapacity = 0;
    };
    struct Result {
        int error = 0;          // 0 = the device did it
        Bytes output;           // the device's output, also after a failure (reply bytes)
    };
    Result run(const Command &command);

    bool isStarted() const { return m_running; }
    size_t knownDeviceCount() const;

private:
    TarnClient() = default;
    ~TarnClient();

    struct Known {
        uint8_t record[560];    // normalised: message type zero
        PublicKey key;
    };
    struct Pending {
        Target target;
        bool haveChallenge = false;
        ChallengeBody challenge;
        bool haveReply = false;
        Bytes replyBody;
        uint32_t rejected = 0;
    };

    void networkLoop();
    void handleDatagram(const Bytes &data);
    void handleAnnounce(const Bytes &body);
    void sendInquiryRound();
    std::optional<PublicKey> knownKeyFor(const Target &target) const;
    bool sendAll(const std::vector<Bytes> &datagrams);

    MulticastChannel m_channel;
    std::thread m_thread;
    std::atomic<bool> m_running{false};
    std::atomic<bool> m_stopping{false};
    std::atomic<int> m_filterRule{0};
    std::mutex m_lifeMutex;     // start and stop

    TARN_AnnouncementCallback m_callback = nullptr;
    void *m_userData = nullptr;

    mutable std::mutex m_mutex; // everything below
    std::condition_variable m_changed;
    std::unordered_map<std::string, Known> m_known;          // serial + '\0' + mac
    std::unordered_map<std::string, PublicKey> m_firstKeys;  // survives Clearup
    std::map<uint64_t, std::shared_ptr<Pending>> m_pending;
    Reassembler m_reassembler;

    // Inquiry rounds: a few quick ones after start or an inquiry, then a slow beat.
    int m_round = -1;
    Clock::time_point m_nextRound;
};

} // namespace tarnwire

#endif // TARNCLIENT_H
