#pragma once

#include "core/color/color.h"

#include <string>

// How the pair looks to a person with a colour-vision deficiency: the dichromacies after
// Machado, Oliveira and Fernandes (2009) at full severity, and achromatopsia as luminance.
namespace tessuvo {

enum class ColorVision
{
    Normal,
    Protan,   // 1型: no long-wavelength cones
    Deutan,   // 2型: no medium-wavelength cones
    Tritan,   // 3型: no short-wavelength cones
    Achromat, // 1色覚: lightness only
};

// `color` as seen with `vision`; the colour itself under ColorVision::Normal.
Color SimulateColorVision(const Color& color, ColorVision vision);

// The short name that marks a simulated band: "2型"; empty for ColorVision::Normal.
const char* ColorVisionMark(ColorVision vision);

// What a readout adds under a simulation, the ratio of the pair as seen with it:
// "　2型 3.10:1"; empty for ColorVision::Normal.
std::string SimulatedRatioNote(const Color& background, const Color& text, ColorVision vision);

// How readable the pair is, as the band's tooltip and menu and the contrast line's tooltip say
// it: the readout of ContrastSummary and, under a simulation, the ratio of the pair as seen.
std::string PairReadout(const Color& background, const Color& text, ColorVision vision);

} // namespace tessuvo
