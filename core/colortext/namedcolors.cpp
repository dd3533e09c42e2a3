#include "namedcolors.h"

#include "core/colormath/oklab.h"
#include "core/text/ascii.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace tessuvo {

namespace {

constexpr Color Rgb(std::uint32_t rgb)
{
    return {static_cast<int>(rgb >> 16), static_cast<int>(rgb >> 8 & 0xff),
            static_cast<int>(rgb & 0xff)};
}

// The CSS list's order, which is by name: a binary search finds a name.
constexpr NamedColor kNamedColors[] = {
    {"aliceblue", Rgb(0xf0f8ff)},
    {"antiquewhite", Rgb(0xfaebd7)},
    {"aqua", Rgb(0x00ffff)},
    {"aquamarine", Rgb(0x7fffd4)},
    {"azure", Rgb(0xf0ffff)},
    {"beige", Rgb(0xf5f5dc)},
    {"bisque", Rgb(0xffe4c4)},
    {"black", Rgb(0x000000)},
    {"blanchedalmond", Rgb(0xffebcd)},
    {"blue", Rgb(0x0000ff)},
    {"blueviolet", Rgb(0x8a2be2)},
    {"brown", Rgb(0xa52a2a)},
    {"burlywood", Rgb(0xdeb887)},
    {"cadetblue", Rgb(0x5f9ea0)},
    {"chartreuse", Rgb(0x7fff00)},
    {"chocolate", Rgb(0xd2691e)},
    {"coral", Rgb(0xff7f50)},
    {"cornflowerblue", Rgb(0x6495ed)},
    {"cornsilk", Rgb(0xfff8dc)},
    {"crimson", Rgb(0xdc143c)},
    {"cyan", Rgb(0x00ffff)},
    {"darkblue", Rgb(0x00008b)},
    {"darkcyan", Rgb(0x008b8b)},
    {"darkgoldenrod", Rgb(0xb8860b)},
    {"darkgray", Rgb(0xa9a9a9)},
    {"darkgreen", Rgb(0x006400)},
    {"darkgrey", Rgb(0xa9a9a9)},
    {"darkkhaki", Rgb(0xbdb76b)},
    {"darkmagenta", Rgb(0x8b008b)},
    {"darkolivegreen", Rgb(0x556b2f)},
    {"darkorange", Rgb(0xff8c00)},
    {"darkorchid", Rgb(0x9932cc)},
    {"darkred", Rgb(0x8b0000)},
    {"darksalmon", Rgb(0xe9967a)},
    {"darkseagreen", Rgb(0x8fbc8f)},
    {"darkslateblue", Rgb(0x483d8b)},
    {"darkslategray", Rgb(0x2f4f4f)},
    {"darkslategrey", Rgb(0x2f4f4f)},
    {"darkturquoise", Rgb(0x00ced1)},
    {"darkviolet", Rgb(0x9400d3)},
    {"deeppink", Rgb(0xff1493)},
    {"deepskyblue", Rgb(0x00bfff)},
    {"dimgray", Rgb(0x696969)},
    {"dimgrey", Rgb(0x696969)},
    {"dodgerblue", Rgb(0x1e90ff)},
    {"firebrick", Rgb(0xb22222)},
    {"floralwhite", Rgb(0xfffaf0)},
    {"forestgreen", Rgb(0x228b22)},
    {"fuchsia", Rgb(0xff00ff)},
    {"gainsboro", Rgb(0xdcdcdc)},
    {"ghostwhite", Rgb(0xf8f8ff)},
    {"gold", Rgb(0xffd700)},
    {"goldenrod", Rgb(0xdaa520)},
    {"gray", Rgb(0x808080)},
    {"green", Rgb(0x008000)},
    {"greenyellow", Rgb(0xadff2f)},
    {"grey", Rgb(0x808080)},
    {"honeydew", Rgb(0xf0fff0)},
    {"hotpink", Rgb(0xff69b4)},
    {"indianred", Rgb(0xcd5c5c)},
    {"indigo", Rgb(0x4b0082)},
    {"ivory", Rgb(0xfffff0)},
    {"khaki", Rgb(0xf0e68c)},
    {"lavender", Rgb(0xe6e6fa)},
    {"lavenderblush", Rgb(0xfff0f5)},
    {"lawngreen", Rgb(0x7cfc00)},
    {"lemonchiffon", Rgb(0xfffacd)},
    {"lightblue", Rgb(0xadd8e6)},
    {"lightcoral", Rgb(0xf08080)},
    {"lightcyan", Rgb(0xe0ffff)},
    {"lightgoldenrodyellow", Rgb(0xfafad2)},
    {"lightgray", Rgb(0xd3d3d3)},
    {"lightgreen", Rgb(0x90ee90)},
    {"lightgrey", Rgb(0xd3d3d3)},
    {"lightpink", Rgb(0xffb6c1)},
    {"lightsalmon", Rgb(0xffa07a)},
    {"lightseagreen", Rgb(0x20b2aa)},
    {"lightskyblue", Rgb(0x87cefa)},
    {"lightslategray", Rgb(0x778899)},
    {"lightslategrey", Rgb(0x778899)},
    {"lightsteelblue", Rgb(0xb0c4de)},
    {"lightyellow", Rgb(0xffffe0)},
    {"lime", Rgb(0x00ff00)},
    {"limegreen", Rgb(0x32cd32)},
    {"linen", Rgb(0xfaf0e6)},
    {"magenta", Rgb(0xff00ff)},
    {"maroon", Rgb(0x800000)},
    {"mediumaquamarine", Rgb(0x66cdaa)},
    {"mediumblue", Rgb(0x0000cd)},
    {"mediumorchid", Rgb(0xba55d3)},
    {"mediumpurple", Rgb(0x9370db)},
    {"mediumseagreen", Rgb(0x3cb371)},
    {"mediumslateblue", Rgb(0x7b68ee)},
    {"mediumspringgreen", Rgb(0x00fa9a)},
    {"mediumturquoise", Rgb(0x48d1cc)},
    {"mediumvioletred", Rgb(0xc71585)},
    {"midnightblue", Rgb(0x191970)},
    {"mintcream", Rgb(0xf5fffa)},
    {"mistyrose", Rgb(0xffe4e1)},
    {"moccasin", Rgb(0xffe4b5)},
    {"navajowhite", Rgb(0xffdead)},
    {"navy", Rgb(0x000080)},
    {"oldlace", Rgb(0xfdf5e6)},
    {"olive", Rgb(0x808000)},
    {"olivedrab", Rgb(0x6b8e23)},
    {"orange", Rgb(0xffa500)},
    {"orangered", Rgb(0xff4500)},
    {"orchid", Rgb(0xda70d6)},
    {"palegoldenrod", Rgb(0xeee8aa)},
    {"palegreen", Rgb(0x98fb98)},
    {"paleturquoise", Rgb(0xafeeee)},
    {"palevioletred", Rgb(0xdb7093)},
    {"papayawhip", Rgb(0xffefd5)},
    {"peachpuff", Rgb(0xffdab9)},
    {"peru", Rgb(0xcd853f)},
    {"pink", Rgb(0xffc0cb)},
    {"plum", Rgb(0xdda0dd)},
    {"powderblue", Rgb(0xb0e0e6)},
    {"purple", Rgb(0x800080)},
    {"rebeccapurple", Rgb(0x663399)},
    {"red", Rgb(0xff0000)},
    {"rosybrown", Rgb(0xbc8f8f)},
    {"royalblue", Rgb(0x4169e1)},
    {"saddlebrown", Rgb(0x8b4513)},
    {"salmon", Rgb(0xfa8072)},
    {"sandybrown", Rgb(0xf4a460)},
    {"seagreen", Rgb(0x2e8b57)},
    {"seashell", Rgb(0xfff5ee)},
    {"sienna", Rgb(0xa0522d)},
    {"silver", Rgb(0xc0c0c0)},
    {"skyblue", Rgb(0x87ceeb)},
    {"slateblue", Rgb(0x6a5acd)},
    {"slategray", Rgb(0x708090)},
    {"slategrey", Rgb(0x708090)},
    {"snow", Rgb(0xfffafa)},
    {"springgreen", Rgb(0x00ff7f)},
    {"steelblue", Rgb(0x4682b4)},
    {"tan", Rgb(0xd2b48c)},
    {"teal", Rgb(0x008080)},
    {"thistle", Rgb(0xd8bfd8)},
    {"tomato", Rgb(0xff6347)},
    {"turquoise", Rgb(0x40e0d0)},
    {"violet", Rgb(0xee82ee)},
    {"wheat", Rgb(0xf5deb3)},
    {"white", Rgb(0xffffff)},
    {"whitesmoke", Rgb(0xf5f5f5)},
    {"yellow", Rgb(0xffff00)},
    {"yellowgreen", Rgb(0x9acd32)},
};
static_assert(std::size(kNamedColors) == 148);
static_assert(std::is_sorted(std::begin(kNamedColors), std::end(kNamedColors),
                             [](const NamedColor& a, const NamedColor& b) {
                                 return a.name < b.name;
                             }));

constexpr std::size_t kLongestName = 20; // "lightgoldenrodyellow"

double Distance(const OkLab& a, const OkLab& b)
{
    const double l = a.l - b.l, da = a.a - b.a, db = a.b - b.b;
    return l * l + da * da + db * db;
}

} // namespace

