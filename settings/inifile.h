#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessuvo {

// An INI text kept line by line, so that a write changes only the line it must and leaves
// comments, blank lines, unknown sections and keys, and the line ending as they were.
class IniFile
{
public:
    static IniFile Parse(std::string_view content);

    // The value of `key` in `section` (names without regard to case), white space around it
    // removed and one pair of enclosing double quotes taken off; nothing when absent.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    // Replaces the key's value in place, or adds the key at the end of its section, or the
    // section at the end of the file.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);
    void RemoveKey(std::string_view section, std::string_view key);

    std::string Serialize() const;

private:
    struct KeyLine
    {
        std::size_t index;
        std::string_view value;
    };
    std::optional<std::size_t> FindSection(std::string_view section) const;
    std::optional<KeyLine> FindKey(std::size_t sectionLine, std::string_view key) const;

    std::vector<std::string> m_lines;
    std::string m_lineEnd = "\n";
    bool m_byteOrderMark = false;
};

} // namespace tessuvo
