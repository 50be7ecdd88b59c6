#include "multicastchannel.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace tarnwire {

namespace {

std::vector<std::string> splitList(const std::string &text)
{
    std::vector<std::string> items;
    std::string item;
    for (char c : text + ",") {
        if (c == ',' || c == ' ') {
            if (!item.empty())
                items.push_back(item);
            item.clear();
        } else {
            item += c;
        }
    }
    return items;
}

// An interface given by name becomes its IPv4 address.
bool resolveInterface(const std::string &name, in_addr *out)
{
    if (inet_pton(AF_INET, name.c_str(), out) == 1)
        return true;
    ifaddrs *list = nullptr;
    if (getifaddrs(&list) != 0)
        return false;
    bool found = false;
    for (ifaddrs *i = list; i && !found; i = i->ifa_next) {
        if (i->ifa_addr && i->ifa_addr->sa_family == AF_INET && name == i->ifa_name) {
            *out = reinterpret_cast<sockaddr_in *>(i->ifa_addr)->sin_addr;
            found = true;
        }
    }
    freeifaddrs(list);
    return found;
}

// The index of the interface that owns an address (0 when none does).
unsigned interfaceIndex(const in_addr &address)
{
    ifaddrs *list = nullptr;
    if (getifaddrs(&list) != 0)
        return 0;
    unsigned index = 0;
    for (ifaddrs *i = list; i && !index; i = i->ifa_next) {
        if (i->ifa_addr && i->ifa_addr->sa_family == AF_INET &&
            reinterpret_cast<sockaddr_in *>(i->ifa_addr)->sin_addr.s_addr == address.s_addr)
            index = if_nametoindex(i->ifa_name);
    }
    freeifaddrs(list);
    return index;
}

std::vector<in_addr> multicastInterfaces()
{
    std::vector<in_addr> result;
    ifaddrs *list = nullptr;
    if (getifaddrs(&list) != 0)
        return result;
    for (ifaddrs *i = list; i; i = i->ifa_next) {
        if (!i->ifa_addr || i->ifa_addr->sa_family != AF_INET)
            continue;
        if (!(i->ifa_flags & IFF_UP) || !(i->ifa_flags & IFF_MULTICAST) || (i->ifa_flags & IFF_LOOPBACK))
            continue;
        result.push_back(reinterpret_cast<sockaddr_in *>(i->ifa_addr)->sin_addr);
    }
    freeifaddrs(list);
    return result;
}

} // namespace

ChannelConfig ChannelConfig::fromEnvironment()
{
    ChannelConfig config;
    if (const char *v = std::getenv("TARN_INTERFACE"); v && *v)
        config.interfaces = splitList(v);
    if (const char *v = std::getenv("TARN_GROUP"); v && *v)
        config.group = v;
    if (const char *v = std::getenv("TARN_PORT"); v && *v) {
        const long port = std::strtol(v, nullptr, 10);
        if (port > 0 && port < 65536)
            config.port = uint16_t(port);
    }
    return config;
}

MulticastChannel::~MulticastChannel()
{
    close();
}

bool MulticastChannel::open(const ChannelConfig &config, std::string *error)
{
    auto fail = [&](const std::string &why) {
        if (error)
            *error = why + (errno ? std::string(": ") + std::strerror(errno) : std::string());
        close();
        return false;
    };
    close();
    errno = 0;

    m_group = {};
    m_group.sin_family = AF_INET;
    m_group.sin_port = htons(config.port);
    if (inet_pton(AF_INET, config.group.c_str(), &m_group.sin_addr) != 1 || !IN_MULTICAST(ntohl(m_group.sin_addr.s_addr)))
        return fail("not a multicast group: " + config.group);

    if (config.interfaces.empty()) {
        m_interfaces = multicastInterfaces();
    } else {
        for (const std::string &name : config.interfaces) {
            in_addr a{};
            if (!resolveInterface(name, &a))
                return fail("unknown interface: " + name);
            m_interfaces.push_back(a);
        }
    }
    if (m_interfaces.empty())
        return fail("no multicast interface");

    m_socket = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (m_socket < 0)
        return fail("socket");
    const int one = 1;
    setsockopt(m_socket, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);

    // Ask for a large buffer; the kernel caps it at net.core.rmem_max, which is
    // why completeness rests on the protocol's repeated inquiries, not on this.
    int want = 8 * 1024 * 1024;
    setsockopt(m_socket, SOL_SOCKET, SO_RCVBUF, &want, sizeof want);
    socklen_t len = sizeof m_receiveBuffer;
    getsockopt(m_socket, SOL_SOCKET, SO_RCVBUF, &m_receiveBuffer, &len);

    // Bound to the group, so that unicast datagrams to the port never reach us.
    sockaddr_in bindAddress = m_group;
    if (::bind(m_socket, reinterpret_cast<sockaddr *>(&bindAddress), sizeof bindAddress) != 0)
        return fail("bind");

    const int ttl = kTtl;
    setsockopt(m_socket, IPPROTO_IP, IP_MULTICAST_TTL, &ttl, sizeof ttl);
    setsockopt(m_socket, IPPROTO_IP, IP_TTL, &ttl, sizeof ttl);
    const unsigned char loop = 1;
    setsockopt(m_socket, IPPROTO_IP, IP_MULTICAST_LOOP, &loop, sizeof loop);
    setsockopt(m_socket, IPPROTO_IP, IP_RECVTTL, &one, sizeof one);

    // Pin the default outgoing interface too, so that nothing can fall back to
    // the routing table's default interface.
    setsockopt(m_socket, IPPROTO_IP, IP_MULTICAST_IF, &m_interfaces.front(), sizeof(in_addr));

    std::vector<in_addr> joined;
    for (const in_addr &a : m_interfaces) {
        ip_mreq mreq{};
        mreq.imr_multiaddr = m_group.sin_addr;
        mreq.imr_interface = a;
        if (setsockopt(m_socket, IPPROTO_IP, IP_ADD_MEMBERSHIP, &mreq, sizeof mreq) == 0)
            joined.push_back(a);
    }
    if (joined.empty())
        return fail("joining the group failed");
    m_interfaces = joined;
    m_interfaceIndexes.clear();
    for (const in_addr &a : m_interfaces)
        m_interfaceIndexes.push_back(interfaceIndex(a));

    int pipeFds[2];
    if (pipe2(pipeFds, O_NONBLOCK | O_CLOEXEC) != 0)
        return fail("pipe");
    m_wakeRead = pipeFds[0];
    m_wakeWrite = pipeFds[1];
    return true;
}

