#include "help/helploader.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace tessuvo;

namespace {

// Stands in for the dynamic loader: records what was asked and hands out what it was given.
class FakeLoader final : public DynamicLoader
{
public:
    void* Open(const char* name) override
    {
        opened.emplace_back(name);
        return library ? &handle : nullptr;
    }
    void* Symbol(void*, const char* symbol) override
    {
        ++lookups;
        return missingSymbol == symbol ? nullptr : &handle;
    }

    bool library = true;
    std::string missingSymbol;
    std::vector<std::string> opened;
    int lookups = 0;
    int handle = 0;
};

TEST(HelpLoaderTest, LoadsOnceAndKeepsTheLibrary)
{
    FakeLoader loader;
    HelpLibrary help(loader);
    const ChmLibrary* first = help.Load();
    const ChmLibrary* second = help.Load();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_EQ(loader.opened, std::vector<std::string>{"libchm.so.1"});
    EXPECT_EQ(loader.lookups, 4);
}

TEST(HelpLoaderTest, AFailureIsFinal)
{
    struct Case
    {
        bool library;
        const char* missingSymbol;
        std::vector<std::string> opened;
        int lookups;
    };
    const Case cases[] = {
        {false, "", {"libchm.so.1", "libchm.so"}, 0},
        {true, "chm_retrieve_object", {"libchm.so.1"}, 4},
    };
    for (const Case& c : cases) {
        FakeLoader loader;
        loader.library = c.library;
        loader.missingSymbol = c.missingSymbol;
        HelpLibrary help(loader);
        EXPECT_EQ(help.Load(), nullptr);
        loader.library = true;
        loader.missingSymbol.clear();
        EXPECT_EQ(help.Load(), nullptr) << "not tried again";
        EXPECT_EQ(loader.opened, c.opened);
        EXPECT_EQ(loader.lookups, c.lookups);
    }
}

} // namespace
