#ifndef WIREREADER_H
#define WIREREADER_H

#include <optional>
#include <string>

#include "tarnwire.h"

namespace tarnwire {

// Reads a body front to back; any read past the end marks the reader failed.
class Reader
{
public:
    Reader(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}
    explicit Reader(const Bytes &bytes) : Reader(bytes.data(), bytes.size()) {}
    uint8_t u8();
    uint16_t u16();
    uint32_t u32();
    bool raw(void *out, size_t size);
    const uint8_t *skip(size_t size);       // pointer to the skipped bytes, or null
    std::string fixedText(size_t width);    // up to the first zero inside width
    std::optional<Bytes> field(size_t maxSize);
    size_t remaining() const { return m_ok ? m_size - m_pos : 0; }
    bool ok() const { return m_ok; }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
    bool m_ok = true;
};

} // namespace tarnwire

#endif // WIREREADER_H
