#ifndef GUILOCALE_H
#define GUILOCALE_H

// The toolkit's locale: the language the program runs in, as the language
// manager chose it. The toolkit keeps it for its users and does not change
// Qt's default locale, which the language manager owns.

#include <QLocale>

void InitGuiLocale(const QLocale &locale);

// The locale set by InitGuiLocale; Qt's default locale until then.
QLocale GuiLocale();

#endif // GUILOCALE_H
