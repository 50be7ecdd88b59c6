#ifndef IPTOFULLSTRING_H
#define IPTOFULLSTRING_H

// The sort key of a dotted IPv4 text: twelve digits, three per part, so that
// comparing two keys as texts compares the addresses as numbers.

#include <QString>

namespace aptui {

// Each of the first four dot-separated parts is read by its leading decimal
// digits (none: 0; a missing part: 0) and written as three digits. Values
// above 999 are written as 999 so that every key keeps its twelve digits
// and the text order stays the numeric order.
QString IPToFullString(const QString &strIp);

} // namespace aptui

#endif // IPTOFULLSTRING_H
