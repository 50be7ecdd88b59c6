#include "languagefiles.h"

#include <QCoreApplication>

namespace apt {

LanguageFiles languageFiles(int iLanguage)
{
    switch (iLanguage) {
    case 0:
        return {QStringLiteral("tarntool_en.qm"), QString(), QStringLiteral("DuvuvaVozaziz_en.qm"),
                QLocale(QLocale::English, QLocale::UnitedStates)};
    case 1:
        return {QStringLiteral("tarntool_zh.qm"), QStringLiteral("qt_zh_CN.qm"),
                QStringLiteral("MirelGUIToolkit_zh.qm"), QLocale(QLocale::Chinese, QLocale::China)};
    default:
        return {QString(), QString(), QString(), QLocale()};
    }
}

std::vector<std::unique_ptr<QTranslator>> installTranslators(const LanguageFiles &files, const QString &strFolder)
{
    std::vector<std::unique_ptr<QTranslator>> translators;
    for (const QString &name : {files.programFile, files.qtFile, files.thirdFile}) {
        if (name.isEmpty())
            continue;
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(strFolder + name))
            qDebug("[Tool]Translation file %s not loaded", qPrintable(strFolder + name));
        QCoreApplication::installTranslator(translator.get());
        translators.push_back(std::move(translator));
    }
    return translators;
}

} // namespace apt
