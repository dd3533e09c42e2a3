#pragma once

#include "core/modes.h"

// Sections, keys and defaults of the settings file.
namespace tessuvo::keys {

inline constexpr const char* Flags = "FLG";
inline constexpr const char* TopMost = "TOPMOST";
inline constexpr const char* Notation = "RGB";
inline constexpr const char* PreviewMode = "PREVIEW";
inline constexpr const char* UseFont = "USEFONT";

inline constexpr const char* Position = "POSITION";
inline constexpr const char* X = "X";
inline constexpr const char* Y = "Y";

inline constexpr const char* Preview = "PREVIEW";
inline constexpr const char* PreviewString = "STRING";
// Present, as 1, only when STRING holds a text with its line breaks escaped.
inline constexpr const char* PreviewEscaped = "ESCAPED";

inline constexpr int DefaultTopMost = 0;
inline constexpr int DefaultNotation = tessuvo::DefaultNotation;
inline constexpr int DefaultPreviewMode = tessuvo::DefaultPreviewMode;
inline constexpr int DefaultUseFont = 0;
inline constexpr int NoPosition = -1;
inline constexpr const char* DefaultPreviewText = "[TESSUVO]";
inline constexpr int PreviewTextBuffer = 1024;

} // namespace tessuvo::keys
