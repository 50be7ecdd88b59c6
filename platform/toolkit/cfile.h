#ifndef CFILE_H
#define CFILE_H

// Whole-file text reads, for style sheets and other small text resources
// (plain files or Qt resources). Texts are read as UTF-8.

#include <QString>
#include <QStringList>

namespace MirelGUIToolkit {

class CFile
{
public:
    // The whole text of the file; empty when it cannot be read.
    static QString ReadAll(const QString &path);

    // The texts of the named files in folder, in list order, each followed by
    // a line break so that the last token of one file never runs into the
    // first of the next. Files that cannot be read add nothing. A name that is
    // an absolute path is read as it is.
    static QString ReadAll(const QStringList &fileNames, const QString &folder);
};

} // namespace MirelGUIToolkit

#endif // CFILE_H
