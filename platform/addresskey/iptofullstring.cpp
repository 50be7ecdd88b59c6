#include "iptofullstring.h"

namespace aptui {

namespace {

int leadingNumber(QStringView part)
{
    int value = 0;
    for (const QChar c : part) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        value = value * 10 + (c.unicode() - '0');
        if (value > 999)
            return 999;
    }
    return value;
}

} // namespace

QString IPToFullString(const QString &strIp)
{
    QString key;
    key.reserve(12);
    const QStringView text(strIp);
    qsizetype start = 0;
    for (int i = 0; i < 4; ++i) {
        int value = 0;
        if (start <= text.size()) {
            qsizetype end = text.indexOf(QLatin1Char('.'), start);
            if (end < 0)
                end = text.size();
            value = leadingNumber(text.mid(start, end - start));
            start = end + 1;
        }
        key += QString::number(value).rightJustified(3, QLatin1Char('0'));
    }
    return key;
}

} // namespace aptui