std::span<const NamedColor> CssNamedColors()
{
    return kNamedColors;
}

std::optional<Color> CssNamedColor(std::string_view name)
{
    if (name.size() > kLongestName)
        return std::nullopt;
    char lower[kLongestName];
    std::transform(name.begin(), name.end(), lower, AsciiLower);
    const std::string_view key(lower, name.size());
    const auto found = std::lower_bound(
        std::begin(kNamedColors), std::end(kNamedColors), key,
        [](const NamedColor& entry, std::string_view k) { return entry.name < k; });
    if (found == std::end(kNamedColors) || found->name != key)
        return std::nullopt;
    return found->color;
}

NearestName NearestNamedColor(const Color& color)
{
    // Converted once: the band's tooltip asks at every showing.
    static const auto labs = [] {
        std::array<OkLab, std::size(kNamedColors)> out{};
        std::transform(std::begin(kNamedColors), std::end(kNamedColors), out.begin(),
                       [](const NamedColor& named) { return OkLabFromColor(named.color); });
        return out;
    }();
    const OkLab lab = OkLabFromColor(color);
    std::size_t best = 0;
    for (std::size_t i = 1; i < labs.size(); ++i)
        if (Distance(lab, labs[i]) < Distance(lab, labs[best]))
            best = i;
    return {kNamedColors[best].name, kNamedColors[best].color == color};
}

std::string NearestNameNote(const Color& color)
{
    const NearestName nearest = NearestNamedColor(color);
    return (nearest.exact ? "= " : "≈ ") + std::string(nearest.name);
}

std::string PairNamesNote(const Color& background, const Color& text)
{
    return "背景色 " + NearestNameNote(background) + "　文字色 " + NearestNameNote(text);
}

} // namespace tessuvo
