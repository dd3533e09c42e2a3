#include "collections/palettefolder.h"
#include "core/palette/palettefile.h"
#include "support/palettetest.h"
#include "support/settingsfiletest.h"

#include <gtest/gtest.h>

using namespace tessuvo;
using namespace tessuvo::test;

namespace {

TEST(PaletteFolderPath, DataHomeElseTheHomeFolder)
{
    EXPECT_EQ(PaletteFolderPath("/data", "/home/u"), "/data/tessuvo/palettes/");
    EXPECT_EQ(PaletteFolderPath("relative", "/home/u"), "/home/u/.local/share/tessuvo/palettes/");
    EXPECT_EQ(PaletteFolderPath(nullptr, "/home/u"), "/home/u/.local/share/tessuvo/palettes/");
    EXPECT_EQ(PaletteFolderPath("", nullptr), "");
}

class PaletteFolderTest : public SettingsFileTest
{
protected:
    std::string Folder() const { return (m_dir / "palettes/").string(); }
};

TEST_F(PaletteFolderTest, ListsTheGimpPalettesByName)
{
    std::filesystem::create_directories(Folder());
    PutAt(Folder() + "b.gpl", "GIMP Palette\nName: beta\n1 2 3 x\n");
    PutAt(Folder() + "Alpha.GPL", "GIMP Palette\n1 2 3 x\n");
    PutAt(Folder() + "z.gpl", "GIMP Palette\nName: Gamma\n");
    PutAt(Folder() + ".hidden.gpl", "GIMP Palette\nName: hidden\n");
    PutAt(Folder() + "notes.txt", "GIMP Palette\nName: text\n");
    PutAt(Folder() + "broken.gpl", "not a palette\n");
    std::filesystem::create_directory(Folder() + "folder.gpl");
    EXPECT_EQ(ListPalettes(Folder()), (std::vector<StoredPalette>{
                                          {"Alpha.GPL", "Alpha"},
                                          {"b.gpl", "beta"},
                                          {"z.gpl", "Gamma"},
                                      }));
    EXPECT_EQ(ListPalettes(Folder() + "missing/"), std::vector<StoredPalette>{});
}

TEST_F(PaletteFolderTest, StoringNeverReplacesWhatIsThere)
{
    const Palette site{"Site", 0, {{{30, 58, 95}, "brand"}}};
    EXPECT_EQ(StorePalette(Folder(), site), (StoredPalette{"Site.gpl", "Site"}));
    EXPECT_EQ(StorePalette(Folder(), site), (StoredPalette{"Site 2.gpl", "Site 2"}));
    // A file of that name by hand, under another palette name: the file name gets the number.
    PutAt(Folder() + "Page.gpl", "GIMP Palette\nName: Other\n1 2 3 x\n");
    EXPECT_EQ(StorePalette(Folder(), {"Page", 0, site.colors}),
              (StoredPalette{"Page 2.gpl", "Page"}));
    EXPECT_EQ(ReadPaletteFile(Folder() + "Page.gpl").palette.name, "Other");
    EXPECT_EQ(ReadPaletteFile(Folder() + "Site 2.gpl").palette.name, "Site 2");
    EXPECT_EQ(ReadPaletteFile(Folder() + "Site 2.gpl").palette.colors, site.colors);

    const struct
    {
        const char* name;
        const char* file;
    } odd[] = {{"a/b", "a_b.gpl"}, {".dot", "_dot.gpl"}, {"", "palette.gpl"}};
    for (const auto& c : odd)
        EXPECT_EQ(StorePalette(Folder(), {c.name, 0, site.colors})->file, c.file) << c.name;
    EXPECT_EQ(ListPalettes(Folder()).size(), 7u); // and no temporary left behind
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Folder()), {}), 7);
}

TEST_F(PaletteFolderTest, NothingStoredWhereNothingCanBeWritten)
{
    PutAt(m_dir / "file", "");
    EXPECT_EQ(StorePalette((m_dir / "file/palettes/").string(), {"x", 0, {{{}, "a"}}}),
              std::nullopt);
}

} // namespace
