#include "addressutils.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

// One to three ASCII digits. Qt's number conversion would also take
// surrounding spaces and a sign, which the device would then receive as part
// of the address.
bool decimalOctet(const QString &part, uint *value)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,3}$"));
    if (!digits.match(part).hasMatch())
        return false;
    *value = part.toUInt();
    return *value <= 255;
}

// The four numbers of a dotted quad, or false.
bool dottedQuad(const QString &text, uint numbers[4])
{
    const QStringList parts = text.split(QLatin1Char('.'), Qt::KeepEmptyParts);
    if (parts.size() != 4)
        return false;
    for (int i = 0; i < 4; ++i) {
        if (!decimalOctet(parts.at(i), &numbers[i]))
            return false;
    }
    return true;
}

bool hexGroup(const QString &part)
{
    static const QRegularExpression group(QStringLiteral("^[0-9A-Fa-f]{1,4}$"));
    return group.match(part).hasMatch();
}

bool validZone(const QString &zone)
{
    static const QRegularExpression name(QStringLiteral("^[A-Za-z0-9._-]+$"));
    return name.match(zone).hasMatch();
}

// Counts the 16-bit groups of colon-separated parts; the last part may be an
// embedded IPv4 address (two groups) when ipv4Allowed. -1 when a part is
// invalid.
int countGroups(const QString &text, bool ipv4Allowed)
{
    if (text.isEmpty())
        return 0;
    const QStringList parts = text.split(QLatin1Char(':'), Qt::KeepEmptyParts);
    int groups = 0;
    for (int i = 0; i < parts.size(); ++i) {
        const QString &part = parts.at(i);
        if (hexGroup(part)) {
            ++groups;
        } else if (ipv4Allowed && i == parts.size() - 1 && isValidIPv4Address(part)) {
            groups += 2;
        } else {
            return -1;
        }
    }
    return groups;
}

} // namespace

bool isValidIPv4Address(const QString &text)
{
    uint numbers[4];
    return dottedQuad(text, numbers) && numbers[3] != 0;
}

bool isValidIPv4Gateway(const QString &text)
{
    if (text == QLatin1String("0.0.0.0"))
        return true;
    uint numbers[4];
    return dottedQuad(text, numbers) && numbers[3] != 0 && numbers[3] != 255;
}

bool isValidSubnetMask(const QString &text)
{
    static const QRegularExpression mask(QRegularExpression::anchoredPattern(QStringLiteral(
        "(254|252|248|240|224|192|128|0)\\.0\\.0\\.0"
        "|255\\.(254|252|248|240|224|192|128|0)\\.0\\.0"
        "|255\\.255\\.(254|252|248|240|224|192|128|0)\\.0"
        "|255\\.255\\.255\\.(254|252|248|240|224|192|128|0)")));
    return mask.match(text).hasMatch();
}

bool isValidIPv6Address(const QString &text)
{
    QString address = text;
    const qsizetype zoneStart = address.lastIndexOf(QLatin1Char('%'));
    if (zoneStart >= 0) {
        if (!validZone(address.mid(zoneStart + 1)))
            return false;
        address.truncate(zoneStart);
    }

    const qsizetype gap = address.indexOf(QLatin1String("::"));
    if (gap < 0)
        return countGroups(address, true) == 8;

    // A second "::", or ":::", leaves the gap ambiguous.
    if (address.indexOf(QLatin1String("::"), gap + 1) >= 0)
        return false;
    const QString tail = address.mid(gap + 2);
    const int head = countGroups(address.left(gap), false);
    const int rest = countGroups(tail, true);
    // The gap stands for at least one group of zeros.
    return head >= 0 && rest >= 0 && head + rest <= 7;
}
