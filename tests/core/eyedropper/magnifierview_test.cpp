#include "core/eyedropper/magnifierview.h"
#include "core/textbox/modes.h"

#include <gtest/gtest.h>

namespace tessuvo {
namespace {

TEST(DescribeMagnifier, ValueOutlineAndContrastOfThePick)
{
    PixelSquare square{MagnifierRadius, std::vector<std::uint32_t>(15 * 15, 0x767676)};
    square.pixels[7 * 15 + 7] = 0x0000FF; // the centre, red
    const MagnifierView dark = DescribeMagnifier(square, 1, 99, {255, 255, 255});
    EXPECT_EQ((Color{255, 0, 0}), dark.picked);
    EXPECT_EQ("#FF0000", dark.value); // a notation without text shows the HTML form
    EXPECT_EQ("コントラスト比 4.00:1", dark.contrast);
    EXPECT_EQ((Color{0, 0, 0}), dark.outline);

    const PixelSquare dim{MagnifierRadius, std::vector<std::uint32_t>(15 * 15, 0x333333)};
    const MagnifierView grey = DescribeMagnifier(dim, 5, NotationDecimal, {0, 0, 0});
    EXPECT_EQ(5, grey.outlined);
    EXPECT_EQ("51,51,51", grey.value);
    EXPECT_EQ("コントラスト比 1.66:1", grey.contrast);
    EXPECT_EQ((Color{255, 255, 255}), grey.outline);
}

} // namespace
} // namespace tessuvo
