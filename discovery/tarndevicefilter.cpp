#include "tarndevicefilter.h"

// Out of line so that the vtable has one home.
TarnDeviceFilter::~TarnDeviceFilter() = default;
