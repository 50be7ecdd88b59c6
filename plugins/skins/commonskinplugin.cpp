#include "commonskinplugin.h"

CommonSkinPlugin::CommonSkinPlugin(QObject *parent)
    : QObject(parent)
{
}

QStringList CommonSkinPlugin::skinKeys() const
{
    return {QStringLiteral("CommonSkin")};
}
