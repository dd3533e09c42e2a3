#include "colorvision.h"

#include "contrast.h"
#include "core/colormath/srgb.h"

#include <array>

namespace tessuvo {

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

// The published matrices for severity 1.0, on linear RGB.
constexpr Matrix ProtanMatrix{{
    {0.152286, 1.052583, -0.204868},
    {0.114503, 0.786281, 0.099216},
    {-0.003882, -0.048116, 1.051998},
}};
constexpr Matrix DeutanMatrix{{
    {0.367322, 0.860646, -0.227968},
    {0.280085, 0.672501, 0.047413},
    {-0.011820, 0.042940, 0.968881},
}};
constexpr Matrix TritanMatrix{{
    {1.255528, -0.076749, -0.178779},
    {-0.078411, 0.930809, 0.147602},
    {0.004733, 0.691367, 0.303900},
}};
// Every row is the luminance: a grey of the colour's own luminance.
constexpr Matrix AchromatMatrix{{
    {0.2126, 0.7152, 0.0722},
    {0.2126, 0.7152, 0.0722},
    {0.2126, 0.7152, 0.0722},
}};

const Matrix* MatrixOf(ColorVision vision)
{
    switch (vision) {
    case ColorVision::Protan:
        return &ProtanMatrix;
    case ColorVision::Deutan:
        return &DeutanMatrix;
    case ColorVision::Tritan:
        return &TritanMatrix;
    case ColorVision::Achromat:
        return &AchromatMatrix;
    case ColorVision::Normal:
        break;
    }
    return nullptr;
}

} // namespace

Color SimulateColorVision(const Color& color, ColorVision vision)
{
    const Matrix* m = MatrixOf(vision);
    if (!m)
        return color;
    const std::array<double, 3> rgb{LinearFromChannel(color.red), LinearFromChannel(color.green),
                                    LinearFromChannel(color.blue)};
    const auto row = [&](int i) {
        const auto& r = (*m)[i];
        return ChannelFromLinear(r[0] * rgb[0] + r[1] * rgb[1] + r[2] * rgb[2]);
    };
    return {row(0), row(1), row(2)};
}

const char* ColorVisionMark(ColorVision vision)
{
    switch (vision) {
    case ColorVision::Protan:
        return "1型";
    case ColorVision::Deutan:
        return "2型";
    case ColorVision::Tritan:
        return "3型";
    case ColorVision::Achromat:
        return "1色覚";
    case ColorVision::Normal:
        break;
    }
    return "";
}

std::string SimulatedRatioNote(const Color& background, const Color& text, ColorVision vision)
{
    if (vision == ColorVision::Normal)
        return {};
    const double ratio =
        ContrastRatio(SimulateColorVision(background, vision), SimulateColorVision(text, vision));
    return std::string("　") + ColorVisionMark(vision) + " " + FormatRatio(ratio);
}

std::string PairReadout(const Color& background, const Color& text, ColorVision vision)
{
    return ContrastSummary(background, text) + SimulatedRatioNote(background, text, vision);
}

} // namespace tessuvo
