#ifndef COMMONSTYLEPLUGIN_H
#define COMMONSTYLEPLUGIN_H

// Makes "CommonStyle" known to QStyleFactory: Qt finds this plug-in in the
// "plugins/styles" folder beside the program.

#include <QStylePlugin>

class CommonStylePlugin : public QStylePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QStyleFactoryInterface_iid FILE "commonstyle.json")

public:
    QStyle *create(const QString &key) override;
};

#endif // COMMONSTYLEPLUGIN_H
