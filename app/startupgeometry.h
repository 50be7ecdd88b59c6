#ifndef STARTUPGEOMETRY_H
#define STARTUPGEOMETRY_H

// The arithmetic of the program's start: where the main window goes on the
// available desktop, and whether the screens are large enough for it.

#include <QList>
#include <QRect>

namespace apt {

// Below 768 pixels of available height the window takes the whole available
// area at (0, 0); otherwise it is 768 high, as wide as the desktop's aspect
// allows (integer division), centred on the available area.
QRect mainWindowGeometry(const QRect &available);

// True when some screen reaches x = 1024 and some screen reaches y = 768, in
// desktop coordinates (the two may be different screens).
bool isDisplayLargeEnough(const QList<QRect> &screens);

} // namespace apt

#endif // STARTUPGEOMETRY_H
