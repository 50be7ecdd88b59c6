#ifndef DESKTOPSERVICES_H
#define DESKTOPSERVICES_H

// The one way the program hands an address to the desktop (the browser for a
// device's web page, the PDF viewer for the manual, the file manager for a
// folder). Tests replace the opener so that nothing leaves the test.

#include <QUrl>

#include <functional>

namespace aptui {

using UrlOpener = std::function<bool(const QUrl &url)>;

// Opens the address with the platform's default application; false when the
// desktop could not.
bool openUrl(const QUrl &url);

// While set, openUrl hands the address to the opener instead; an empty opener
// restores the desktop.
void setUrlOpener(UrlOpener opener);

} // namespace aptui

#endif // DESKTOPSERVICES_H
