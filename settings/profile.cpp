#include "profile.h"

#include "core/codepage.h"
#include "inifile.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace tessuvo {

namespace {

namespace fs = std::filesystem;

// The file as UTF-8 text. Settings written by older Japanese builds are code page 932.
std::optional<IniFile> ReadIni(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    // Read through istream::read, which turns a failing read (a directory in the file's place,
    // an I/O error) into a bad stream; a stream-buffer iterator would throw instead.
    std::string content;
    char chunk[4096];
    while (in.read(chunk, sizeof chunk), in.gcount() > 0)
        content.append(chunk, static_cast<std::size_t>(in.gcount()));
    if (in.bad())
        return std::nullopt;
    if (!IsValidUtf8(content)) {
        std::string converted;
        if (Cp932ToUtf8(content, converted))
            content = std::move(converted);
    }
    return IniFile::Parse(content);
}

bool WriteAll(int fd, const std::string& data)
{
    std::size_t written = 0;
    while (written < data.size()) {
        const ssize_t n = ::write(fd, data.data() + written, data.size() - written);
        if (n < 0)
            return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes a temporary file beside the target and renames it over the target, so that a crash
// or a full disk never leaves a half-written settings file behind.
bool ReplaceFileAtomically(const std::string& path, const std::string& data)
{
    std::error_code ec;
    fs::path target = path;
    if (fs::is_symlink(target, ec))
        target = fs::weakly_canonical(target, ec);
    if (target.has_parent_path())
        fs::create_directories(target.parent_path(), ec);

    std::string temp = target.string() + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    struct stat existing;
    mode_t mode = 0;
    if (::stat(target.c_str(), &existing) == 0) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, data) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok)
        ok = std::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok)
        ::unlink(temp.c_str());
    return ok;
}

std::int32_t ParseInt32(std::string_view text)
{
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    std::uint32_t value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos)
        value = value * 10u + static_cast<std::uint32_t>(text[pos] - '0');
    return static_cast<std::int32_t>(negative ? 0u - value : value);
}

} // namespace

int GetPrivateProfileIntA(std::string_view section, std::string_view key, int defaultValue,
                          const std::string& path)
{
    const auto ini = ReadIni(path);
    const auto value = ini ? ini->Value(section, key) : std::nullopt;
    return value ? ParseInt32(*value) : defaultValue;
}

std::string GetPrivateProfileStringA(std::string_view section, std::string_view key,
                                     std::string_view defaultValue, std::size_t bufferSize,
                                     const std::string& path)
{
    const auto ini = ReadIni(path);
    const auto value = ini ? ini->Value(section, key) : std::nullopt;
    std::string result = value ? *value : std::string(defaultValue);
    const std::size_t room = bufferSize > 0 ? bufferSize - 1 : 0;
    result.resize(Cp932Prefix(result, room));
    return result;
}

std::string ProfileQuoted(std::string_view value)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    const bool trimmed = !value.empty() && (isBlank(value.front()) || isBlank(value.back()));
    const bool quoted = value.size() >= 2 && value.front() == '"' && value.back() == '"';
    if (!trimmed && !quoted)
        return std::string(value);
    return '"' + std::string(value) + '"';
}

bool WritePrivateProfileStringA(std::string_view section, std::string_view key,
                                std::optional<std::string_view> value, const std::string& path)
{
    const ProfileWrite write{key, value};
    return WritePrivateProfileKeys(section, std::span(&write, 1), path);
}

bool WritePrivateProfileKeys(std::string_view section, std::span<const ProfileWrite> writes,
                             const std::string& path)
{
    if (writes.empty())
        return true;
    auto existing = ReadIni(path);
    const bool writesValue = std::any_of(writes.begin(), writes.end(),
                                         [](const ProfileWrite& w) { return w.value.has_value(); });
    if (!existing && !writesValue)
        return true; // nothing to remove from a file that is not there
    IniFile ini = std::move(existing).value_or(IniFile{});
    for (const ProfileWrite& w : writes) {
        if (w.value)
            ini.SetValue(section, w.key, *w.value);
        else
            ini.RemoveKey(section, w.key);
    }
    return ReplaceFileAtomically(path, ini.Serialize());
}

} // namespace tessuvo
