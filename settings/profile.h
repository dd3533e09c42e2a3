#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The profile service the settings file is read and written through. Every call sees the file
// as it is at that moment (a parsed copy is kept only while the file's identity, size and times
// stay the same) and a read never creates it. Only a regular file of at most
// MaxProfileFileSize bytes is read; any other file in its place reads as all defaults and is
// never written over. Each value is decoded on its own (see valuecodec.h), and every line that
// a write does not change is kept byte for byte. No exception leaves these functions.
namespace tessuvo {

inline constexpr std::size_t MaxProfileFileSize = 16 * 1024 * 1024;

// The key's value as a signed 32-bit integer (leading sign honoured, reading stops at the
// first non-digit, wrapping modulo 2^32), or `defaultValue` when the key is absent or empty.
int GetPrivateProfileIntA(std::string_view section, std::string_view key, int defaultValue,
                          const std::string& path);

// The key's value, or `defaultValue` when absent, cut to `bufferSize` − 1 code-page bytes.
std::string GetPrivateProfileStringA(std::string_view section, std::string_view key,
                                     std::string_view defaultValue, std::size_t bufferSize,
                                     const std::string& path);

// Writes the key, creating the file and the section as needed; no value removes the key.
// False, with the file untouched, when the file cannot be written: a file without any write bit
// in its mode is read-only, even for root; a file that could not be read is never replaced; and
// no write makes the file larger than MaxProfileFileSize, past which it would not be read. A
// line break or NUL in the value, a value that is not UTF-8, and a name that could not be found
// again (a key holding "=" or starting with "[" or ";", a section holding "]", blanks at either
// end, an empty name) are refused the same way.
bool WritePrivateProfileStringA(std::string_view section, std::string_view key,
                                std::optional<std::string_view> value, const std::string& path);

struct ProfileWrite
{
    std::string_view key;
    std::optional<std::string_view> value; // none removes the key
};

// The writes of one section applied in order, leaving the file exactly as the same sequence of
// WritePrivateProfileStringA calls would, but in a single replacement of the file: a reader
// never sees a half-done group, and a group is written whole or not at all.
bool WritePrivateProfileKeys(std::string_view section, std::span<const ProfileWrite> writes,
                             const std::string& path);

struct ProfileEntry
{
    std::string_view section;
    std::string_view key;                  // empty, with no value, removes the whole section
    std::optional<std::string_view> value; // none removes the key
};

// Whether a write also removes the sections retired from the file (RetireProfileSection).
enum class RetiredSections
{
    Remove,
    Keep,
};

// Writes of any sections of one file, applied in order, in a single replacement of the file
// under the settings lock (profilelock.h), so that neither a crash nor a second copy of the
// program ever sees or makes a half-done group.
bool WritePrivateProfileEntries(std::span<const ProfileEntry> writes, const std::string& path,
                                RetiredSections retired = RetiredSections::Remove);

// A section that an older version kept in `path` and that now lives in a file of its own: every
// later write to `path` that does not keep the retired sections removes it in the same
// replacement, so that it goes with a write made anyway, never with one of its own.
void RetireProfileSection(const std::string& path, std::string section);

// Where the settings move to when `path` turns out not to be writable: at the first failed
// write the fallback is started as a copy of what `path` held (unless it exists already), the
// write goes there, and from then on every call naming `path` uses the fallback.
void SetProfileFallback(const std::string& path, const std::string& fallback);

// Whether a write to `path` can succeed: a missing file in a folder that can be written, or a
// readable regular file that has a write bit in its mode and that this process may write.
bool ProfileFileWritable(const std::string& path);

// Removes temporary files that writes to `path` left behind when the program was killed: all of
// them when no other copy is writing, otherwise only those more than an hour old.
void RemoveStaleProfileTemporaries(const std::string& path);

// The value to write so that a read gives back exactly `value`: enclosed in double quotes when
// a read would otherwise take white space off its ends or a pair of quotes off it.
std::string ProfileQuoted(std::string_view value);

} // namespace tessuvo
