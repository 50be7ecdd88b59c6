#include "guilocale.h"

#include <mutex>
#include <optional>

namespace {

std::mutex &localeMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::optional<QLocale> &storedLocale()
{
    static std::optional<QLocale> locale;
    return locale;
}

} // namespace

void InitGuiLocale(const QLocale &locale)
{
    const std::lock_guard<std::mutex> lock(localeMutex());
    storedLocale() = locale;
}

QLocale GuiLocale()
{
    const std::lock_guard<std::mutex> lock(localeMutex());
    return storedLocale().value_or(QLocale());
}
