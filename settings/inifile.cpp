#include "inifile.h"

#include <algorithm>

namespace tessuvo {

namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

std::string_view Trim(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

// The name of a "[section]" line, or nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line)
{
    const std::string_view t = Trim(line);
    if (t.empty() || t.front() != '[')
        return std::nullopt;
    const auto close = t.find(']');
    return Trim(t.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

bool IsComment(std::string_view line)
{
    const std::string_view t = Trim(line);
    return !t.empty() && t.front() == ';';
}

} // namespace

IniFile IniFile::Parse(std::string_view content)
{
    IniFile ini;
    if (content.substr(0, Utf8Bom.size()) == Utf8Bom) {
        ini.m_byteOrderMark = true;
        content.remove_prefix(Utf8Bom.size());
    }
    const auto firstBreak = content.find('\n');
    if (firstBreak != std::string_view::npos && firstBreak > 0 && content[firstBreak - 1] == '\r')
        ini.m_lineEnd = "\r\n";
    while (!content.empty()) {
        const auto lineBreak = content.find('\n');
        std::string_view line = content.substr(0, lineBreak);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        ini.m_lines.emplace_back(line);
        content.remove_prefix(lineBreak == std::string_view::npos ? content.size() : lineBreak + 1);
    }
    return ini;
}

std::optional<std::size_t> IniFile::FindSection(std::string_view section) const
{
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const auto name = SectionName(m_lines[i]);
        if (name && EqualsNoCase(*name, section))
            return i;
    }
    return std::nullopt;
}

std::optional<IniFile::KeyLine> IniFile::FindKey(std::size_t sectionLine,
                                                 std::string_view key) const
{
    for (std::size_t i = sectionLine + 1; i < m_lines.size(); ++i) {
        const std::string_view line = m_lines[i];
        if (SectionName(line))
            break;
        if (IsComment(line))
            continue;
        const auto equals = line.find('=');
        if (equals != std::string_view::npos && EqualsNoCase(Trim(line.substr(0, equals)), key))
            return KeyLine{i, line.substr(equals + 1)};
    }
    return std::nullopt;
}

std::optional<std::string> IniFile::Value(std::string_view section, std::string_view key) const
{
    const auto sectionLine = FindSection(section);
    if (!sectionLine)
        return std::nullopt;
    const auto keyLine = FindKey(*sectionLine, key);
    if (!keyLine)
        return std::nullopt;
    std::string_view value = Trim(keyLine->value);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

void IniFile::SetValue(std::string_view section, std::string_view key, std::string_view value)
{
    const auto sectionLine = FindSection(section);
    if (!sectionLine) {
        m_lines.push_back("[" + std::string(section) + "]");
        m_lines.push_back(std::string(key) + "=" + std::string(value));
        return;
    }
    if (const auto keyLine = FindKey(*sectionLine, key)) {
        std::string& line = m_lines[keyLine->index];
        line = line.substr(0, line.find('=') + 1) + std::string(value);
        return;
    }
    // After the last key of the section, so that trailing blank lines and comments that
    // introduce the next section stay with it.
    std::size_t insertAt = *sectionLine + 1;
    for (std::size_t i = *sectionLine + 1; i < m_lines.size() && !SectionName(m_lines[i]); ++i) {
        if (m_lines[i].find('=') != std::string::npos && !IsComment(m_lines[i]))
            insertAt = i + 1;
    }
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(insertAt),
                   std::string(key) + "=" + std::string(value));
}

void IniFile::RemoveKey(std::string_view section, std::string_view key)
{
    const auto sectionLine = FindSection(section);
    if (!sectionLine)
        return;
    if (const auto keyLine = FindKey(*sectionLine, key))
        m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(keyLine->index));
}

std::string IniFile::Serialize() const
{
    std::string out;
    if (m_byteOrderMark)
        out += Utf8Bom;
    for (const std::string& line : m_lines) {
        out += line;
        out += m_lineEnd;
    }
    return out;
}

} // namespace tessuvo
