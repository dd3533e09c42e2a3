#pragma once

#include "coords.h"

// The matrices between colour spaces and the white point that CSS Color 4 defines, most of them
// exact fractions of the primaries' chromaticities. Each is named for where it goes to and where
// it comes from: XyzD65FromLinearSrgb takes linear-light sRGB to CIE XYZ relative to D65.
namespace tessuvo::matrix {

inline constexpr ColorMatrix XyzD65FromLinearSrgb{{
    {506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
    {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
    {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270},
}};
inline constexpr ColorMatrix LinearSrgbFromXyzD65{{
    {12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
    {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
    {705.0 / 12673, -2585.0 / 12673, 705.0 / 667},
}};
inline constexpr ColorMatrix XyzD65FromLinearDisplayP3{{
    {608311.0 / 1250200, 189793.0 / 714400, 198249.0 / 1000160},
    {35783.0 / 156275, 247089.0 / 357200, 198249.0 / 2500400},
    {0, 32229.0 / 714400, 5220557.0 / 5000800},
}};
inline constexpr ColorMatrix XyzD65FromLinearA98Rgb{{
    {573536.0 / 994567, 263643.0 / 1420810, 187206.0 / 994567},
    {591459.0 / 1989134, 6239551.0 / 9945670, 374412.0 / 4972835},
    {53769.0 / 1989134, 351524.0 / 4972835, 4929758.0 / 4972835},
}};
inline constexpr ColorMatrix XyzD65FromLinearRec2020{{
    {63426534.0 / 99577255, 20160776.0 / 139408157, 47086771.0 / 278816314},
    {26158966.0 / 99577255, 472592308.0 / 697040785, 8267143.0 / 139408157},
    {0, 19567812.0 / 697040785, 295819943.0 / 278816314},
}};
// ProPhoto's primaries are relative to D50; its matrix has no exact rational form.
inline constexpr ColorMatrix XyzD50FromLinearProphotoRgb{{
    {0.79776664490064230, 0.13518129740053308, 0.03134773412839220},
    {0.28807482881940130, 0.71183523424187300, 0.00008993693872564},
    {0, 0, 0.82510460251046020},
}};
// Bradford chromatic adaptation from the D50 to the D65 white.
inline constexpr ColorMatrix XyzD65FromXyzD50{{
    {0.955473421488075, -0.02309845494876471, 0.06325924320057072},
    {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
    {0.012314014864481998, -0.020507649298898964, 1.330365926242124},
}};
// OKLab's cone responses (LMS), before and after their cube roots.
inline constexpr ColorMatrix OkLmsFromXyzD65{{
    {0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
    {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
    {0.0481771893596242, 0.2642395317527308, 0.6335478284694309},
}};
inline constexpr ColorMatrix XyzD65FromOkLms{{
    {1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
    {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
    {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816},
}};
inline constexpr ColorMatrix OkLabFromOkLms{{
    {0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
    {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
    {0.0259040424655478, 0.7827717124575296, -0.8086757549230774},
}};
inline constexpr ColorMatrix OkLmsFromOkLab{{
    {1, 0.3963377773761749, 0.2158037573099136},
    {1, -0.1055613458156586, -0.0638541728258133},
    {1, -0.0894841775298119, -1.2914855480194092},
}};
// OKLab and sRGB meet many times in a gamut search: straight, past XYZ.
inline constexpr ColorMatrix OkLmsFromLinearSrgb = OkLmsFromXyzD65 * XyzD65FromLinearSrgb;
inline constexpr ColorMatrix LinearSrgbFromOkLms = LinearSrgbFromXyzD65 * XyzD65FromOkLms;

// CIE XYZ of the D50 white, Y = 1: CIE Lab's reference white.
inline constexpr ColorCoords D50White{0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};

} // namespace tessuvo::matrix
