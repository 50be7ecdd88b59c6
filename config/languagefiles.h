#ifndef LANGUAGEFILES_H
#define LANGUAGEFILES_H

// The translation catalogues and the locale of each language the program
// knows, and the installation of those catalogues into the application.
// Kept apart from the language manager so that the choice and the
// installation can be exercised on any folder.

#include <QLocale>
#include <QString>
#include <QTranslator>

#include <memory>
#include <vector>

namespace apt {

struct LanguageFiles
{
    QString programFile; // the program's own texts
    QString qtFile;      // Qt's texts; empty when the language needs none
    QString thirdFile;   // the toolkit's texts, consulted first
    QLocale locale;
};

// The files and locale of a language: 0 English, 1 Chinese; any other value
// has no files and the default locale.
LanguageFiles languageFiles(int iLanguage);

// Loads the files from the folder (with a trailing "/") into translators and
// installs them into the application in the order program, Qt, third file,
// so that the third file is consulted first. A missing file still yields an
// installed, empty translator. The translators uninstall themselves when
// destroyed.
std::vector<std::unique_ptr<QTranslator>> installTranslators(const LanguageFiles &files, const QString &strFolder);

} // namespace apt

#endif // LANGUAGEFILES_H
