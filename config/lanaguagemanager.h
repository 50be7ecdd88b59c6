#ifndef LANAGUAGEMANAGER_H
#define LANAGUAGEMANAGER_H

// The language of the user interface, chosen by the Translator setting, and
// the translators installed for it. Made on first use, after the settings
// are loaded; the language does not change while the program runs.

#include "singleton.h"

#include <QLocale>
#include <QTranslator>

#include <memory>
#include <vector>

namespace apt {

class LanaguageManager : public Singleton::CSingleton<LanaguageManager>
{
    friend class Singleton::CSingleton<LanaguageManager>;

public:
    static LanaguageManager *instance();

    ~LanaguageManager();

    int language() const;
    QLocale locale() const;

private:
    LanaguageManager();

    int m_language;
    QLocale m_locale;
    std::vector<std::unique_ptr<QTranslator>> translators;
};

} // namespace apt

#endif // LANAGUAGEMANAGER_H
