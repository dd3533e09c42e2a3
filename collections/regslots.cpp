#include "regslots.h"

#include "settings/profile.h"
#include "settings/profilelock.h"
#include "settings/settingskeys.h"

#include <array>

namespace tessuvo {

using keys::SlotBlue, keys::SlotGreen, keys::SlotInUse, keys::SlotRed;

std::string SlotSection(ColorTarget target, int slot)
{
    if (slot < 1 || slot > SlotCount)
        return {};
    switch (target) {
    case ColorTarget::Background:
        return keys::BackgroundSlotPrefix + std::to_string(slot);
    case ColorTarget::Text:
        return keys::TextSlotPrefix + std::to_string(slot);
    default:
        return {};
    }
}

SlotValues ReadSlot(const std::string& iniPath, ColorTarget target, int slot, int defaultValue)
{
    const std::string section = SlotSection(target, slot);
    if (section.empty())
        return {defaultValue, defaultValue, defaultValue};
    return {GetPrivateProfileIntA(section, SlotRed, defaultValue, iniPath),
            GetPrivateProfileIntA(section, SlotGreen, defaultValue, iniPath),
            GetPrivateProfileIntA(section, SlotBlue, defaultValue, iniPath)};
}

SlotValues ReadSlotFace(const std::string& iniPath, ColorTarget target, int slot,
                        const Color& buttonFace)
{
    const std::string section = SlotSection(target, slot);
    const auto channel = [&](const char* key, int face) {
        const int value =
            section.empty() ? face : GetPrivateProfileIntA(section, key, face, iniPath);
        return value & 0xFF;
    };
    return {channel(SlotRed, buttonFace.red), channel(SlotGreen, buttonFace.green),
            channel(SlotBlue, buttonFace.blue)};
}

int RegisterSlot(const std::string& iniPath, ColorTarget target, int red, int green, int blue)
{
    if (SlotSection(target, 1).empty())
        return SlotsFull;
    // Another copy registering at the same moment must not pick the same free slot.
    const ProfileLock lock(iniPath);
    for (int slot = 1; slot <= SlotCount; ++slot) {
        const std::string section = SlotSection(target, slot);
        if (GetPrivateProfileIntA(section, SlotInUse, 0, iniPath) != 0)
            continue;
        const std::string r = std::to_string(red), g = std::to_string(green),
                          b = std::to_string(blue);
        const std::array<ProfileWrite, 4> writes{
            {{SlotInUse, "1"}, {SlotRed, r}, {SlotGreen, g}, {SlotBlue, b}}};
        return WritePrivateProfileKeys(section, writes, iniPath) ? slot : SlotNotWritten;
    }
    return SlotsFull;
}

bool DeleteSlot(const std::string& iniPath, ColorTarget target, int slot)
{
    const std::string section = SlotSection(target, slot);
    if (section.empty())
        return true;
    const std::array<ProfileWrite, 4> writes{{{SlotRed, std::nullopt},
                                              {SlotGreen, std::nullopt},
                                              {SlotBlue, std::nullopt},
                                              {SlotInUse, "0"}}};
    return WritePrivateProfileKeys(section, writes, iniPath);
}

} // namespace tessuvo
