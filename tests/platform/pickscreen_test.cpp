#include "platform/pickscreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

using namespace tessuvo;

namespace {

// Where no screen lies the read is all bits set (white), not the black that a grab there gives.
TEST(ScreenPixel, OutsideEveryScreenIsAllBitsSet)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    for (const QPointF at : {QPointF(-1, 0), QPointF(screen.right() + 1, 0),
                             QPointF(0, screen.bottom() + 1), QPointF(-5000, -5000)})
        EXPECT_EQ(0xFFFFFFFFu, ReadScreenPixel(at)) << at.x() << "," << at.y();
}

} // namespace
