#ifndef TARGETPATH_H
#define TARGETPATH_H

// Where the program's own files are: the folder of the executable.

#include <QString>

// The program directory with a trailing "/". Needs a QCoreApplication.
QString GetTargetPath();

// The full path of fileName inside the program directory.
QString GetTargetPathFile(const QString &fileName);

#endif // TARGETPATH_H
