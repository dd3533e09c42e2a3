#pragma once

#include "core/color/color.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

// A palette: named colours in the order they were written down, as the palette window shows
// them and the palette files hold them.
namespace tessuvo {

struct PaletteColor
{
    Color color;
    std::string name;

    friend bool operator==(const PaletteColor&, const PaletteColor&) = default;
};

struct Palette
{
    std::string name;
    int columns = 0; // as a GIMP palette states it; 0 when it states none
    std::vector<PaletteColor> colors;
};

// Bounds on what is read, so that a mistaken or hostile file neither exhausts memory nor keeps
// the window busy: a palette file of more bytes or more colours is refused whole.
inline constexpr std::size_t MaxPaletteFileBytes = 16 * 1024 * 1024;
inline constexpr std::size_t MaxPaletteColors = 10000;
// Longer names are cut (at a character's end), so that every swatch has room for its value.
inline constexpr std::size_t MaxPaletteNameBytes = 200;

// Why a file gave no palette.
enum class PaletteProblem
{
    None,
    Unreadable, // not readable, or not of the format its name promises
    TooLarge,   // more than MaxPaletteFileBytes
    TooManyColors,
    NoColor,
};

struct PaletteRead
{
    Palette palette;
    PaletteProblem problem = PaletteProblem::None;
};

// `text` as one line of a palette file can hold it: UTF-8 (a stray byte becomes U+FFFD),
// control characters as spaces, no blanks at either end, at most `maxBytes` long.
std::string TidyName(std::string_view text, std::size_t maxBytes = MaxPaletteNameBytes);

// "name 2": the name that the `n`th of a name gets, cut so as to stay within
// MaxPaletteNameBytes.
std::string NumberedName(std::string_view name, int n);

// "1e3a5f": the name of a colour that was written down without one.
std::string HexDigits(const Color& color);

// Collects what a reader finds, up to one colour past MaxPaletteColors, and hands it over with
// every colour named: its own name tidied, the hex digits for none, and a name met before
// numbered ("accent 2"), so that each name stands for one colour in every format written.
class PaletteBuilder
{
public:
    // With `dropRepeats`, a colour of a name and value met before is taken once.
    explicit PaletteBuilder(bool dropRepeats = false) : m_dropRepeats(dropRepeats) {}

    // False once the palette has too many colours: reading may stop.
    bool Add(const Color& color, std::string_view name);
    bool Full() const { return m_palette.colors.size() > MaxPaletteColors; }

    void SetName(std::string_view name) { m_palette.name = TidyName(name); }
    void SetColumns(int columns) { m_palette.columns = columns; }

    // The palette, or the problem: too many colours, or none.
    PaletteRead Finish() &&;

private:
    Palette m_palette;
    bool m_dropRepeats;
    std::unordered_set<std::string> m_seen; // name and value of each colour taken
};

} // namespace tessuvo
