#pragma once

#include <span>
#include <type_traits>

// Dialog templates as data: what each dialog holds, where, with which texts and styles.
namespace tessuvo::res {

enum class ControlKind
{
    Edit,
    PushButton,
    ColorButton, // owner-drawn, flat, sunken edge: shows a colour, never its caption
    ScrollBar,
    Static,
    CheckBox,
    RadioButton,
    GroupBox,
};

enum class ControlStyle : unsigned
{
    None = 0,
    Multiline = 1u << 0, // edit: one line high, Enter inserts a line break
    TabStop = 1u << 1,
    IconImage = 1u << 2,     // push button or static: an icon instead of the caption
    DefaultButton = 1u << 3, // push button: the dialog's default button
    Centre = 1u << 4,
    VCentre = 1u << 5,
    Sunken = 1u << 6,
    UpperCase = 1u << 7, // edit: typed letters become capitals
};

struct ControlTemplate
{
    int id;
    ControlKind kind;
    int x, y, width, height; // dialog units
    const char* text;
    ControlStyle style;
};

enum class DialogStyle : unsigned
{
    None = 0,
    MinimizeBox = 1u << 0,
    SystemMenu = 1u << 1,
};

// The two style sets combine with | and are tested with HasStyle.
template <class Style>
concept StyleFlags = std::is_same_v<Style, ControlStyle> || std::is_same_v<Style, DialogStyle>;

template <StyleFlags Style> constexpr Style operator|(Style a, Style b)
{
    return static_cast<Style>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}

template <StyleFlags Style> constexpr bool HasStyle(Style styles, Style flag)
{
    return (static_cast<unsigned>(styles) & static_cast<unsigned>(flag)) != 0;
}

struct DialogTemplate
{
    int id;
    const char* caption;
    int width, height; // dialog units
    DialogStyle style;
    int menu; // menu resource, 0 for none
    std::span<const ControlTemplate> controls;
};

// The template with this resource id; nullptr for an unknown id.
const DialogTemplate* FindDialogTemplate(int id);

// Dialog units to pixels with the dialog font's base units of 7 × 12 pixels, rounded as the
// platform's MulDiv rounds. Rectangles convert their edges, not their sizes.
constexpr int DialogUnitsToPixelsX(int x)
{
    return (x * 7 + (x >= 0 ? 2 : -2)) / 4;
}
constexpr int DialogUnitsToPixelsY(int y)
{
    return (y * 12 + (y >= 0 ? 4 : -4)) / 8;
}

} // namespace tessuvo::res
