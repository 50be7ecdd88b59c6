#include "tarnwire.h"

#include <algorithm>
#include <cctype>

namespace tarnwire {

void Writer::raw(const void *data, size_t size)
{
    const auto *p = static_cast<const uint8_t *>(data);
    m_bytes.insert(m_bytes.end(), p, p + size);
}

void Writer::fixedText(const std::string &text, size_t width)
{
    const size_t n = std::min(text.size(), width);
    raw(text.data(), n);
    m_bytes.insert(m_bytes.end(), width - n, 0);
}

uint8_t Reader::u8()
{
    uint8_t v = 0;
    raw(&v, 1);
    return v;
}

uint16_t Reader::u16()
{
    uint8_t b[2] = {};
    raw(b, 2);
    return getU16(b);
}

uint32_t Reader::u32()
{
    uint8_t b[4] = {};
    raw(b, 4);
    return getU32(b);
}

bool Reader::raw(void *out, size_t size)
{
    const uint8_t *p = skip(size);
    if (!p)
        return false;
    if (size)
        std::memcpy(out, p, size);
    return true;
}

const uint8_t *Reader::skip(size_t size)
{
    if (!m_ok || m_size - m_pos < size) {
        m_ok = false;
        return nullptr;
    }
    const uint8_t *p = m_data + m_pos;
    m_pos += size;
    return p;
}

std::string Reader::fixedText(size_t width)
{
    const uint8_t *p = skip(width);
    if (!p)
        return {};
    return boundedText(reinterpret_cast<const char *>(p), width);
}

std::optional<Bytes> Reader::field(size_t maxSize)
{
    const uint32_t size = u32();
    if (!m_ok || size > maxSize) {
        m_ok = false;
        return std::nullopt;
    }
    const uint8_t *p = skip(size);
    if (!p)
        return std::nullopt;
    return Bytes(p, p + size);
}

std::vector<Bytes> encodeMessage(MessageType type, uint64_t txid, const Bytes &body)
{
    std::vector<Bytes> datagrams;
    if (body.size() > kMaxMessage)
        return datagrams;
    const size_t count = std::max<size_t>(1, (body.size() + kMaxFragmentData - 1) / kMaxFragmentData);
    for (size_t i = 0; i < count; ++i) {
        const size_t offset = i * kMaxFragmentData;
        const size_t size = std::min(kMaxFragmentData, body.size() - std::min(offset, body.size()));
        Bytes d(kHeaderSize + size);
        std::memcpy(d.data(), kMagic, 4);
        d[4] = kVersion;
        d[5] = uint8_t(type);
        putU16(&d[6], 0);
        putU64(&d[8], txid);
        putU16(&d[16], uint16_t(i));
        putU16(&d[18], uint16_t(count));
        putU32(&d[20], uint32_t(body.size()));
        if (size)
            std::memcpy(d.data() + kHeaderSize, body.data() + offset, size);
        datagrams.push_back(std::move(d));
    }
    return datagrams;
}

std::optional<Datagram> decodeDatagram(const uint8_t *data, size_t size)
{
    if (size < kHeaderSize || size > kMaxDatagram || std::memcmp(data, kMagic, 4) != 0 || data[4] != kVersion)
        return std::nullopt;
    Datagram d;
    d.header.type = MessageType(data[5]);
    d.header.txid = getU64(data + 8);
    d.header.fragmentIndex = getU16(data + 16);
    d.header.fragmentCount = getU16(data + 18);
    d.header.bodyLength = getU32(data + 20);
    d.data = data + kHeaderSize;
    d.size = size - kHeaderSize;
    const Header &h = d.header;
    if (h.fragmentCount == 0 || h.fragmentIndex >= h.fragmentCount || h.bodyLength > kMaxMessage)
        return std::nullopt;
    const size_t expectedCount = std::max<size_t>(1, (h.bodyLength + kMaxFragmentData - 1) / kMaxFragmentData);
    if (h.fragmentCount != expectedCount)
        return std::nullopt;
    const size_t offset = size_t(h.fragmentIndex) * kMaxFragmentData;
    const size_t expectedSize = std::min(kMaxFragmentData, h.bodyLength - std::min<size_t>(offset, h.bodyLength));
    if (d.size != expectedSize)
        return std::nullopt;
    return d;
}

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

std::string boundedText(const char *field, size_t width)
{
    size_t n = 0;
    while (n < width && field[n] != '\0')
        ++n;
    return std::string(field, n);
}

bool sameMac(const std::string &a, const std::string &b)
{
    if (a.size() != b.size())
        return false;
    auto normal = [](char c) { return c == ':' ? '-' : char(std::tolower(static_cast<unsigned char>(c))); };
    for (size_t i = 0; i < a.size(); ++i) {
        if (normal(a[i]) != normal(b[i]))
            return false;
    }
    return true;
}

} // namespace tarnwire
