#include "windowoptions.h"

#include "keptpair.h"
#include "previewtext.h"

namespace tessuvo {

namespace {
constexpr const keys::OptionKey* Additions[] = {&keys::ContrastLine, &keys::Output,
                                                &keys::KeepColors, &keys::PickArea};
} // namespace

WindowOptions::WindowOptions(std::string iniPath) : m_iniPath(std::move(iniPath)) {}

DesignOptions WindowOptions::Read()
{
    for (const keys::OptionKey* option : Additions)
        m_additions[option->key] = keys::Read(*option, m_iniPath);
    return {keys::Read(keys::TopMost, m_iniPath),     keys::Read(keys::Notation, m_iniPath),
            keys::Read(keys::PreviewMode, m_iniPath), keys::Read(keys::PositionX, m_iniPath),
            keys::Read(keys::PositionY, m_iniPath),   ReadPreviewText(m_iniPath)};
}

void WindowOptions::WriteAtClose(const DesignOptions& options) const
{
    // One replacement of the file, under the settings lock: neither a crash nor a second copy
    // closing at the same moment leaves half of them written.
    const std::string topMost = std::to_string(options.topMost),
                      notation = std::to_string(options.notation),
                      previewMode = std::to_string(options.previewMode),
                      x = std::to_string(options.x), y = std::to_string(options.y);
    const ProfileEntry entries[] = {
        keys::Entry(keys::TopMost, topMost), keys::Entry(keys::Notation, notation),
        keys::Entry(keys::PreviewMode, previewMode), keys::Entry(keys::PositionX, x),
        keys::Entry(keys::PositionY, y)};
    WritePrivateProfileEntries(entries, m_iniPath);
    WritePreviewText(options.previewText, m_iniPath);
}

int WindowOptions::Get(const keys::OptionKey& option) const
{
    const auto found = m_additions.find(option.key);
    return found == m_additions.end() ? option.fallback : found->second;
}

void WindowOptions::Set(const keys::OptionKey& option, int value)
{
    if (value == Get(option))
        return;
    m_additions[option.key] = value;
    keys::Write(option, value, m_iniPath);
}

std::optional<ColorPair> WindowOptions::KeptPair() const
{
    return ReadKeptPair(m_iniPath);
}

void WindowOptions::SetKeepColors(bool keep, const ColorPair& pair)
{
    m_additions[keys::KeepColors.key] = keep ? 1 : keys::KeepColors.fallback;
    const KeptPairWrites writes(keep, pair);
    WritePrivateProfileEntries(writes.Entries(), m_iniPath, RetiredSections::Keep);
}

void WindowOptions::WriteKeptPair(const ColorPair& pair) const
{
    if (Get(keys::KeepColors) != 1)
        return;
    const KeptPairWrites writes(true, pair);
    WritePrivateProfileEntries(writes.Entries(), m_iniPath, RetiredSections::Keep);
}

} // namespace tessuvo
