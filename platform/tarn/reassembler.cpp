#include "reassembler.h"

#include <algorithm>
#include <cstring>

namespace tarnwire {

std::optional<Bytes> Reassembler::add(const Datagram &datagram, uint64_t origin, Clock::time_point now)
{
    const Header &h = datagram.header;
    if (h.fragmentCount == 1)
        return Bytes(datagram.data, datagram.data + datagram.size);

    const Key key{uint8_t(h.type), h.txid, origin};
    auto it = m_pending.find(key);
    if (it == m_pending.end()) {
        if (m_pending.size() >= m_maxPending) {
            expire(now);
            if (m_pending.size() >= m_maxPending) {
                // Drop the oldest message in progress rather than refuse new ones.
                auto oldest = std::min_element(m_pending.begin(), m_pending.end(), [](const auto &a, const auto &b) {
                    return a.second.started < b.second.started;
                });
                m_pending.erase(oldest);
            }
        }
        Partial partial;
        partial.body.assign(h.bodyLength, 0);
        partial.have.assign(h.fragmentCount, false);
        partial.missing = h.fragmentCount;
        partial.started = now;
        it = m_pending.emplace(key, std::move(partial)).first;
    }
    Partial &p = it->second;
    if (p.have.size() != h.fragmentCount || p.body.size() != h.bodyLength) {
        // The same key with another shape: start again with the newer message.
        m_pending.erase(it);
        return add(datagram, origin, now);
    }
    if (!p.have[h.fragmentIndex]) {
        std::memcpy(p.body.data() + size_t(h.fragmentIndex) * kMaxFragmentData, datagram.data, datagram.size);
        p.have[h.fragmentIndex] = true;
        --p.missing;
    }
    if (p.missing > 0)
        return std::nullopt;
    Bytes body = std::move(p.body);
    m_pending.erase(it);
    return body;
}

void Reassembler::forget(MessageType type, uint64_t txid, uint64_t origin)
{
    m_pending.erase(Key{uint8_t(type), txid, origin});
}

void Reassembler::expire(Clock::time_point now)
{
    for (auto it = m_pending.begin(); it != m_pending.end();) {
        if (now - it->second.started > m_lifetime)
            it = m_pending.erase(it);
        else
            ++it;
    }
}

} // namespace tarnwire
