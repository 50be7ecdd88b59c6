#ifndef TARNDEVICEFILTER_H
#define TARNDEVICEFILTER_H

// A rule that may hide a device from the list: consulted by the discovery
// handler before each online event, on the discovery library's thread.

#include "tarndeviceinfo.h"

class TarnDeviceFilter
{
public:
    virtual ~TarnDeviceFilter();

    // True hides the device. Called on the library's thread, so it must not
    // touch GUI objects.
    virtual bool isFiltered(const TarnDeviceInfo &struDevInfo) const = 0;

protected:
    TarnDeviceFilter() = default;
    TarnDeviceFilter(const TarnDeviceFilter &) = default;
    TarnDeviceFilter &operator=(const TarnDeviceFilter &) = default;
};

#endif // TARNDEVICEFILTER_H
