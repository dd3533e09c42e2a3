#pragma once

#include <span>

// Dialog templates as data: what each dialog holds, where, with which texts and styles.
namespace tessuvo::res {

enum class ControlKind
{
    Edit,
    PushButton,
    ScrollBar,
    Static,
    CheckBox,
    RadioButton,
    GroupBox,
};

enum ControlStyle : unsigned
{
    Multiline = 1u << 0,
    WantReturn = 1u << 1,
    AutoHScroll = 1u << 2,
    AutoVScroll = 1u << 3,
    Border = 1u << 4,
    TabStop = 1u << 5,
    IconImage = 1u << 6,
    DefaultButton = 1u << 7,
    Centre = 1u << 8,
    VCentre = 1u << 9,
    Sunken = 1u << 10,
    Group = 1u << 11,
    UpperCase = 1u << 12,
    NoPrefix = 1u << 13,
};

struct ControlTemplate
{
    int id;
    ControlKind kind;
    int x, y, width, height; // dialog units
    const char* text;
    unsigned style;
};

enum DialogStyle : unsigned
{
    MinimizeBox = 1u << 0,
    SystemMenu = 1u << 1,
};

struct DialogTemplate
{
    int id;
    const char* caption;
    int width, height; // dialog units
    unsigned style;
    int menu; // menu resource, 0 for none
    const char* fontFace;
    int pointSize;
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

inline constexpr const char* DialogFontFace = "ＭＳ Ｐゴシック";
inline constexpr int DialogPointSize = 9;

} // namespace tessuvo::res
