#include "tarnwifiparam.h"

#include "textcodec.h"

#include <algorithm>
#include <cstring>

namespace {

TarnWifiParam makeRecord(uint8_t kind, const QString &adminPassword)
{
    TarnWifiParam record{};
    record.settingKind = kind;
    // Every byte of the converted password is copied: in a multi-byte code
    // page a password has more bytes than characters, and cutting it at its
    // character count would send the device a different password.
    const QByteArray password = ConvertFromUnicode(adminPassword);
    std::memcpy(record.adminPassword, password.constData(),
                std::min(static_cast<std::size_t>(password.size()), sizeof record.adminPassword));
    return record;
}

} // namespace

TarnWifiParam makeWifiRegionRecord(uint8_t regionCode, const QString &adminPassword)
{
    TarnWifiParam record = makeRecord(TarnWifiSettingRegion, adminPassword);
    record.regionCode = regionCode;
    return record;
}

TarnWifiParam makeWifiEnhancementRecord(bool on, const QString &adminPassword)
{
    TarnWifiParam record = makeRecord(TarnWifiSettingEnhancement, adminPassword);
    record.enhancement = on ? 1 : 0;
    return record;
}
