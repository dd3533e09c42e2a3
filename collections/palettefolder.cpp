#include "palettefolder.h"

#include "core/palette/gimppalette.h"
#include "core/text/ascii.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <unordered_set>

namespace tessuvo {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view Extension = ".gpl";
// "Name:" stands in the first lines; a GIMP palette's header is far shorter.
constexpr std::size_t HeadBytes = 4096;
// Longer file names are cut, well inside the 255 bytes a file name may have.
constexpr std::size_t MaxStemBytes = 120;

bool EndsWithExtension(const std::string& file)
{
    return file.size() > Extension.size() &&
           EqualsIgnoringAsciiCase(std::string_view(file).substr(file.size() - Extension.size()),
                                   Extension);
}

std::string Head(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string head(HeadBytes, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    return head;
}

bool LessByName(const StoredPalette& a, const StoredPalette& b)
{
    const auto lower = [](const std::string& text) {
        std::string out(text);
        std::transform(out.begin(), out.end(), out.begin(), AsciiLower);
        return out;
    };
    const std::string x = lower(a.name), y = lower(b.name);
    return x != y ? x < y : a.file < b.file;
}

// `base`, or "base 2", "base 3" … : the first that `taken` says is free.
template <class Taken> std::string FirstFree(const std::string& base, Taken taken)
{
    if (!taken(base))
        return base;
    for (int n = 2;; ++n)
        if (std::string numbered = NumberedName(base, n); !taken(numbered))
            return numbered;
}

// The file name a palette's name gives: no "/" and no leading ".", cut at a character's end.
std::string StemOf(const std::string& name)
{
    std::string stem;
    for (std::size_t pos = 0; pos < name.size();) {
        std::size_t length = 1;
        while (pos + length < name.size() && (name[pos + length] & 0xC0) == 0x80)
            ++length;
        if (stem.size() + length > MaxStemBytes)
            break;
        const bool replaced = name[pos] == '/' || (stem.empty() && name[pos] == '.');
        stem += replaced ? std::string("_") : name.substr(pos, length);
        pos += length;
    }
    return stem.empty() ? std::string("palette") : stem;
}

} // namespace

std::string PaletteFolderPath(const char* xdgDataHome, const char* home)
{
    std::string data;
    if (xdgDataHome && *xdgDataHome == '/')
        data = xdgDataHome;
    else if (home && *home)
        data = std::string(home) + "/.local/share";
    else
        return {};
    return data + "/tessuvo/palettes/";
}

std::string PaletteFolder()
{
    return PaletteFolderPath(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

std::vector<StoredPalette> ListPalettes(const std::string& folder)
{
    std::vector<StoredPalette> found;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string file = it->path().filename().string();
        if (file.starts_with('.') || !EndsWithExtension(file) || !it->is_regular_file(error))
            continue;
        if (const auto name = GimpPaletteName(Head(it->path())))
            found.push_back({file, name->empty()
                                       ? TidyName(file.substr(0, file.size() - Extension.size()))
                                       : *name});
    }
    std::sort(found.begin(), found.end(), LessByName);
    return found;
}

std::optional<StoredPalette> StorePalette(const std::string& folder, Palette palette)
{
    std::error_code error;
    fs::create_directories(folder, error);
    std::unordered_set<std::string> names;
    for (const StoredPalette& stored : ListPalettes(folder))
        names.insert(stored.name);
    palette.name = FirstFree(palette.name.empty() ? std::string("palette") : palette.name,
                             [&](const std::string& name) { return names.contains(name); });

    const std::string text = WriteGimpPalette(palette);
    const fs::path temporary =
        fs::path(folder) / (".new-palette-" + std::to_string(::getpid()) + ".tessuvo-write");
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.close();
        if (!out) {
            fs::remove(temporary, error);
            return std::nullopt;
        }
    }
    // A link is made only where no file is, so a name taken meanwhile is never written over.
    const std::string stem = StemOf(palette.name);
    std::optional<StoredPalette> stored;
    FirstFree(stem, [&](const std::string& tried) {
        const std::string file = tried + std::string(Extension);
        fs::create_hard_link(temporary, fs::path(folder) / file, error);
        if (!error)
            stored = StoredPalette{file, palette.name};
        return error == std::errc::file_exists;
    });
    fs::remove(temporary, error);
    return stored;
}

} // namespace tessuvo
