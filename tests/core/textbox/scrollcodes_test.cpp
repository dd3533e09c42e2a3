#include "core/textbox/scrollcodes.h"

#include <gtest/gtest.h>

using namespace tessuvo;

namespace {

struct ScrollCase
{
    int code, current, thumb, expected;
};

TEST(ScrolledPosition, EveryCodeClampedToTheRange)
{
    const ScrollCase cases[] = {
        {SB_LINELEFT, 100, 0, 99},     {SB_LINELEFT, 0, 0, 0},
        {SB_LINERIGHT, 100, 0, 101},   {SB_LINERIGHT, 255, 0, 255},
        {SB_PAGELEFT, 100, 0, 90},     {SB_PAGELEFT, 5, 0, 0},
        {SB_PAGERIGHT, 100, 0, 110},   {SB_PAGERIGHT, 250, 0, 255},
        {SB_THUMBPOSITION, 1, 77, 77}, {SB_THUMBTRACK, 1, 300, 255},
        {SB_LEFT, 100, 0, 0},          {SB_RIGHT, 100, 0, 255},
        {SB_ENDSCROLL, 42, 7, 42},     {9, 42, 7, 42},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScrolledPosition(c.code, c.current, c.thumb), c.expected)
            << "code " << c.code << " from " << c.current;
}

} // namespace
