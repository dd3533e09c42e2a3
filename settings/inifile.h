#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessuvo {

// An INI text kept as the bytes it was read from, line by line with each line's own ending
// (CR LF, LF or a bare CR), so that a write changes only the line it must and every other line,
// whatever its encoding or ending, is written back byte for byte.
class IniFile
{
public:
    static IniFile Parse(std::string_view content);

    // The raw bytes of `key`'s value in `section` (names without regard to case, the first of
    // duplicates), white space around it removed and one pair of enclosing double quotes taken
    // off; nothing when absent.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    // Replaces the key's value in place, or adds the key after the last key of its section, or
    // the section at the end of the file. New lines take the ending of the file's first line.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);
    void RemoveKey(std::string_view section, std::string_view key);
    // Removes every section of that name, its header and all its lines.
    void RemoveSection(std::string_view section);

    std::string Serialize() const;

private:
    struct Line
    {
        std::string text;
        std::string end; // empty only for a last line without a line break
    };
    struct KeyLine
    {
        std::size_t index;
        std::string_view value;
    };
    std::optional<std::size_t> FindSection(std::string_view section) const;
    std::optional<KeyLine> FindKey(std::size_t sectionLine, std::string_view key) const;
    void InsertLine(std::size_t at, std::string text);

    std::vector<Line> m_lines;
    std::string m_lineEnd = "\n";
    bool m_byteOrderMark = false;
};

} // namespace tessuvo
