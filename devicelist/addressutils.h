#ifndef ADDRESSUTILS_H
#define ADDRESSUTILS_H

// Syntax checks of the addresses typed into the network parameter forms,
// applied before anything is sent to a device. Pure functions of the text:
// the callers trim the fields first, so white space anywhere is an error.

#include <QString>

// Four dotted decimal numbers of at most 255, the last one not 0.
bool isValidIPv4Address(const QString &text);

// "0.0.0.0" (no gateway), or four dotted decimal numbers of at most 255
// whose last one is neither 0 nor 255.
bool isValidIPv4Gateway(const QString &text);

// A contiguous mask from 0.0.0.0 to 255.255.255.254.
bool isValidSubnetMask(const QString &text);

// An IPv6 address in any of the text forms of RFC 4291 (groups of one to
// four hexadecimal digits, at most one "::", an embedded IPv4 address as the
// last part), with an optional zone suffix ("%4", "%eth0").
bool isValidIPv6Address(const QString &text);

#endif // ADDRESSUTILS_H
