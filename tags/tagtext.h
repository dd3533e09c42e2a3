#pragma once

#include "core/color/color.h"

#include <string>
#include <string_view>

namespace tessuvo {

// <BODY bgcolor="#rrggbb" text="#rrggbb">
std::string BodyTag(const Color& background, const Color& text);

// <FONT color="#rrggbb">preview text</FONT> when `useFont` is exactly 1, otherwise the empty
// tag pair. The preview text goes in byte for byte, without escaping.
std::string FontTag(const Color& text, int useFont, std::string_view previewText);

} // namespace tessuvo
