#include "core/palette/cssproperties.h"

#include <gtest/gtest.h>

using namespace tessuvo;

namespace {

TEST(CssProperties, NamesMadeValidIdentifiers)
{
    const struct
    {
        const char* name;
        const char* property;
    } cases[] = {
        {"brand-blue", "--brand-blue"},
        {"Butter 1", "--Butter\\ 1"},
        {"1e3a5f", "--1e3a5f"},
        {"color.brand.blue", "--color\\.brand\\.blue"},
        {"藤色", "--藤色"},
        {"a:b;c{}\\", "--a\\:b\\;c\\{\\}\\\\"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CustomPropertyName(c.name), c.property) << c.name;
    EXPECT_EQ(WriteCssProperties({"p", 0, {{{30, 58, 95}, "brand blue"}, {{0, 0, 0}, "ink"}}}),
              ":root {\n  --brand\\ blue: #1e3a5f;\n  --ink: #000000;\n}\n");
}

} // namespace
