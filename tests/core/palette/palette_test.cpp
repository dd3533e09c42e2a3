#include "core/palette/palette.h"
#include "support/palettetest.h"

#include <gtest/gtest.h>

using namespace tessuvo;

namespace {

TEST(Palette, NamesAreTidiedToWhatAPaletteLineHolds)
{
    const struct
    {
        std::string text;
        std::string tidy;
    } cases[] = {
        {"  Harbour Blue\t", "Harbour Blue"},
        {"two\nlines\r", "two lines"},
        {"藤色", "藤色"},
        {"bad \xFF byte", "bad \xEF\xBF\xBD byte"},
        {"line\xE2\x80\xA8separator", "line separator"},
        {std::string(150, 'a') + "藤", std::string(150, 'a') + "藤"},
        {std::string(199, 'a') + "藤", std::string(199, 'a')}, // not cut inside the character
    };
    for (const auto& c : cases)
        EXPECT_EQ(TidyName(c.text), c.tidy) << c.text;
}

TEST(Palette, EveryColourGetsANameOfItsOwn)
{
    PaletteBuilder builder;
    for (const auto& [color, name] :
         std::initializer_list<std::pair<Color, const char*>>{{{30, 58, 95}, "accent"},
                                                              {{1, 2, 3}, ""},
                                                              {{4, 5, 6}, "accent"},
                                                              {{7, 8, 9}, "accent 2"},
                                                              {{10, 11, 12}, "accent"}})
        builder.Add(color, name);
    const PaletteRead read = std::move(builder).Finish();
    ASSERT_EQ(read.problem, PaletteProblem::None);
    std::vector<std::string> names;
    for (const PaletteColor& entry : read.palette.colors)
        names.push_back(entry.name);
    EXPECT_EQ(names,
              (std::vector<std::string>{"accent", "010203", "accent 3", "accent 2", "accent 4"}));
}

TEST(Palette, RepeatsDroppedWhenAskedTooManyOrNoneRefused)
{
    PaletteBuilder once(true);
    once.Add({1, 2, 3}, "a");
    once.Add({1, 2, 3}, "a");
    once.Add({1, 2, 4}, "a");
    const PaletteRead read = std::move(once).Finish();
    EXPECT_EQ(read.palette.colors,
              (std::vector<PaletteColor>{{{1, 2, 3}, "a"}, {{1, 2, 4}, "a 2"}}));

    PaletteBuilder longNames;
    longNames.Add({1, 1, 1}, std::string(MaxPaletteNameBytes, 'a'));
    longNames.Add({2, 2, 2}, std::string(MaxPaletteNameBytes, 'a'));
    EXPECT_EQ(std::move(longNames).Finish().palette.colors[1].name,
              std::string(MaxPaletteNameBytes - 2, 'a') + " 2")
        << "a numbered name stays within the length a name may have";

    EXPECT_EQ(PaletteBuilder().Finish().problem, PaletteProblem::NoColor);
    PaletteBuilder many;
    std::size_t added = 0;
    while (many.Add({0, 0, 0}, "") && added < 2 * MaxPaletteColors)
        ++added;
    EXPECT_EQ(added, MaxPaletteColors);
    EXPECT_EQ(std::move(many).Finish().problem, PaletteProblem::TooManyColors);
}

} // namespace
