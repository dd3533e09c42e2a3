#pragma once

#include "coords.h"
#include "oklab.h"

// Bringing a colour into sRGB the way CSS Color 4 maps a colour into a gamut.
namespace tessuvo {

// Whether linear-light sRGB channels all lie in 0..1.
bool InGamut(const ColorCoords& linearSrgb);

// How far CSS lets clipping the channels move a colour in OKLab: a just noticeable difference.
inline constexpr double JustNoticeableDifference = 0.02;

// The gamma-encoded sRGB channels 0..1 of a colour given in extended linear sRGB or in OKLab:
// unchanged when it lies inside sRGB; otherwise a lightness at or beyond either end gives white
// or black, and any other keeps its OKLCH lightness and hue while its chroma is reduced until
// clipping the channels moves it by less than `clipping` in OKLab. CSS's difference keeps the
// most colour; 0 keeps the hue, for a colour moved along the lightness on purpose.
ColorCoords MapIntoSrgb(const ColorCoords& linearSrgb);
ColorCoords MapOkLabIntoSrgb(const OkLab& lab, double clipping = JustNoticeableDifference);

} // namespace tessuvo
