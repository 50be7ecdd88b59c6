#ifndef CONFIGPATHS_H
#define CONFIGPATHS_H

// Where the program's own data files live. The program directory may not be
// writable (an installation under /usr or /opt), so a file the program
// rewrites ("ColumnConfig.xml", "Upgrade.xml") is kept in the user's
// configuration folder; the copy shipped beside the program only serves as
// the default until the first write.

#include <QString>

namespace apt {

class ConfigPaths
{
public:
    // The directory of the executable, with a trailing "/".
    static QString programFolder();

    // The user's configuration folder for this program, with a trailing "/".
    static QString userFolder();

    // The user's copy when there is one, else the default beside the program.
    static QString readPath(const QString &strName);

    // The user's copy; its folder is created when missing.
    static QString writePath(const QString &strName);
};

} // namespace apt

#endif // CONFIGPATHS_H
