#include "lanaguagemanager.h"

#include "configuremanager.h"
#include "languagefiles.h"
#include "targetpath.h"

namespace apt {

LanaguageManager::LanaguageManager()
    : m_language(static_cast<int>(ConfigureManager::instance()->getTranslator()))
{
    const LanguageFiles files = languageFiles(m_language);
    m_locale = files.locale;
    translators = installTranslators(files, GetTargetPath() + QStringLiteral("translations/"));
}

LanaguageManager::~LanaguageManager() = default;

LanaguageManager *LanaguageManager::instance()
{
    return Instance();
}

int LanaguageManager::language() const
{
    return m_language;
}

QLocale LanaguageManager::locale() const
{
    return m_locale;
}

} // namespace apt
