#pragma once

#include "core/color/color.h"

#include <optional>
#include <string>

class QWidget;

// The two side dialogs a colour is chosen from, run over the window that asks: the sample
// palette and the registered colours. Owned by that window, so that they open centred over it
// and stay above it when it is kept on top.
namespace tessuvo {

// The sample colour chosen, if the palette ended with one.
std::optional<Color> ChooseSampleColor(QWidget* owner);

// The registered colour chosen from the set of `target`, if any; `offered` is the colour the
// dialog offers to register.
std::optional<Color> ChooseRegisteredColor(QWidget* owner, const std::string& iniPath,
                                           ColorTarget target, const Color& offered);

} // namespace tessuvo
