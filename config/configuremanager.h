#ifndef CONFIGUREMANAGER_H
#define CONFIGUREMANAGER_H

// The program's settings from "Setup.xml", read once at start-up and asked
// through typed readers that supply the defaults of missing settings. The
// file is never written by the program.

#include "configure.h"
#include "singleton.h"

#include <QString>

#include <memory>
#include <vector>

namespace apt {

// Ids of the keys the program knows, in the order of find().
enum ConfigureId {
    ConfigTranslator = 0,
    ConfigLanguages = 1,
    ConfigLogLevel = 2,
    ConfigVersionType = 3,
    ConfigPingThread = 4,
    ConfigTaskThread = 5,
    ConfigLogSaveDay = 6,
    ConfigSkin = 7,
    ConfigFilter = 8,
    ConfigType = 9,
};

class ConfigureManager : public Singleton::CSingleton<ConfigureManager>
{
    friend class Singleton::CSingleton<ConfigureManager>;

public:
    static ConfigureManager *instance();

    ~ConfigureManager();

    // The key of an id; empty for an id the program does not know.
    static QString keyOf(int id);

    // Replaces all settings with those of the file. False, with no settings
    // left, when the file is missing or not well-formed.
    bool load(const QString &path);

    // The first setting named by the key of id, or null.
    const Configure *find(int id) const;

    unsigned getTranslator() const;
    int getVersionType() const;
    int getType() const;
    bool isFilterOn() const;
    // The skin named by the setting when present (even when empty), else
    // "CommonSkin".
    QString getSkin() const;

    QString path() const;

private:
    ConfigureManager();

    std::vector<std::unique_ptr<Configure>> configures;
    QString m_path;
};

} // namespace apt

#endif // CONFIGUREMANAGER_H
