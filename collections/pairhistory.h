#pragma once

#include "core/color/colorpair.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The pairs the user copied something from, newest first: at most PairHistoryLimit distinct
// pairs, kept in a file of their own (HistoryPath) that the profile service reads and writes
// as it does the settings file, one numbered key per pair ("1=#87CEEB #000000", background
// first) in one section. Nothing is cached: every call reads or writes the file at that moment,
// so a second running copy's pairs are seen and kept.
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

std::vector<ColorPair> ReadPairHistory(const std::string& historyPath);

// Puts the pair first in the stored history: read, changed and written under the file's lock,
// the section rewritten whole in one replacement of the file, so that it holds only the good
// entries. False when the file could not be written; the stored history is then as it was.
bool RecordPair(const std::string& historyPath, const ColorPair& pair);

// Empties the stored history, whatever its stored form.
bool ClearPairHistory(const std::string& historyPath);

// The start-up step: the history's file for a run whose settings are in `settingsPath`, with
// what writes killed half-way left behind cleared away. An older version kept the history in
// the settings file: when the history has no file yet, that section is taken over into a new
// one, and, once the file is there, the section goes from the settings file with the next write
// made there anyway.
std::string PrepareHistoryFile(const std::string& settingsPath);

// The taking over alone: true when `historyPath` holds the history, taken over now or before.
bool TakeOverPairHistory(const std::string& settingsPath, const std::string& historyPath);

} // namespace tessuvo
