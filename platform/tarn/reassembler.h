#ifndef REASSEMBLER_H
#define REASSEMBLER_H

#include <map>
#include <optional>

#include "tarnwire.h"

namespace tarnwire {

// Collects the fragments of messages, keyed by (type, txid, origin), until each
// is complete. Incomplete messages are dropped after a time, and the number of
// messages in progress is capped, so a stream of stray fragments cannot grow it.
class Reassembler
{
public:
    explicit Reassembler(std::chrono::milliseconds lifetime = std::chrono::seconds(10), size_t maxPending = 512)
        : m_lifetime(lifetime), m_maxPending(maxPending) {}

    // Returns the whole body once the last missing fragment arrives.
    std::optional<Bytes> add(const Datagram &datagram, uint64_t origin = 0, Clock::time_point now = Clock::now());
    void forget(MessageType type, uint64_t txid, uint64_t origin = 0);
    void expire(Clock::time_point now = Clock::now());
    size_t pending() const { return m_pending.size(); }

private:
    struct Key {
        uint8_t type;
        uint64_t txid;
        uint64_t origin;
        bool operator<(const Key &o) const
        {
            if (type != o.type) return type < o.type;
            if (txid != o.txid) return txid < o.txid;
            return origin < o.origin;
        }
    };
    struct Partial {
        Bytes body;
        std::vector<bool> have;
        size_t missing = 0;
        Clock::time_point started;
    };
    std::chrono::milliseconds m_lifetime;
    size_t m_maxPending;
    std::map<Key, Partial> m_pending;
};

} // namespace tarnwire

#endif // REASSEMBLER_H
