#pragma once

#include "core/color/color.h"

#include <string>

// The registered colours: 18 numbered slots per colour target, one settings-file section each.
// Nothing is cached; every call reads or writes the file at that moment, so what is shown is
// always what the file holds, even after a hand edit or a second running copy.
namespace tessuvo {

inline constexpr int SlotCount = 18;

// "BG<n>" for the background set, "FG<n>" for the text set; empty for any other target or a
// slot outside 1..SlotCount, and the functions below treat such a slot as having no section.
std::string SlotSection(ColorTarget target, int slot);

struct SlotValues
{
    int red;
    int green;
    int blue;

    friend bool operator==(const SlotValues&, const SlotValues&) = default;
};

// The colour stored in the slot, each channel the whole integer as read, or `defaultValue`
// where the key is absent. Only the colour keys are read, not the in-use mark: a deleted slot
// whose colour keys were put back by hand still yields its colour.
SlotValues ReadSlot(const std::string& iniPath, ColorTarget target, int slot, int defaultValue);

// The colour the slot's button is painted with: each channel defaults to the button face's,
// and only its low 8 bits are kept, so that a hand-edited 300 paints as 44 instead of spilling
// into the next channel.
SlotValues ReadSlotFace(const std::string& iniPath, ColorTarget target, int slot,
                        const Color& buttonFace);

// What RegisterSlot returns when no slot took the colour.
inline constexpr int SlotsFull = 0;       // all in use: nothing was written
inline constexpr int SlotNotWritten = -1; // the settings file could not be written

// Stores the colour in the first slot not marked in use, and returns that slot's number, or
// one of the two results above. Only the in-use mark decides, so a slot marked in use without
// colour keys stays taken although it looks empty. The search and the four keys are one step
// under the settings lock, and the keys one replacement of the file, so neither a crash nor a
// second copy of the program leaves a half-written or doubly taken slot.
int RegisterSlot(const std::string& iniPath, ColorTarget target, int red, int green, int blue);

// Removes the slot's colour and marks it free, leaving the section behind; false when the
// settings file could not be written. Nothing changes for a slot outside 1..SlotCount, such as
// 0 before any slot was picked.
bool DeleteSlot(const std::string& iniPath, ColorTarget target, int slot);

} // namespace tessuvo
