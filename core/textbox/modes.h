#pragma once

namespace tessuvo {

// How the edit boxes show a colour. The settings file may hold any other value, which the
// program keeps and shows no text for.
enum NotationMode : int
{
    NotationHtml = 3,
    NotationDecimal = 10,
    NotationHex = 16,
};
inline constexpr int DefaultNotation = NotationHtml;

// What the preview band shows.
enum PreviewMode : int
{
    PreviewText = 0,  // the preview text in the text colour on the background colour
    PreviewSides = 1, // left half background colour, right half text colour
};
inline constexpr int DefaultPreviewMode = PreviewText;

} // namespace tessuvo
