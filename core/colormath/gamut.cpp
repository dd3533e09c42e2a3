#include "gamut.h"

#include "srgb.h"

#include <algorithm>

namespace tessuvo {

namespace {

// Linear and encoded sRGB share 0 and 1 and rise together, so clipping either is the same.
ColorCoords Clipped(const ColorCoords& rgb)
{
    return {std::clamp(rgb[0], 0.0, 1.0), std::clamp(rgb[1], 0.0, 1.0),
            std::clamp(rgb[2], 0.0, 1.0)};
}

double DeltaEOk(const OkLab& a, const OkLab& b)
{
    return std::hypot(a.l - b.l, a.a - b.a, a.b - b.b);
}

ColorCoords Encoded(const ColorCoords& linear)
{
    return {EncodedFromLinear(linear[0]), EncodedFromLinear(linear[1]),
            EncodedFromLinear(linear[2])};
}

ColorCoords Mapped(const OkLab& origin, const ColorCoords& linear, double jnd)
{
    if (origin.l >= 1)
        return {1, 1, 1};
    if (origin.l <= 0)
        return {0, 0, 0};
    if (InGamut(linear))
        return Encoded(linear);

    constexpr double epsilon = 0.0001;
    ColorCoords clipped = Clipped(linear);
    if (DeltaEOk(OkLabFromLinearSrgb(clipped), origin) < jnd)
        return Encoded(clipped);

    // Lightness and hue stay; the chroma is searched as a share of the origin's.
    const double chroma = std::hypot(origin.a, origin.b);
    double low = 0, high = 1;
    bool lowInGamut = true;
    while ((high - low) * chroma > epsilon) {
        const double share = (low + high) / 2;
        const OkLab current{origin.l, origin.a * share, origin.b * share};
        const ColorCoords currentLinear = LinearSrgbFromOkLab(current);
        if (lowInGamut && InGamut(currentLinear)) {
            low = share;
            continue;
        }
        clipped = Clipped(currentLinear);
        const double delta = DeltaEOk(OkLabFromLinearSrgb(clipped), current);
        if (delta < jnd) {
            if (jnd - delta < epsilon)
                return Encoded(clipped);
            lowInGamut = false;
            low = share;
        } else {
            high = share;
        }
    }
    return Encoded(clipped);
}

} // namespace

bool InGamut(const ColorCoords& linearSrgb)
{
    return std::all_of(linearSrgb.begin(), linearSrgb.end(),
                       [](double c) { return c >= 0 && c <= 1; });
}

ColorCoords MapIntoSrgb(const ColorCoords& linearSrgb)
{
    return Mapped(OkLabFromLinearSrgb(linearSrgb), linearSrgb, JustNoticeableDifference);
}

ColorCoords MapOkLabIntoSrgb(const OkLab& lab, double clipping)
{
    return Mapped(lab, LinearSrgbFromOkLab(lab), clipping);
}

} // namespace tessuvo
