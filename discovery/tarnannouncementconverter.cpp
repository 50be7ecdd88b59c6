#include "tarnannouncementconverter.h"

#include <array>
#include <cstring>

namespace {

constexpr std::size_t MaxTextLength = 64;

// The texts of which at least one must be shorter than MaxTextLength.
constexpr std::array<std::size_t, 8> CheckedTextOffsets = {
    offsetof(TarnAnnouncement, auxText1),
    offsetof(TarnAnnouncement, serialNumber),
    offsetof(TarnAnnouncement, macAddress),
    offsetof(TarnAnnouncement, ipv4Address),
    offsetof(TarnAnnouncement, ipv4SubnetMask),
    offsetof(TarnAnnouncement, softwareVersion),
    offsetof(TarnAnnouncement, dspVersion),
    offsetof(TarnAnnouncement, startTime),
};

// A text is measured over up to 64 bytes from its start, which for these
// arrays (all narrower than 64) runs on into the fields that follow; the
// measurement therefore works on the record's bytes and must stay inside it.
static_assert(offsetof(TarnAnnouncement, startTime) + MaxTextLength <= sizeof(TarnAnnouncement),
              "text measurement stays inside the announcement");

bool hasShortText(const TarnAnnouncement &announcement)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(&announcement);
    for (const std::size_t offset : CheckedTextOffsets) {
        if (std::memchr(bytes + offset, 0, MaxTextLength) != nullptr)
            return true;
    }
    return false;
}

} // namespace

std::optional<TarnDeviceInfo> convertAnnouncement(const TarnAnnouncement *announcement)
{
    if (announcement == nullptr)
        return std::nullopt;
    if (!hasShortText(*announcement))
        return std::nullopt;
    if (announcement->recordState != 0 && announcement->recordState != 1)
        return std::nullopt;

    TarnDeviceInfo info{};
    // The record is trivially copyable; only its default member initialisers
    // make it "non-trivial" to the compiler's memaccess warning.
    std::memcpy(static_cast<void *>(&info), announcement, TarnDeviceInfoMirrorSize);
    info.enhancedSdkPort = announcement->enhancedSdkPort;
    info.emailTipMode = announcement->emailTipMode;
    info.userKind = announcement->userKind;
    std::memcpy(info.userName, announcement->userName, sizeof info.userName);
    return info;
}
