#include "tarnwire.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace tarnwire {

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
