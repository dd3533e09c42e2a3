#include "profile.h"

#include "core/textbox/codepage.h"
#include "inifile.h"
#include "profilelock.h"
#include "valuecodec.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tessuvo {

namespace {

namespace fs = std::filesystem;

enum class FileState
{
    Missing,
    Read,
    Unusable, // not a regular file, unreadable, too large, or not 8-bit text
};

struct LoadedFile
{
    FileState state = FileState::Missing;
    std::shared_ptr<const IniFile> ini;
    std::string bytes;
};

// Settings moved to a fallback after a failed write, and fallbacks not yet used.
std::map<std::string, std::string>& Fallbacks()
{
    static std::map<std::string, std::string> fallbacks;
    return fallbacks;
}
std::map<std::string, std::string>& Redirects()
{
    static std::map<std::string, std::string> redirects;
    return redirects;
}

// Sections to remove from a file at its next write, by the file's path.
std::map<std::string, std::vector<std::string>>& Retired()
{
    static std::map<std::string, std::vector<std::string>> retired;
    return retired;
}

const std::string& InUse(const std::string& path)
{
    const auto redirect = Redirects().find(path);
    return redirect == Redirects().end() ? path : redirect->second;
}

bool SameIdentity(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
           a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec &&
           a.st_ctim.tv_sec == b.st_ctim.tv_sec && a.st_ctim.tv_nsec == b.st_ctim.tv_nsec;
}

// The parsed copy of the file read last: start-up reads six keys of a file that may be large.
struct Cache
{
    std::string path;
    struct stat identity;
    std::shared_ptr<const IniFile> ini;
};
Cache& LastRead()
{
    static Cache cache;
    return cache;
}

// Reads only a regular file (a FIFO would block, a device never end) of bounded size.
FileState ReadBytes(const std::string& path, std::string& bytes, struct stat& identity)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return errno == ENOENT ? FileState::Missing : FileState::Unusable;
    FileState state = FileState::Unusable;
    if (::fstat(fd, &identity) == 0 && S_ISREG(identity.st_mode) &&
        static_cast<std::uintmax_t>(identity.st_size) <= MaxProfileFileSize) {
        state = FileState::Read;
        char chunk[65536];
        for (;;) {
            const ssize_t n = ::read(fd, chunk, sizeof chunk);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 || bytes.size() + static_cast<std::size_t>(n) > MaxProfileFileSize) {
                state = FileState::Unusable;
                break;
            }
            if (n == 0)
                break;
            bytes.append(chunk, static_cast<std::size_t>(n));
        }
    }
    ::close(fd);
    // UTF-16 and UTF-32 files are not lines of bytes: appending to them would corrupt them.
    if (state == FileState::Read &&
        (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")))
        state = FileState::Unusable;
    return state;
}

LoadedFile Load(const std::string& path, bool wantBytes)
{
    Cache& cache = LastRead();
    struct stat now;
    if (!wantBytes && cache.ini && cache.path == path && ::stat(path.c_str(), &now) == 0 &&
        SameIdentity(now, cache.identity))
        return {FileState::Read, cache.ini, {}};
    LoadedFile file;
    struct stat identity;
    file.state = ReadBytes(path, file.bytes, identity);
    if (file.state != FileState::Read) {
        cache.ini.reset();
        return file;
    }
    try {
        file.ini = std::make_shared<const IniFile>(IniFile::Parse(file.bytes));
    } catch (const std::bad_alloc&) {
        cache.ini.reset();
        return {FileState::Unusable, nullptr, {}};
    }
    cache = {path, identity, file.ini};
    return file;
}

std::optional<std::string> ReadValue(std::string_view section, std::string_view key,
                                     const std::string& path)
{
    try {
        const LoadedFile file = Load(InUse(path), false);
        if (file.state != FileState::Read)
            return std::nullopt;
        const auto raw = file.ini->Value(section, key);
        if (!raw)
            return std::nullopt;
        return DecodeProfileValue(*raw).text;
    } catch (const std::exception&) {
        return std::nullopt; // out of memory: as unreadable, the default
    }
}

bool WriteAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

std::string TemporaryPrefix(const fs::path& target)
{
    return "." + target.filename().string() + ".tessuvo-write-";
}

bool SyncFolder(const fs::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

enum class Replaced
{
    Done,
    NoTemporary, // the folder takes no new file: nothing was changed
    Failed,
};

// A new file beside the target, renamed over it: a crash or a full disk never leaves a
// half-written settings file.
Replaced ReplaceAtomically(const fs::path& target, std::string_view data, mode_t mode)
{
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string temp = (folder / TemporaryPrefix(target)).string() + "XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0)
        return Replaced::NoTemporary;
    bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, data) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok)
        ok = std::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return Replaced::Failed;
    }
    SyncFolder(folder); // the rename itself survives a power cut only with its folder flushed
    return Replaced::Done;
}

