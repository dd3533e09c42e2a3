#pragma once

#include "fakepickscreen.h"
#include "platform/pickscreen.h"

#include <memory>

namespace tessuvo::test {

// Every eyedropper started from now on reads a fake screen painted by `pixel`, and `screen`
// points at the newest; SetPickScreenFactory({}) gives the real screen back.
inline void UseFakePickScreen(FakePickScreen*& screen,
                              std::function<std::uint32_t(double, double)> pixel = PatternPixel)
{
    SetPickScreenFactory([&screen, pixel = std::move(pixel)](QWidget*) {
        auto fake = std::make_unique<FakePickScreen>();
        fake->pixel = pixel;
        screen = fake.get();
        return fake;
    });
}

} // namespace tessuvo::test
