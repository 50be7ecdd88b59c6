#ifndef KEYFILECOPY_H
#define KEYFILECOPY_H

// The working copy of a key file that the key-file reset hands to the
// discovery library: the key the manufacturer sent, as text, without the
// line breaks at its end. Key files come from other systems and often end
// with one or more CR LF pairs, which the device would take as part of the
// key. The copy is rewritten for every key-file reset.

#include <QByteArray>
#include <QString>

namespace TarnTool {

class KeyFileCopy
{
public:
    // The file name of the copy.
    static QString copyFileName();

    // Where the copy lives: the user's program data folder (created when
    // missing), which is writable even when the program folder is not.
    static QString defaultCopyPath();

    // The content read as text (CR LF pairs become LF, as a text-mode read
    // makes them), with every CR and LF at its end removed.
    static QByteArray copyText(const QByteArray &content);

    // Deletes copyPath, then writes the text of keyFilePath there. Returns
    // copyPath, also when the key file cannot be read (the copy then no
    // longer exists and the device refuses the reset); an empty text when
    // the copy cannot be created.
    static QString make(const QString &keyFilePath, const QString &copyPath);
};

} // namespace TarnTool

#endif // KEYFILECOPY_H
