#ifndef PROGRAMPATHS_H
#define PROGRAMPATHS_H

// Paths of the files that ship beside the program (the user manual, the
// licence folder, the default configuration files).

#include <QString>

// The directory that holds the executable, with forward slashes and a
// trailing "/".
QString programDirectory();

// A relative name placed in the program directory; an absolute path is
// returned unchanged.
QString pathBesideProgram(const QString &name);

// The same rule for any directory (with or without a trailing "/").
QString pathInDirectory(const QString &directory, const QString &name);

#endif // PROGRAMPATHS_H
