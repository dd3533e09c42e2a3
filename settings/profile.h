#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// The profile service the settings file is read and written through. The file is read afresh
// at every call and never created by a read; a write replaces it atomically.
namespace tessuvo {

// The key's value as a signed 32-bit integer (leading sign honoured, reading stops at the
// first non-digit, an empty value reads 0), or `defaultValue` when the key is absent.
int GetPrivateProfileIntA(std::string_view section, std::string_view key, int defaultValue,
                          const std::string& path);

// The key's value, or `defaultValue` when absent, cut to `bufferSize` − 1 code-page bytes.
std::string GetPrivateProfileStringA(std::string_view section, std::string_view key,
                                     std::string_view defaultValue, std::size_t bufferSize,
                                     const std::string& path);

// Writes the key, creating the file and the section as needed; no value removes the key.
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

// The value to write so that a read gives back exactly `value`: enclosed in double quotes when
// a read would otherwise take white space off its ends or a pair of quotes off it.
std::string ProfileQuoted(std::string_view value);

} // namespace tessuvo
