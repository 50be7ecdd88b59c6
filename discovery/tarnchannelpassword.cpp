#include "tarnchannelpassword.h"

#include "latin1text.h"

#include <algorithm>
#include <cstring>

namespace {

template <std::size_t N>
void copyLatin1(char (&field)[N], const QString &text)
{
    const QByteArray bytes = toLatin1Bytes(text);
    std::memcpy(field, bytes.constData(), std::min(static_cast<std::size_t>(bytes.size()), N));
}

} // namespace

TarnChannelPassword makeChannelPasswordRecord(const QString &adminPassword,
                                              const QString &channelPassword)
{
    TarnChannelPassword record{};
    copyLatin1(record.adminPassword, adminPassword);
    copyLatin1(record.channelDefaultPassword, channelPassword);
    return record;
}
