#include "pairhistory.h"

#include "settings/profile.h"
#include "settings/profilelock.h"
#include "settings/settingskeys.h"

#include <algorithm>
#include <array>

namespace tessuvo {

namespace {

constexpr std::size_t EntryBuffer = 64; // far more than an entry needs: a longer one is damaged

// The numbered keys "1" to "20".
const std::array<std::string, PairHistoryLimit>& Keys()
{
    static const auto keys = [] {
        std::array<std::string, PairHistoryLimit> names;
        for (int i = 0; i < PairHistoryLimit; ++i)
            names[static_cast<std::size_t>(i)] = std::to_string(i + 1);
        return names;
    }();
    return keys;
}

// Stores `history` as the whole section: its pairs under the first keys, the rest removed.
bool WriteHistory(const std::string& iniPath, const std::vector<ColorPair>& history)
{
    std::vector<std::string> values;
    std::vector<ProfileWrite> writes;
    values.reserve(history.size());
    for (const ColorPair& pair : history)
        values.push_back(PairEntry(pair));
    for (std::size_t i = 0; i < Keys().size(); ++i)
        writes.push_back({Keys()[i], i < values.size() ? std::optional<std::string_view>(values[i])
                                                       : std::nullopt});
    return WritePrivateProfileKeys(keys::HistorySection, writes, iniPath);
}

} // namespace

std::string PairEntry(const ColorPair& pair)
{
    return HexCode(pair.background) + " " + HexCode(pair.text);
}

std::optional<ColorPair> ParsePairEntry(std::string_view entry)
{
    if (entry.size() != 15 || entry[7] != ' ')
        return std::nullopt;
    const auto background = ParseHexCode(entry.substr(0, 7));
    const auto text = ParseHexCode(entry.substr(8));
    if (!background || !text)
        return std::nullopt;
    return ColorPair{*background, *text};
}

std::vector<ColorPair> PairHistoryFrom(std::span<const std::string> entries)
{
    std::vector<ColorPair> history;
    for (const std::string& entry : entries) {
        const auto pair = ParsePairEntry(entry);
        if (pair && std::find(history.begin(), history.end(), *pair) == history.end())
            history.push_back(*pair);
        if (history.size() == PairHistoryLimit)
            break;
    }
    return history;
}

std::vector<ColorPair> WithPairFirst(std::vector<ColorPair> history, const ColorPair& pair)
{
    std::erase(history, pair);
    history.insert(history.begin(), pair);
    if (history.size() > PairHistoryLimit)
        history.resize(PairHistoryLimit);
    return history;
}

std::vector<ColorPair> ReadPairHistory(const std::string& iniPath)
{
    std::vector<std::string> entries;
    entries.reserve(Keys().size());
    for (const std::string& key : Keys())
        entries.push_back(
            GetPrivateProfileStringA(keys::HistorySection, key, "", EntryBuffer, iniPath));
    return PairHistoryFrom(entries);
}

bool RecordPair(const std::string& iniPath, const ColorPair& pair)
{
    // A second copy recording at the same moment must not lose this pair or its own.
    const ProfileLock lock(iniPath);
    const std::vector<ColorPair> history = ReadPairHistory(iniPath);
    if (!history.empty() && history.front() == pair)
        return true;
    return WriteHistory(iniPath, WithPairFirst(history, pair));
}

bool ClearPairHistory(const std::string& iniPath)
{
    return WriteHistory(iniPath, {});
}

} // namespace tessuvo
