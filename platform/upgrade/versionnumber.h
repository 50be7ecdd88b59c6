#ifndef VERSIONNUMBER_H
#define VERSIONNUMBER_H

// Version numbers such as 3.0.0.21 compared part by part as numbers, so that
// 3.0.1.2 is newer than 3.0.0.21 and 3.0.10.0 newer than 3.0.9.9. A leading
// "V" or "v" is ignored, missing parts count as 0 (3.0 equals 3.0.0.0) and a
// part that is not a number counts as 0.

#include <QString>

namespace upgrade {

// Negative when left is older than right, 0 when equal, positive when newer.
int compareVersions(const QString &left, const QString &right);

} // namespace upgrade

#endif // VERSIONNUMBER_H
