#include "skinloader.h"

#include "iskinplugin.h"

#include <QDebug>
#include <QDir>
#include <QPluginLoader>

namespace apt {

bool loadSkin(const QString &folder, const QString &skinName)
{
    bool found = false;
    const QStringList fileNames = QDir(folder).entryList(QDir::Files);
    for (const QString &fileName : fileNames) {
        // The loader refers to a library by its canonical path, so a file
        // that is already loaded is shared, not loaded a second time. It is
        // never unloaded: the registered resources must outlive the loader.
        QPluginLoader loader(QDir::cleanPath(folder + QLatin1Char('/') + fileName));
        const ISkinPlugin *skin = qobject_cast<ISkinPlugin *>(loader.instance());
        if (skin && skin->skinKeys().contains(skinName))
            found = true;
    }
    if (found)
        qDebug("[Tool]LoadSkin = %s Success", qPrintable(skinName));
    else
        qDebug("[Tool]LoadSkin = %s failed", qPrintable(skinName));
    return found;
}

} // namespace apt
