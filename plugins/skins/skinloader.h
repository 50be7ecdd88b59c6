#ifndef SKINLOADER_H
#define SKINLOADER_H

// Loading the skin plug-ins of a folder at start-up.

#include <QString>

namespace apt {

// Loads every plain file of `folder` (in directory order) as a Qt plug-in and
// keeps each one that loads loaded for the rest of the process, so that the
// resources of every skin stay registered. Files that are no plug-in, or whose
// root object does not offer ISkinPlugin, are skipped. Returns whether a
// plug-in listing `skinName` (case-sensitive) was among them, and writes the
// diagnostic line "[Tool]LoadSkin = <name> Success" or "... failed".
bool loadSkin(const QString &folder, const QString &skinName);

} // namespace apt

#endif // SKINLOADER_H
