#include "commonstyleplugin.h"

#include "commonstyle.h"

QStyle *CommonStylePlugin::create(const QString &key)
{
    // QStyleFactory takes ownership of the style it asked for.
    if (key.compare(QLatin1String("CommonStyle"), Qt::CaseInsensitive) == 0)
        return new CommonStyle;
    return nullptr;
}
