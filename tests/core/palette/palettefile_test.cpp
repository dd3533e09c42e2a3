#include "core/palette/palettefile.h"
#include "support/palettetest.h"
#include "support/settingsfiletest.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tessuvo;
using namespace tessuvo::test;

namespace {

namespace fs = std::filesystem;

class PaletteFileTest : public SettingsFileTest
{
protected:
    std::string Path(const char* name) const { return (m_dir / name).string(); }
};

TEST(PaletteFormats, ByTheFileNameOrAGimpHeader)
{
    EXPECT_EQ(ReadFormatOf("a.GPL", ""), PaletteFormat::Gimp);
    EXPECT_EQ(ReadFormatOf("a.css", "\xEF\xBB\xBFGIMP Palette\n"), PaletteFormat::Gimp);
    EXPECT_EQ(ReadFormatOf("notes.txt", "#fff"), PaletteFormat::Text);
    EXPECT_EQ(ReadFormatOf("tokens.Json", "{}"), PaletteFormat::DesignTokens);
    for (const char* name : {"site.css", "theme.scss", "index.html", "page.vue", "noextension"})
        EXPECT_EQ(ReadFormatOf(name, ""), PaletteFormat::StyleSheet) << name;
    EXPECT_EQ(ExportFormatOf("out.gpl"), ExportFormat::Gimp);
    EXPECT_EQ(ExportFormatOf("out.CSS"), ExportFormat::CssProperties);
    EXPECT_EQ(ExportFormatOf("out.json"), ExportFormat::DesignTokens);
    EXPECT_EQ(ExportFormatOf("out.txt"), std::nullopt);
}

// Every name a palette can hold comes back from each format written.
TEST(PaletteFormats, EachWrittenFormatReadsBackTheSameColoursAndNames)
{
    PaletteBuilder builder;
    for (const char* name : {"brand-blue", "Butter 1", "藤色", "say \"hi\"", "back\\slash", "a.b",
                             "$dollar", "semi;colon", "{brace}", "1e3a5f", "--dashes"})
        builder.Add({static_cast<int>(std::string_view(name).size()), 58, 95}, name);
    const Palette palette = std::move(builder).Finish().palette;
    for (const auto& [format, read] :
         {std::pair(ExportFormat::Gimp, PaletteFormat::Gimp),
          std::pair(ExportFormat::CssProperties, PaletteFormat::StyleSheet),
          std::pair(ExportFormat::DesignTokens, PaletteFormat::DesignTokens)}) {
        const PaletteRead back = ReadPaletteText(WritePaletteText(palette, format), read);
        EXPECT_EQ(back.palette.colors, palette.colors) << ExtensionOf(format);
    }
}

TEST_F(PaletteFileTest, FilesWithinTheBoundsNamedByThemselvesOrTheirFile)
{
    PaletteRead read = ReadPaletteFile(PaletteData("harbour.gpl").string());
    EXPECT_EQ(read.palette.name, "Harbour Site");
    read = ReadPaletteFile(PaletteData("colors.txt").string());
    EXPECT_EQ(read.palette.name, "colors");
    EXPECT_EQ(read.palette.colors.size(), 5u);

    const std::string big = Path("big.gpl");
    PutAt(big, "GIMP Palette\n1 2 3 a\n");
    fs::resize_file(big, MaxPaletteFileBytes + 1);
    EXPECT_EQ(ReadPaletteFile(big).problem, PaletteProblem::TooLarge);
    fs::resize_file(big, MaxPaletteFileBytes);
    EXPECT_EQ(ReadPaletteFile(big).problem, PaletteProblem::None);

    EXPECT_EQ(ReadPaletteFile(Path("missing.gpl")).problem, PaletteProblem::Unreadable);
    EXPECT_EQ(ReadPaletteFile(m_dir.string()).problem, PaletteProblem::Unreadable);
    ASSERT_EQ(::mkfifo(Path("fifo.css").c_str(), 0600), 0);
    EXPECT_EQ(ReadPaletteFile(Path("fifo.css")).problem, PaletteProblem::Unreadable);
}

TEST_F(PaletteFileTest, AFileIsWrittenWholeOrLeftAsItWas)
{
    const Palette palette{"p", 0, {{{1, 2, 3}, "a"}}};
    const std::string path = Path("out.json");
    PutAt(path, "before");
    ASSERT_TRUE(WritePaletteFile(path, palette, ExportFormat::DesignTokens));
    EXPECT_EQ(ReadPaletteFile(path).palette.colors, palette.colors);
    EXPECT_FALSE(WritePaletteFile(Path("no/such/folder.gpl"), palette, ExportFormat::Gimp));
    fs::permissions(m_dir, fs::perms::owner_read | fs::perms::owner_exec);
    if (::access(m_dir.c_str(), W_OK) != 0) { // root writes anyway
        EXPECT_FALSE(WritePaletteFile(path, palette, ExportFormat::Gimp));
    }
    fs::permissions(m_dir, fs::perms::owner_all);
    EXPECT_EQ(fs::directory_iterator(m_dir)->path().filename(), "out.json");
}

} // namespace
