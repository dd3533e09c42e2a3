#pragma once

#include <cstddef>
#include <string_view>

namespace tessuvo {

// Bounds on a page that the help window lays out, so that a replaced or damaged help file can
// neither exhaust memory or the stack nor freeze the program. Qt's layout of a page grows much
// faster than its length: with nesting (nested tables double it at each level, and thousands of
// them overflow the stack), with the length of an unbroken word, with the number of images,
// and with the rules of a style sheet times the elements they are matched against. At these
// bounds the slowest page lays out in about half a second (an unbroken word in four nested
// tables), where 20 nested tables took 9 s and a 2 MB word more than 80 s. Our own pages stay
// far inside every bound.
inline constexpr std::size_t MaxHelpPageBytes = 32 * 1024;
inline constexpr int MaxHelpPageElements = 1000;
inline constexpr int MaxHelpPageNesting = 32;
inline constexpr int MaxHelpTableNesting = 4;
inline constexpr std::size_t MaxHelpStyleBytes = 4 * 1024;

// What of a page those bounds are about. Measuring stops at the first bound passed, so the
// figures of a page that does not fit are only as far as it was read.
struct HelpPageShape
{
    int elements = 0;
    int nesting = 0; // deepest nesting of elements that Qt nests
    int tableNesting = 0;
    std::size_t styleBytes = 0; // inside <style> elements
};
HelpPageShape MeasureHelpPage(std::string_view html);

// Whether the help window lays out `html`.
bool FitsHelpWindow(std::string_view html);

} // namespace tessuvo
