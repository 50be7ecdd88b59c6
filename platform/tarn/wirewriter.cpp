#include "wirewriter.h"

#include <algorithm>
#include <cstring>

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

} // namespace tarnwire