void MulticastChannel::close()
{
    if (m_socket >= 0)
        ::close(m_socket);
    if (m_wakeRead >= 0)
        ::close(m_wakeRead);
    if (m_wakeWrite >= 0)
        ::close(m_wakeWrite);
    m_socket = m_wakeRead = m_wakeWrite = -1;
    m_interfaces.clear();
    m_interfaceIndexes.clear();
}

bool MulticastChannel::send(const Bytes &datagram)
{
    if (m_socket < 0 || datagram.size() > kMaxDatagram)
        return false;
    bool any = false;
    for (size_t n = 0; n < m_interfaces.size(); ++n) {
        const in_addr &a = m_interfaces[n];
        // The interface is chosen per datagram; the socket is shared between threads,
        // so it goes with the message rather than as a socket option.
        msghdr msg{};
        iovec iov{const_cast<uint8_t *>(datagram.data()), datagram.size()};
        msg.msg_name = &m_group;
        msg.msg_namelen = sizeof m_group;
        msg.msg_iov = &iov;
        msg.msg_iovlen = 1;
        alignas(cmsghdr) char control[CMSG_SPACE(sizeof(in_pktinfo))] = {};
        msg.msg_control = control;
        msg.msg_controllen = sizeof control;
        cmsghdr *c = CMSG_FIRSTHDR(&msg);
        c->cmsg_level = IPPROTO_IP;
        c->cmsg_type = IP_PKTINFO;
        c->cmsg_len = CMSG_LEN(sizeof(in_pktinfo));
        in_pktinfo info{};
        // Both the interface and its address: with several interfaces the address
        // alone would not choose the way out.
        info.ipi_ifindex = int(m_interfaceIndexes[n]);
        info.ipi_spec_dst = a;
        std::memcpy(CMSG_DATA(c), &info, sizeof info);
        for (int attempt = 0; attempt < 50; ++attempt) {
            if (::sendmsg(m_socket, &msg, 0) >= 0) {
                any = true;
                break;
            }
            if (errno != EAGAIN && errno != ENOBUFS && errno != EINTR)
                break;
            // The send queue is full during a burst: give the receivers a moment.
            pollfd p{m_socket, POLLOUT, 0};
            ::poll(&p, 1, 2);
        }
    }
    return any;
}

std::vector<MulticastChannel::Received> MulticastChannel::receiveAll(size_t max)
{
    std::vector<Received> out;
    if (m_socket < 0)
        return out;
    constexpr size_t kBatch = 64;
    static thread_local std::vector<uint8_t> buffers(kBatch * 2048);
    while (out.size() < max) {
        mmsghdr msgs[kBatch] = {};
        iovec iovs[kBatch];
        alignas(cmsghdr) char controls[kBatch][CMSG_SPACE(sizeof(int)) + 64];
        for (size_t i = 0; i < kBatch; ++i) {
            iovs[i] = {buffers.data() + i * 2048, 2048};
            msgs[i].msg_hdr.msg_iov = &iovs[i];
            msgs[i].msg_hdr.msg_iovlen = 1;
            msgs[i].msg_hdr.msg_control = controls[i];
            msgs[i].msg_hdr.msg_controllen = sizeof controls[i];
        }
        const int n = ::recvmmsg(m_socket, msgs, kBatch, MSG_DONTWAIT, nullptr);
        if (n <= 0)
            break;
        for (int i = 0; i < n; ++i) {
            int ttl = -1;
            for (cmsghdr *c = CMSG_FIRSTHDR(&msgs[i].msg_hdr); c; c = CMSG_NXTHDR(&msgs[i].msg_hdr, c)) {
                if (c->cmsg_level == IPPROTO_IP && c->cmsg_type == IP_TTL)
                    std::memcpy(&ttl, CMSG_DATA(c), sizeof ttl);
            }
            if (ttl != kTtl) {
                ++m_droppedForTtl;
                continue;
            }
            const uint8_t *p = buffers.data() + size_t(i) * 2048;
            out.push_back({Bytes(p, p + msgs[i].msg_len)});
        }
        if (size_t(n) < kBatch)
            break;
    }
    return out;
}

bool MulticastChannel::wait(int timeoutMs)
{
    if (m_socket < 0)
        return false;
    pollfd fds[2] = {{m_socket, POLLIN, 0}, {m_wakeRead, POLLIN, 0}};
    const int n = ::poll(fds, 2, timeoutMs);
    if (n <= 0)
        return false;
    if (fds[1].revents & POLLIN) {
        char drain[64];
        while (::read(m_wakeRead, drain, sizeof drain) > 0) {
        }
    }
    return fds[0].revents & POLLIN;
}

void MulticastChannel::wakeUp()
{
    if (m_wakeWrite >= 0) {
        const char c = 1;
        [[maybe_unused]] ssize_t r = ::write(m_wakeWrite, &c, 1);
    }
}

} // namespace tarnwire
