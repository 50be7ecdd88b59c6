#ifndef OTHERPLUGIN_H
#define OTHERPLUGIN_H

// A Qt plug-in that is no skin: it loads, but its root object does not offer
// ISkinPlugin, so the skin loader must pass it over.

#include <QObject>

class OtherPlugin : public QObject
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "com.TarnTool.Test.OtherPlugin/1.0")

public:
    explicit OtherPlugin(QObject *parent = nullptr);
};

#endif // OTHERPLUGIN_H
