#ifndef TARNANNOUNCEMENTCONVERTER_H
#define TARNANNOUNCEMENTCONVERTER_H

// Turns the library's announcement record into the program's device record,
// rejecting announcements that carry no usable text or an unknown record
// state.

#include "tarndeviceinfo.h"
#include "tarnrecords.h"

#include <optional>

// Nothing for a null pointer or a rejected announcement.
std::optional<TarnDeviceInfo> convertAnnouncement(const TarnAnnouncement *announcement);

#endif // TARNANNOUNCEMENTCONVERTER_H
