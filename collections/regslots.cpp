#include "regslots.h"

#include "settings/profile.h"
#include "settings/profilelock.h"

#include <array>

namespace tessuvo {

namespace {

constexpr const char* InUse = "ITEM";
constexpr const char* Red = "red";
constexpr const char* Green = "green";
constexpr const char* Blue = "blue";

} // namespace

std::string SlotSection(ColorTarget target, int slot)
{
    if (slot < 1 || slot > SlotCount)
        return {};
    switch (target) {
    case ColorTarget::Background:
        return "BG" + std::to_string(slot);
    case ColorTarget::Text:
        return "FG" + std::to_string(slot);
    default:
        return {};
    }
}

SlotValues ReadSlot(const std::string& iniPath, ColorTarget target, int slot, int defaultValue)
{
    const std::string section = SlotSection(target, slot);
    if (section.empty())
        return {defaultValue, defaultValue, defaultValue};
    return {GetPrivateProfileIntA(section, Red, defaultValue, iniPath),
            GetPrivateProfileIntA(section, Green, defaultValue, iniPath),
            GetPrivateProfileIntA(section, Blue, defaultValue, iniPath)};
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
    return {channel(Red, buttonFace.red), channel(Green, buttonFace.green),
            channel(Blue, buttonFace.blue)};
}

int RegisterSlot(const std::string& iniPath, ColorTarget target, int red, int green, int blue)
{
    if (SlotSection(target, 1).empty())
        return SlotsFull;
    // Another copy registering at the same moment must not pick the same free slot.
    const ProfileLock lock(iniPath);
    for (int slot = 1; slot <= SlotCount; ++slot) {
        const std::string section = SlotSection(target, slot);
        if (GetPrivateProfileIntA(section, InUse, 0, iniPath) != 0)
            continue;
        const std::string r = std::to_string(red), g = std::to_string(green),
                          b = std::to_string(blue);
        const std::array<ProfileWrite, 4> writes{{{InUse, "1"}, {Red, r}, {Green, g}, {Blue, b}}};
        return WritePrivateProfileKeys(section, writes, iniPath) ? slot : SlotNotWritten;
    }
    return SlotsFull;
}

bool DeleteSlot(const std::string& iniPath, ColorTarget target, int slot)
{
    const std::string section = SlotSection(target, slot);
    if (section.empty())
        return true;
    const std::array<ProfileWrite, 4> writes{
        {{Red, std::nullopt}, {Green, std::nullopt}, {Blue, std::nullopt}, {InUse, "0"}}};
    return WritePrivateProfileKeys(section, writes, iniPath);
}

} // namespace tessuvo
