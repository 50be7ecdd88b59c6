#ifndef TARNCHANNELPASSWORD_H
#define TARNCHANNELPASSWORD_H

// The record sent with the ChannelDefaultPassword configuration command: the
// password the device gives its channels (linked cameras), authorised by the
// device's administrator password. Both texts are Latin-1 and carry no
// terminator when they fill their field.

#include <QString>

#include <cstddef>

struct TarnChannelPassword
{
    char adminPassword[16];
    char channelDefaultPassword[144];
};

static_assert(sizeof(TarnChannelPassword) == 160, "channel password layout");
static_assert(offsetof(TarnChannelPassword, channelDefaultPassword) == 16, "channel password layout");

TarnChannelPassword makeChannelPasswordRecord(const QString &adminPassword,
                                              const QString &channelPassword);

#endif // TARNCHANNELPASSWORD_H
