#include "batchaddress.h"

#include "addressutils.h"

#include <QStringList>

#include <cstdint>

namespace TarnTool {

namespace {

// Fourth numbers that a device may get: 1..255.
constexpr std::int64_t fourthValues = 255;
constexpr std::int64_t largestPrefix = 0xFFFFFF;

} // namespace

QString batchIPv4Address(const QString &startAddress, int index)
{
    const QString start = startAddress.trimmed();
    if (index < 0 || !isValidIPv4Address(start))
        return QString();
    const QStringList parts = start.split(QLatin1Char('.'));
    std::int64_t prefix = 0;
    for (int i = 0; i < 3; ++i)
        prefix = prefix * 256 + parts.at(i).toInt();
    const std::int64_t fourth = parts.at(3).toInt();

    // Positions among the usable fourth numbers, counted from x.y.z.1.
    const std::int64_t offset = (fourth - 1) + index;
    const std::int64_t newPrefix = prefix + offset / fourthValues;
    const std::int64_t newFourth = offset % fourthValues + 1;
    if (newPrefix > largestPrefix || (newPrefix == largestPrefix && newFourth == 255))
        return QString();
    return QStringLiteral("%1.%2.%3.%4")
        .arg(newPrefix >> 16)
        .arg((newPrefix >> 8) & 0xFF)
        .arg(newPrefix & 0xFF)
        .arg(newFourth);
}

bool batchAddressesFit(const QString &startAddress, int count)
{
    if (count <= 0)
        return true;
    return !batchIPv4Address(startAddress, count - 1).isEmpty();
}

} // namespace TarnTool
