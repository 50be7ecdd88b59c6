#ifndef BATCHADDRESS_H
#define BATCHADDRESS_H

// Consecutive IPv4 addresses for a batch of devices, counted from a start
// address. The fourth number runs from 1 to 255; past 255 the count carries
// into the third number (and on into the second and first) and the fourth
// starts again at 1, since a fourth number of 0 is not a device address. So
// every device of a batch gets an address of its own, and the last address
// handed out is 255.255.255.254 (255.255.255.255 is the broadcast address).

#include <QString>

namespace TarnTool {

// The address of the device at position index (0-based) of a batch starting
// at startAddress (trimmed first). While the fourth number plus index stays
// at most 255 only the fourth number changes. Empty when the start is not a
// valid IPv4 address, index is negative, or the address would lie past
// 255.255.255.254.
QString batchIPv4Address(const QString &startAddress, int index);

// True when a batch of count devices starting at startAddress gets an
// address for every device (always true for no devices).
bool batchAddressesFit(const QString &startAddress, int count);

} // namespace TarnTool

#endif // BATCHADDRESS_H
