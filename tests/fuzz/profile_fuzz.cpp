// The INI reader and the profile functions on random file bytes with random calls. The text
// comes back byte for byte when nothing is written; after a write of a value without line
// breaks, the key reads it back and every other key reads as before; nothing crashes or hangs.
#include "fuzzinput.h"
#include "settings/inifile.h"
#include "settings/profile.h"
#include "settings/valuecodec.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <unistd.h>

using namespace tessuvo;

namespace {

// Names the file bytes are likely to hold too, some differing only in case.
constexpr std::array<const char*, 6> Sections = {"FLG", "flg", "PREVIEW", "BG1", "", "A]"};
constexpr std::array<const char*, 6> Keys = {"RGB", "rgb", "STRING", "ITEM", "X", "k=v"};

const std::string& FilePath()
{
    static const std::string path = [] {
        // Memory-backed where possible: every write flushes the file to its device.
        const char* base = std::filesystem::exists("/dev/shm") ? "/dev/shm" : "/tmp";
        std::string dir = std::string(base) + "/tessuvo-fuzz-" + std::to_string(::getpid());
        std::filesystem::create_directories(dir);
        return dir + "/tessuvo.ini";
    }();
    return path;
}

std::string Lower(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
    return out;
}

std::map<std::pair<std::string, std::string>, std::string> Snapshot(const std::string& path)
{
    std::map<std::pair<std::string, std::string>, std::string> values;
    for (const char* section : Sections)
        for (const char* key : Keys)
            values[{Lower(section), Lower(key)}] =
                GetPrivateProfileStringA(section, key, "\x01none", 1 << 20, path);
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    const std::string_view bytes = input.Text();
    if (IniFile::Parse(bytes).Serialize() != bytes)
        std::abort();
    const std::string& path = FilePath();
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    for (int call = 0; call < 8 && !input.Empty(); ++call) {
        const std::uint32_t op = input.Number();
        const char* section = Sections[op % Sections.size()];
        const char* key = Keys[op / 8 % Keys.size()];
        switch (op >> 16 & 3) {
        case 0:
            GetPrivateProfileIntA(section, key, -1, path);
            break;
        case 1:
            GetPrivateProfileStringA(section, key, "", op >> 20, path);
            break;
        case 2: {
            const std::string value(input.Text());
            auto before = Snapshot(path);
            if (!WritePrivateProfileStringA(section, key, ProfileQuoted(value), path))
                break;
            // A value that reads as another encoding's text cannot come back as it was.
            if (DecodeProfileValue(value).text == value)
                before[{Lower(section), Lower(key)}] = value;
            else
                before.erase({Lower(section), Lower(key)});
            auto after = Snapshot(path);
            after.erase({Lower(section), Lower(key)});
            if (DecodeProfileValue(value).text == value) {
                after[{Lower(section), Lower(key)}] =
                    GetPrivateProfileStringA(section, key, "\x01none", 1 << 20, path);
            }
            if (before != after)
                std::abort();
            break;
        }
        default:
            WritePrivateProfileStringA(section, key, std::nullopt, path);
        }
    }
    return 0;
}
