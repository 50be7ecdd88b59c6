#include "otherplugin.h"

OtherPlugin::OtherPlugin(QObject *parent)
    : QObject(parent)
{
}
