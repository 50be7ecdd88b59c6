#include "wirereader.h"

#include <algorithm>
#include <cstring>

namespace tarnwire {

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

} // namespace tarnwire
