#pragma once

#include "core/color/colorpair.h"

#include <string>

namespace tessuvo {

// What the main window's additions ask of it: its pair, set at once, shown again, and copied
// through a colour box as the tags are.
class PairWindow
{
public:
    virtual ColorPair Pair() const = 0;
    // Sets both colours, then refreshes once.
    virtual void SetPair(const ColorPair& pair) = 0;
    // Writes both edit texts in the current notation and repaints what shows the pair.
    virtual void RefreshColors() = 0;
    // Puts `text` on the clipboard through the colour's edit box, which shows its value again
    // afterwards, and puts the pair first in the history.
    virtual void CopyThroughBox(ColorTarget target, const std::string& text) = 0;

protected:
    ~PairWindow() = default;
};

} // namespace tessuvo
