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

// The lines are built by appending: GCC 12 at -O3 warns falsely (-Wrestrict) about chains of
// string concatenation.
std::string SectionText(std::string_view section)
{
    std::string text;
    text.reserve(section.size() + 2);
    text += '[';
    text += section;
    text += ']';
    return text;
}

std::string KeyText(std::string_view key, std::string_view value)
{
    std::string text;
    text.reserve(key.size() + 1 + value.size());
    text += key;
    text += '=';
    text += value;
    return text;
}

bool IsKeyLine(std::string_view line)
{
    return !SectionName(line) && !IsComment(line) && line.find('=') != std::string_view::npos;
}

} // namespace

IniFile IniFile::Parse(std::string_view content)
{
    IniFile ini;
    if (content.starts_with(Utf8Bom)) {
        ini.m_byteOrderMark = true;
        content.remove_prefix(Utf8Bom.size());
    }
    while (!content.empty()) {
        const auto lineBreak = content.find_first_of("\r\n");
        Line line{std::string(content.substr(0, lineBreak)), {}};
        if (lineBreak != std::string_view::npos) {
            const bool crlf = content.compare(lineBreak, 2, "\r\n") == 0;
            line.end = crlf ? "\r\n" : content[lineBreak] == '\r' ? "\r" : "\n";
        }
        content.remove_prefix(line.text.size() + line.end.size());
        ini.m_lines.push_back(std::move(line));
    }
    if (!ini.m_lines.empty() && !ini.m_lines.front().end.empty())
        ini.m_lineEnd = ini.m_lines.front().end;
    return ini;
}

std::optional<std::size_t> IniFile::FindSection(std::string_view section) const
{
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const auto name = SectionName(m_lines[i].text);
        if (name && EqualsNoCase(*name, section))
            return i;
    }
    return std::nullopt;
}

std::optional<IniFile::KeyLine> IniFile::FindKey(std::size_t sectionLine,
                                                 std::string_view key) const
{
    for (std::size_t i = sectionLine + 1; i < m_lines.size(); ++i) {
        const std::string_view line = m_lines[i].text;
        if (SectionName(line))
            break;
        if (!IsKeyLine(line))
            continue;
        const auto equals = line.find('=');
        if (EqualsNoCase(Trim(line.substr(0, equals)), key))
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

void IniFile::InsertLine(std::size_t at, std::string text)
{
    // The line before may be the file's last, written without a line break.
    if (at > 0 && m_lines[at - 1].end.empty())
        m_lines[at - 1].end = m_lineEnd;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at),
                   Line{std::move(text), m_lineEnd});
}

void IniFile::SetValue(std::string_view section, std::string_view key, std::string_view value)
{
    const auto sectionLine = FindSection(section);
    if (!sectionLine) {
        InsertLine(m_lines.size(), SectionText(section));
        InsertLine(m_lines.size(), KeyText(key, value));
        return;
    }
    if (const auto keyLine = FindKey(*sectionLine, key)) {
        std::string& line = m_lines[keyLine->index].text;
        line = line.substr(0, line.find('=') + 1) + std::string(value);
        return;
    }
    // After the last key of the section, so that trailing blank lines and comments that
    // introduce the next section stay with it.
    std::size_t insertAt = *sectionLine + 1;
    for (std::size_t i = *sectionLine + 1; i < m_lines.size() && !SectionName(m_lines[i].text);
         ++i) {
        if (IsKeyLine(m_lines[i].text))
            insertAt = i + 1;
    }
    InsertLine(insertAt, KeyText(key, value));
}

void IniFile::RemoveKey(std::string_view section, std::string_view key)
{
    const auto sectionLine = FindSection(section);
    if (!sectionLine)
        return;
    if (const auto keyLine = FindKey(*sectionLine, key))
        m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(keyLine->index));
}

void IniFile::RemoveSection(std::string_view section)
{
    std::vector<Line> kept;
    bool inSection = false;
    for (Line& line : m_lines) {
        if (const auto name = SectionName(line.text))
            inSection = EqualsNoCase(*name, section);
        if (!inSection)
            kept.push_back(std::move(line));
    }
    m_lines = std::move(kept);
}

std::string IniFile::Serialize() const
{
    std::string out = m_byteOrderMark ? std::string(Utf8Bom) : std::string();
    for (const Line& line : m_lines) {
        out += line.text;
        out += line.end;
    }
    return out;
}

} // namespace tessuvo
