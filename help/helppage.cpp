#include "helppage.h"

#include "core/text/ascii.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace tessuvo {

namespace {

// Elements Qt's HTML parser never nests: without content, or closed by the next of their kind
// (found by timing thousands of each in a row). Any other element, unknown ones too, may nest.
constexpr std::array<std::string_view, 4> Empty = {"br", "hr", "img", "meta"};
constexpr std::array<std::string_view, 11> ClosedByTheNext = {
    "p", "li", "dt", "dd", "tr", "td", "th", "thead", "tbody", "tfoot", "caption"};

template <std::size_t N>
bool OneOf(const std::array<std::string_view, N>& names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool IsNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == ':';
}

// Reads a tag: its name from `pos` (lower case) and `pos` past its closing '>', stepping over
// quoted attribute values that may hold one.
std::string ReadTag(std::string_view html, std::size_t& pos)
{
    std::string name;
    while (pos < html.size() && IsNameChar(html[pos]))
        name += AsciiLower(html[pos++]);
    char quote = 0;
    while (pos < html.size()) {
        const char c = html[pos++];
        if (quote)
            quote = c == quote ? 0 : quote;
        else if (c == '"' || c == '\'')
            quote = c;
        else if (c == '>')
            break;
    }
    return name;
}

std::size_t FindNoCase(std::string_view html, std::string_view what, std::size_t from)
{
    const auto at =
        std::search(html.begin() + static_cast<std::ptrdiff_t>(from), html.end(), what.begin(),
                    what.end(), [](char a, char b) { return AsciiLower(a) == AsciiLower(b); });
    return static_cast<std::size_t>(at - html.begin());
}

bool Within(const HelpPageShape& shape)
{
    return shape.elements <= MaxHelpPageElements && shape.nesting <= MaxHelpPageNesting &&
           shape.tableNesting <= MaxHelpTableNesting && shape.styleBytes <= MaxHelpStyleBytes;
}

} // namespace

HelpPageShape MeasureHelpPage(std::string_view html)
{
    HelpPageShape shape;
    std::vector<std::string> open; // the elements open now, innermost last
    int tables = 0;
    std::size_t pos = 0;
    while (Within(shape) && (pos = html.find('<', pos)) != std::string_view::npos) {
        ++pos;
        if (html.substr(pos, 3) == "!--") {
            pos = std::min(html.find("-->", pos + 3), html.size());
        } else if (pos < html.size() && (html[pos] == '!' || html[pos] == '?')) {
            ReadTag(html, ++pos);
        } else if (pos < html.size() && html[pos] == '/') {
            // Closes the innermost open element of its name and all inside it; Qt ignores a
            // close without an open element to match.
            const std::string name = ReadTag(html, ++pos);
            const auto match = std::find(open.rbegin(), open.rend(), name);
            if (match == open.rend())
                continue;
            const auto closed = match.base() - 1;
            tables -= static_cast<int>(std::count(closed, open.end(), std::string("table")));
            open.erase(closed, open.end());
        } else if (pos < html.size() && IsNameChar(html[pos])) {
            const std::string name = ReadTag(html, pos);
            ++shape.elements;
            if (name == "style") {
                const std::size_t end = FindNoCase(html, "</style", pos);
                shape.styleBytes += end - pos;
                pos = end;
            } else if (!OneOf(Empty, name) && !OneOf(ClosedByTheNext, name)) {
                open.push_back(name);
                tables += name == "table";
                shape.nesting = std::max(shape.nesting, static_cast<int>(open.size()));
                shape.tableNesting = std::max(shape.tableNesting, tables);
            }
        }
    }
    return shape;
}

bool FitsHelpWindow(std::string_view html)
{
    return html.size() <= MaxHelpPageBytes && Within(MeasureHelpPage(html));
}

} // namespace tessuvo
