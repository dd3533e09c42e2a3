#include "oklab.h"

#include "matrices.h"
#include "srgb.h"

namespace tessuvo {

OkLab OkLabFromLinearSrgb(const ColorCoords& linearSrgb)
{
    const ColorCoords lms = matrix::OkLmsFromLinearSrgb * linearSrgb;
    const ColorCoords lab = matrix::OkLabFromOkLms *
                            ColorCoords{std::cbrt(lms[0]), std::cbrt(lms[1]), std::cbrt(lms[2])};
    return {lab[0], lab[1], lab[2]};
}

ColorCoords LinearSrgbFromOkLab(const OkLab& lab)
{
    const ColorCoords lms = matrix::OkLmsFromOkLab * ColorCoords{lab.l, lab.a, lab.b};
    return matrix::LinearSrgbFromOkLms * ColorCoords{lms[0] * lms[0] * lms[0],
                                                     lms[1] * lms[1] * lms[1],
                                                     lms[2] * lms[2] * lms[2]};
}

OkLab OkLabFromColor(const Color& color)
{
    return OkLabFromLinearSrgb({LinearFromChannel(color.red), LinearFromChannel(color.green),
                                LinearFromChannel(color.blue)});
}

} // namespace tessuvo
