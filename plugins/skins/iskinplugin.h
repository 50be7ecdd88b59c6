#ifndef ISKINPLUGIN_H
#define ISKINPLUGIN_H

// The contract between the program and its skin plug-ins. A skin plug-in is a
// Qt plug-in whose root object offers this interface; loading it registers the
// skin's images and style sheets as resources (":/CommonSkin/", ":/Mirelpro/Qss/",
// ":/aptui/"), and skinKeys() names the skins it provides.

#include <QtPlugin>
#include <QStringList>

#define ISkinPlugin_iid "com.ISkinPlugin/1.1"

class ISkinPlugin
{
public:
    virtual ~ISkinPlugin() = default;

    // Names of the skins this plug-in provides, compared case-sensitively.
    virtual QStringList skinKeys() const = 0;
};

Q_DECLARE_INTERFACE(ISkinPlugin, ISkinPlugin_iid)

#endif // ISKINPLUGIN_H
