#ifndef MULTICASTCHANNEL_H
#define MULTICASTCHANNEL_H

// The UDP socket through which one side of the protocol hears and speaks on the
// segment: bound to the group's port with address reuse (so that the program,
// the simulator and a listener can share one machine), joined to the group on
// every chosen interface, sending with TTL 255 and keeping only datagrams that
// arrived with TTL 255 (nothing that crossed a router).

#include <cstdint>
#include <netinet/in.h>
#include <string>
#include <vector>

#include "tarnwire.h"

namespace tarnwire {

struct ChannelConfig {
    std::vector<std::string> interfaces;   // IPv4 addresses or interface names; empty = every multicast interface
    std::string group = kDefaultGroup;
    uint16_t port = kDefaultPort;

    // TARN_INTERFACE (comma-separated), TARN_GROUP and TARN_PORT; unset keeps the defaults.
    static ChannelConfig fromEnvironment();
};

class MulticastChannel
{
public:
    MulticastChannel() = default;
    ~MulticastChannel();
    MulticastChannel(const MulticastChannel &) = delete;
    MulticastChannel &operator=(const MulticastChannel &) = delete;

    // False with a reason when no interface could be joined or the socket failed.
    bool open(const ChannelConfig &config, std::string *error = nullptr);
    void close();
    bool isOpen() const { return m_socket >= 0; }

    // Sends one datagram to the group on every joined interface; false when none took it.
    bool send(const Bytes &datagram);

    // Reads every datagram waiting, without blocking; TTL-checked.
    struct Received {
        Bytes data;
    };
    std::vector<Received> receiveAll(size_t max = 256);

    // Blocks until data or the wake-up arrives, or the time-out (ms, -1 = none).
    // Returns true when the socket has data.
    bool wait(int timeoutMs);
    void wakeUp();

    int socketDescriptor() const { return m_socket; }
    const std::vector<in_addr> &interfaceAddresses() const { return m_interfaces; }
    int receiveBufferSize() const { return m_receiveBuffer; }
    uint64_t droppedForTtl() const { return m_droppedForTtl; }

private:
    int m_socket = -1;
    int m_wakeRead = -1;
    int m_wakeWrite = -1;
    int m_receiveBuffer = 0;
    uint64_t m_droppedForTtl = 0;
    sockaddr_in m_group{};
    std::vector<in_addr> m_interfaces;
    std::vector<unsigned> m_interfaceIndexes;
};

} // namespace tarnwire

#endif // MULTICASTCHANNEL_H
