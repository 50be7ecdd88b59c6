#include "configuremanager.h"

#include "cgenericds.h"

#include <array>

namespace apt {

namespace {

const std::array<const char *, 10> kKeys = {"Translator", "Languages", "LogLevel", "VersionType", "PingThread",
                                            "TaskThread", "LogSaveDay", "Skin",      "Filter",      "Type"};

} // namespace

ConfigureManager::ConfigureManager() = default;

ConfigureManager::~ConfigureManager() = default;

ConfigureManager *ConfigureManager::instance()
{
    return Instance();
}

QString ConfigureManager::keyOf(int id)
{
    if (id < 0 || id >= static_cast<int>(kKeys.size()))
        return QString();
    return QString::fromLatin1(kKeys[static_cast<size_t>(id)]);
}

bool ConfigureManager::load(const QString &path)
{
    configures.clear();
    MirelGUIToolkit::CGenericDS root;
    if (!root.LoadXML(path))
        return false;
    m_path = path;
    for (int i = 0; i < root.GetChildrenCount(); ++i) {
        const MirelGUIToolkit::CGenericDS *setting = root.GetChild(i);
        const MirelGUIToolkit::CGenericDS *value = setting->GetChildByName(QStringLiteral("Value"));
        configures.push_back(std::make_unique<Configure>(setting->GetName(), value ? value->GetValue() : QString()));
    }
    return true;
}

const Configure *ConfigureManager::find(int id) const
{
    const QString key = keyOf(id);
    if (key.isEmpty())
        return nullptr;
    for (const auto &configure : configures) {
        if (configure->name() == key)
            return configure.get();
    }
    return nullptr;
}

unsigned ConfigureManager::getTranslator() const
{
    const Configure *configure = find(ConfigTranslator);
    return configure ? configure->value().toUInt() : 0u;
}

int ConfigureManager::getVersionType() const
{
    const Configure *configure = find(ConfigVersionType);
    return configure ? configure->value().toInt() : 1;
}

int ConfigureManager::getType() const
{
    const Configure *configure = find(ConfigType);
    return configure ? configure->value().toInt() : -1;
}

bool ConfigureManager::isFilterOn() const
{
    const Configure *configure = find(ConfigFilter);
    return configure && configure->value().toInt() == 1;
}

QString ConfigureManager::getSkin() const
{
    const Configure *configure = find(ConfigSkin);
    return configure ? configure->value() : QStringLiteral("CommonSkin");
}

QString ConfigureManager::path() const
{
    return m_path;
}

} // namespace apt
