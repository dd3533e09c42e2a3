#pragma once

#include "core/color/colorpair.h"
#include "profile.h"

#include <array>
#include <optional>
#include <span>
#include <string>

// The pair the window left with, shown again at the next start when the user asks for it:
// KEEPCOLORS=1 and both colours as hex codes in the flags section. Any other KEEPCOLORS, or none,
// is the plain start with white and black.
namespace tessuvo {

// The pair to start with, or nothing when the option is off. A kept colour that is missing or
// not a hex code gives way to its default alone.
std::optional<ColorPair> ReadKeptPair(const std::string& iniPath);

// The option's writes, to go into one replacement of the file: the mark and both colours while
// it is on, otherwise the removal of all three, which leaves a file that never held them as it
// was.
class KeptPairWrites final
{
public:
    KeptPairWrites(bool keep, const ColorPair& pair);
    KeptPairWrites(const KeptPairWrites&) = delete;
    KeptPairWrites& operator=(const KeptPairWrites&) = delete;

    // Valid while this object lives: they point into its texts.
    std::span<const ProfileEntry> Entries() const { return m_entries; }

private:
    std::string m_background;
    std::string m_text;
    std::array<ProfileEntry, 3> m_entries;
};

} // namespace tessuvo
