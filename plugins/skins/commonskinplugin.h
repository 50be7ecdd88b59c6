#ifndef COMMONSKINPLUGIN_H
#define COMMONSKINPLUGIN_H

// The program's own skin, "CommonSkin": its images and style sheets are
// compiled into this plug-in as resources, which register as soon as the
// library is loaded.

#include "iskinplugin.h"

#include <QObject>

class CommonSkinPlugin : public QObject, public ISkinPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "com.ISkinPlugin/1.1")
    Q_INTERFACES(ISkinPlugin)

public:
    explicit CommonSkinPlugin(QObject *parent = nullptr);

    QStringList skinKeys() const override;
};

#endif // COMMONSKINPLUGIN_H