// For a file that a rename would change (another owner or group, more than one link, a folder
// that takes no new file): the new content is complete, and its room on the disk taken, before
// the first byte is written.
bool ReplaceInPlace(const fs::path& target, std::string_view data)
{
    const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat st;
    const auto size = static_cast<off_t>(data.size());
    const auto reserved = [&] {
        const int result = ::posix_fallocate(fd, 0, size);
        return result == 0 || result == EOPNOTSUPP || result == EINVAL;
    };
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && (size == 0 || reserved()) &&
              WriteAll(fd, data) && ::ftruncate(fd, size) == 0 && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    return ok;
}

bool Store(const std::string& path, std::string_view data)
{
    std::error_code ec;
    fs::path target = fs::weakly_canonical(path, ec);
    if (ec)
        target = path;
    struct stat st;
    if (::stat(target.c_str(), &st) != 0) {
        if (target.has_parent_path())
            fs::create_directories(target.parent_path(), ec);
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return ReplaceAtomically(target, data, 0666 & ~mask) == Replaced::Done;
    }
    if (!S_ISREG(st.st_mode) || (st.st_mode & 0222) == 0)
        return false;
    if (st.st_nlink == 1 && st.st_uid == ::geteuid() && st.st_gid == ::getegid()) {
        const Replaced replaced = ReplaceAtomically(target, data, st.st_mode & 07777);
        if (replaced != Replaced::NoTemporary)
            return replaced == Replaced::Done;
    }
    if (::access(target.c_str(), W_OK) != 0)
        return false;
    return ReplaceInPlace(target, data);
}

bool HasBlankEnds(std::string_view name)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    return !name.empty() && (blank(name.front()) || blank(name.back()));
}

