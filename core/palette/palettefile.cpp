#include "palettefile.h"

#include "core/text/ascii.h"
#include "cssproperties.h"
#include "designtokens.h"
#include "gimppalette.h"
#include "stylesheetpalette.h"
#include "textpalette.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace tessuvo {

namespace fs = std::filesystem;

namespace {

std::string LowerExtension(std::string_view fileName)
{
    std::string extension = fs::path(fileName).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(), AsciiLower);
    return extension;
}

} // namespace

PaletteFormat ReadFormatOf(std::string_view fileName, std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    const std::string extension = LowerExtension(fileName);
    if (extension == ".gpl" || text.starts_with("GIMP Palette"))
        return PaletteFormat::Gimp;
    if (extension == ".txt")
        return PaletteFormat::Text;
    if (extension == ".json")
        return PaletteFormat::DesignTokens;
    return PaletteFormat::StyleSheet;
}

std::optional<ExportFormat> ExportFormatOf(std::string_view fileName)
{
    const std::string extension = LowerExtension(fileName);
    for (const ExportFormat format :
         {ExportFormat::Gimp, ExportFormat::CssProperties, ExportFormat::DesignTokens})
        if (extension == ExtensionOf(format))
            return format;
    return std::nullopt;
}

std::string_view ExtensionOf(ExportFormat format)
{
    switch (format) {
    case ExportFormat::Gimp:
        return ".gpl";
    case ExportFormat::CssProperties:
        return ".css";
    case ExportFormat::DesignTokens:
        return ".json";
    }
    return {};
}

PaletteRead ReadPaletteText(std::string_view text, PaletteFormat format)
{
    switch (format) {
    case PaletteFormat::Gimp:
        return ReadGimpPalette(text);
    case PaletteFormat::Text:
        return ReadTextPalette(text);
    case PaletteFormat::DesignTokens:
        return ReadDesignTokens(text);
    case PaletteFormat::StyleSheet:
        return ReadStyleSheetPalette(text);
    }
    return {{}, PaletteProblem::Unreadable};
}

std::string WritePaletteText(const Palette& palette, ExportFormat format)
{
    switch (format) {
    case ExportFormat::Gimp:
        return WriteGimpPalette(palette);
    case ExportFormat::CssProperties:
        return WriteCssProperties(palette);
    case ExportFormat::DesignTokens:
        return WriteDesignTokens(palette);
    }
    return {};
}

PaletteRead ReadPaletteFile(const std::string& path)
{
    std::error_code error;
    // Anything else, a FIFO above all, could keep the read waiting for ever.
    if (!fs::is_regular_file(path, error))
        return {{}, PaletteProblem::Unreadable};
    if (fs::file_size(path, error) > MaxPaletteFileBytes)
        return {{}, PaletteProblem::TooLarge};
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {{}, PaletteProblem::Unreadable};
    // The file may have grown since its size was asked: read no further than one byte past.
    std::string text;
    char buffer[64 * 1024];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
        if (text.size() > MaxPaletteFileBytes)
            return {{}, PaletteProblem::TooLarge};
    }
    if (in.bad())
        return {{}, PaletteProblem::Unreadable};

    PaletteRead read = ReadPaletteText(text, ReadFormatOf(path, text));
    if (read.problem == PaletteProblem::None && read.palette.name.empty())
        read.palette.name = TidyName(fs::path(path).stem().string());
    return read;
}

std::string PaletteProblemText(PaletteProblem problem, std::string_view fileName)
{
    const std::string file = "「" + std::string(fileName) + "」";
    switch (problem) {
    case PaletteProblem::None:
        break;
    case PaletteProblem::Unreadable:
        return file + "を読み込めませんでした。パレットとして読めるファイルではないか、読む権限があ"
                      "りません。";
    case PaletteProblem::TooLarge:
        return file + "は大きすぎるため読み込みません。16 MB までのファイルを読み込めます。";
    case PaletteProblem::TooManyColors:
        return file + "は色が多すぎるため読み込みません。10,000 色までのパレットを読み込めます。";
    case PaletteProblem::NoColor:
        return file + "に色が見つかりませんでした。";
    }
    return {};
}

bool WritePaletteFile(const std::string& path, const Palette& palette, ExportFormat format)
{
    const std::string text = WritePaletteText(palette, format);
    const fs::path target(path);
    const fs::path temporary =
        target.parent_path() / ("." + target.filename().string() + ".tessuvo-write");
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    fs::rename(temporary, target, error);
    if (!error)
        return true;
    fs::remove(temporary, error);
    return false;
}

} // namespace tessuvo
