#include "passwordstrength.h"

#include <algorithm>

namespace TarnTool {

namespace {

struct KindCounts
{
    int digits = 0;
    int upper = 0;
    int lower = 0;
    int other = 0;

    int kinds() const
    {
        return (digits > 0 ? 1 : 0) + (upper > 0 ? 1 : 0) + (lower > 0 ? 1 : 0) + (other > 0 ? 1 : 0);
    }
};

// Only ASCII letters and digits count as such: an accented letter (a byte
// above 0x7F) is an "other" character, whatever the locale says.
KindCounts countKinds(const QByteArray &password)
{
    KindCounts counts;
    for (const char byte : password) {
        if (byte >= '0' && byte <= '9')
            ++counts.digits;
        else if (byte >= 'A' && byte <= 'Z')
            ++counts.upper;
        else if (byte >= 'a' && byte <= 'z')
            ++counts.lower;
    }
    counts.other = static_cast<int>(password.size()) - counts.digits - counts.upper - counts.lower;
    return counts;
}

} // namespace

int passwordCharacterKinds(const QByteArray &password)
{
    return countKinds(password).kinds();
}

int evaluatePasswordStrength(const QByteArray &userName, const QByteArray &password)
{
    QByteArray reversedUserName = userName;
    std::reverse(reversedUserName.begin(), reversedUserName.end());

    if (password.size() < MinimumPasswordLength)
        return 0;
    if (password == userName || password == reversedUserName)
        return 0;

    const KindCounts counts = countKinds(password);
    switch (counts.kinds()) {
    case 1:
        return 0;
    case 2:
        if (counts.digits > 0 && (counts.upper > 0) != (counts.lower > 0))
            return 1;
        return 2;
    case 3:
        return 3;
    case 4:
        return 4;
    default:
        return 0;  // an empty password has no kinds at all
    }
}

} // namespace TarnTool
