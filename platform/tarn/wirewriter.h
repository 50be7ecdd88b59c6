#ifndef WIREWRITER_H
#define WIREWRITER_H

#include "tarnwire.h"

namespace tarnwire {

// Appends to a growing body.
class Writer
{
public:
    void u8(uint8_t v) { m_bytes.push_back(v); }
    void u16(uint16_t v) { uint8_t b[2]; putU16(b, v); raw(b, 2); }
    void u32(uint32_t v) { uint8_t b[4]; putU32(b, v); raw(b, 4); }
    void raw(const void *data, size_t size);
    void fixedText(const std::string &text, size_t width); // zero-padded, cut at width
    void field(const Bytes &data) { u32(uint32_t(data.size())); raw(data.data(), data.size()); }
    Bytes &bytes() { return m_bytes; }

private:
    Bytes m_bytes;
};

} // namespace tarnwire

#endif // WIREWRITER_H
