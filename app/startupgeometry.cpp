#include "startupgeometry.h"

namespace apt {

QRect mainWindowGeometry(const QRect &available)
{
    constexpr int kHeight = 768;
    if (available.height() < kHeight || available.height() <= 0)
        return QRect(0, 0, available.width(), available.height());
    const int width = available.width() * kHeight / available.height();
    const int x = available.x() + (available.width() - width) / 2;
    return QRect(x, available.y(), width, kHeight);
}

bool isDisplayLargeEnough(const QList<QRect> &screens)
{
    bool wideEnough = false;
    bool highEnough = false;
    for (const QRect &s : screens) {
        wideEnough = wideEnough || s.x() + s.width() >= 1024;
        highEnough = highEnough || s.y() + s.height() >= 768;
    }
    return wideEnough && highEnough;
}

} // namespace apt
