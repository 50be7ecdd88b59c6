#include "desktopservices.h"

#include <QDesktopServices>

namespace aptui {

namespace {
UrlOpener &opener()
{
    static UrlOpener instance;
    return instance;
}
} // namespace

bool openUrl(const QUrl &url)
{
    if (opener())
        return opener()(url);
    return QDesktopServices::openUrl(url);
}

void setUrlOpener(UrlOpener replacement)
{
    opener() = std::move(replacement);
}

} // namespace aptui
