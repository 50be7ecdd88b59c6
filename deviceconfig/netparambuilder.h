#ifndef NETPARAMBUILDER_H
#define NETPARAMBUILDER_H

// Turns the network parameter form of one device into the record that is
// sent to the device: zero-filled, texts as Latin-1 without a terminator when
// they fill their field, numbers taken from the texts (0 when a text is not a
// number that fits its field).

#include "netparaform.h"
#include "tarnrecords.h"

#include <QString>

#include <cstddef>

namespace TarnTool {

// IPv4 address, mask and gateway (16 bytes each) and the IPv6 address and
// gateway (128 bytes each) from the trimmed texts; port and prefix length;
// the SDK service port only when its field is shown; DHCP 1 when ticked; the
// HTTP port, or 80 when its text gives 0.
TarnNetParam buildNetParamFromForm(const NetParaSingleForm &form);

// Writes text as Latin-1 into a fixed text field: zero-filled, cut at size
// bytes, so a full field carries no terminator.
void writeNetParamText(char *field, std::size_t size, const QString &text);

template <std::size_t N> void writeNetParamText(char (&field)[N], const QString &text)
{
    writeNetParamText(field, N, text);
}

} // namespace TarnTool

#endif // NETPARAMBUILDER_H
