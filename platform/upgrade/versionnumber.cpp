#include "versionnumber.h"

#include <QStringList>

namespace upgrade {

namespace {

QStringList partsOf(const QString &version)
{
    QString text = version.trimmed();
    if (text.startsWith(QLatin1Char('V')) || text.startsWith(QLatin1Char('v')))
        text.remove(0, 1);
    return text.split(QLatin1Char('.'));
}

} // namespace

int compareVersions(const QString &left, const QString &right)
{
    const QStringList a = partsOf(left);
    const QStringList b = partsOf(right);
    const int count = qMax(a.size(), b.size());
    for (int i = 0; i < count; ++i) {
        // toULongLong gives 0 for a part that is not a number.
        const qulonglong x = i < a.size() ? a.at(i).trimmed().toULongLong() : 0;
        const qulonglong y = i < b.size() ? b.at(i).trimmed().toULongLong() : 0;
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

} // namespace upgrade
