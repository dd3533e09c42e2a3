#pragma once

#include "core/color/colorpair.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The pairs the user copied something from, newest first: at most PairHistoryLimit distinct
// pairs, kept in a section of the settings file of their own, one numbered key per pair
// ("1=#87CEEB #000000", background first). Nothing is cached: every call reads or writes the
// file at that moment, so a second running copy's pairs are seen and kept.
namespace tessuvo {

inline constexpr int PairHistoryLimit = 20;

// One stored entry: the two colours as HexCode writes them, background first, one space apart.
std::string PairEntry(const ColorPair& pair);
std::optional<ColorPair> ParsePairEntry(std::string_view entry);

// The history that stored entries make, in their order: an entry that is not a pair is skipped,
// a pair met before is dropped, and no more than PairHistoryLimit are taken.
std::vector<ColorPair> PairHistoryFrom(std::span<const std::string> entries);

// `pair` first, followed by the others in their order without it, cut to PairHistoryLimit.
std::vector<ColorPair> WithPairFirst(std::vector<ColorPair> history, const ColorPair& pair);

std::vector<ColorPair> ReadPairHistory(const std::string& iniPath);

// Puts the pair first in the stored history: read, changed and written under the settings lock,
// the section in one replacement of the file. False when the file could not be written; the
// stored history is then as it was.
bool RecordPair(const std::string& iniPath, const ColorPair& pair);

// Empties the stored history, leaving its section header behind.
bool ClearPairHistory(const std::string& iniPath);

} // namespace tessuvo