bool HasLineBreak(std::string_view text)
{
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool Storable(const ProfileEntry& w)
{
    if (w.section.empty() || HasBlankEnds(w.section) || HasLineBreak(w.section) ||
        w.section.find(']') != std::string_view::npos)
        return false;
    if (w.key.empty() && !w.value)
        return true; // the section's removal
    if (w.key.empty() || HasBlankEnds(w.key) || HasLineBreak(w.key) ||
        w.key.find('=') != std::string_view::npos || w.key.front() == '[' || w.key.front() == ';')
        return false;
    return !w.value || (!HasLineBreak(*w.value) && IsValidUtf8(*w.value));
}

bool WriteEntries(std::span<const ProfileEntry> writes, const std::string& path,
                  RetiredSections retired)
{
    const std::string target = InUse(path);
    ProfileLock lock(target);
    const LoadedFile file = Load(target, true);
    const bool writesValue = std::any_of(writes.begin(), writes.end(),
                                         [](const ProfileEntry& w) { return w.value.has_value(); });
    if (file.state == FileState::Missing && !writesValue)
        return true; // nothing to remove from a file that is not there
    bool ok = false;
    if (file.state != FileState::Unusable) {
        IniFile ini = file.ini ? *file.ini : IniFile{};
        for (const ProfileEntry& w : writes) {
            if (w.key.empty()) {
                ini.RemoveSection(w.section);
                continue;
            }
            if (!w.value) {
                ini.RemoveKey(w.section, w.key);
                continue;
            }
            const auto old = ini.Value(w.section, w.key);
            const ValueEncoding previous =
                old ? DecodeProfileValue(*old).encoding : ValueEncoding::Ascii;
            ini.SetValue(w.section, w.key, EncodeProfileValue(*w.value, previous));
        }
        if (const auto found = Retired().find(path);
            retired == RetiredSections::Remove && found != Retired().end()) {
            for (const std::string& section : found->second)
                ini.RemoveSection(section);
        }
        const std::string bytes = ini.Serialize();
        // A file past the size a read takes would read as all defaults at the next start; no
        // other place would take it either.
        if (bytes.size() > MaxProfileFileSize)
            return false;
        ok = Store(target, bytes);
    }
    LastRead().ini.reset();
    if (ok)
        return true;
    const auto fallback = Fallbacks().find(path);
    if (fallback == Fallbacks().end() || InUse(path) == fallback->second)
        return false;
    // Starts the fallback as a copy of what could be read here, then writes there.
    std::error_code ec;
    const std::string_view copy = file.state == FileState::Read ? file.bytes : std::string_view();
    if (!fs::exists(fallback->second, ec) && !Store(fallback->second, copy))
        return false;
    Redirects()[path] = fallback->second;
    return WriteEntries(writes, path, retired);
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
    const auto value = ReadValue(section, key, path);
    return value && !value->empty() ? ParseInt32(*value) : defaultValue;
}

std::string GetPrivateProfileStringA(std::string_view section, std::string_view key,
                                     std::string_view defaultValue, std::size_t bufferSize,
                                     const std::string& path)
{
    const auto value = ReadValue(section, key, path);
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
    const ProfileEntry write{section, key, value};
    return WritePrivateProfileEntries(std::span(&write, 1), path);
}

bool WritePrivateProfileKeys(std::string_view section, std::span<const ProfileWrite> writes,
                             const std::string& path)
{
    std::vector<ProfileEntry> entries;
    entries.reserve(writes.size());
    for (const ProfileWrite& w : writes)
        entries.push_back({section, w.key, w.value});
    return WritePrivateProfileEntries(entries, path);
}

bool WritePrivateProfileEntries(std::span<const ProfileEntry> writes, const std::string& path,
                                RetiredSections retired)
{
    if (!std::all_of(writes.begin(), writes.end(), Storable))
        return false;
    if (writes.empty())
        return true;
    try {
        return WriteEntries(writes, path, retired);
    } catch (const std::exception&) {
        return false; // out of memory, or a file-system error thrown by the library
    }
}

void SetProfileFallback(const std::string& path, const std::string& fallback)
{
    Fallbacks()[path] = fallback;
}

void RetireProfileSection(const std::string& path, std::string section)
{
    Retired()[path].push_back(std::move(section));
}

bool ProfileFileWritable(const std::string& path)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) {
        if (errno != ENOENT)
            return false;
        const fs::path folder = fs::path(path).parent_path();
        return ::access(folder.empty() ? "." : folder.c_str(), W_OK) == 0;
    }
    return (st.st_mode & 0222) != 0 && ::access(path.c_str(), W_OK) == 0 &&
           Load(path, false).state == FileState::Read;
}

void RemoveStaleProfileTemporaries(const std::string& path)
{
    try {
        const fs::path target = fs::weakly_canonical(InUse(path));
        const std::string prefix = TemporaryPrefix(target);
        // Every writer holds the lock while its temporary file exists.
        const ProfileLock lock(target.string(), ProfileLock::Mode::TryOnly);
        const auto oldest = fs::file_time_type::clock::now() - std::chrono::hours(1);
        for (const auto& entry : fs::directory_iterator(target.parent_path())) {
            const std::string name = entry.path().filename().string();
            if (name.starts_with(prefix) && name.size() == prefix.size() + 6 &&
                entry.is_regular_file() && (lock.Held() || entry.last_write_time() < oldest))
                fs::remove(entry.path());
        }
    } catch (const std::exception&) {
        // A folder that cannot be listed holds nothing we could remove either.
    }
}

} // namespace tessuvo
