#ifndef TAGAPPPROPERTY_H
#define TAGAPPPROPERTY_H

// What the program tells the update library about itself. The field order is
// the one the callers fill in; texts are UTF-8.

#include <string>

namespace upgrade {

struct tagAppProperty
{
    int reserved = 0;    // always 0
    int versionType = 0; // the VersionType setting; 0 whenever a check runs
    std::string programId;      // "TARNTool"
    std::string programVersion; // e.g. "3.0.0.21"
};

} // namespace upgrade

#endif // TAGAPPPROPERTY_H
