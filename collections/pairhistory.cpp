#include "pairhistory.h"

#include "settings/profile.h"
#include "settings/profilelock.h"
#include "settings/settingskeys.h"
#include "settings/settingspath.h"

#include <algorithm>
#include <array>
#include <filesystem>

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

// Stores `history` as the whole section: the section goes, duplicates and strays with it, and
// the pairs come back under the first keys.
bool WriteHistory(const std::string& historyPath, const std::vector<ColorPair>& history)
{
    std::vector<std::string> values;
    values.reserve(history.size());
    for (const ColorPair& pair : history)
        values.push_back(PairEntry(pair));
    std::vector<ProfileEntry> writes = {{keys::HistorySection, {}, std::nullopt}};
    for (std::size_t i = 0; i < values.size(); ++i)
        writes.push_back({keys::HistorySection, Keys()[i], values[i]});
    return WritePrivateProfileEntries(writes, historyPath);
}

// The history's folder, made before the file is locked: a lock is taken beside the file only
// where its folder exists, and every copy must lock the same file.
void MakeFolderOf(const std::string& historyPath)
{
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(historyPath).parent_path(), ec);
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

std::vector<ColorPair> ReadPairHistory(const std::string& historyPath)
{
    std::vector<std::string> entries;
    entries.reserve(Keys().size());
    for (const std::string& key : Keys())
        entries.push_back(
            GetPrivateProfileStringA(keys::HistorySection, key, "", EntryBuffer, historyPath));
    return PairHistoryFrom(entries);
}

bool RecordPair(const std::string& historyPath, const ColorPair& pair)
{
    // A second copy recording at the same moment must not lose this pair or its own.
    MakeFolderOf(historyPath);
    const ProfileLock lock(historyPath);
    const std::vector<ColorPair> history = ReadPairHistory(historyPath);
    if (!history.empty() && history.front() == pair)
        return true;
    return WriteHistory(historyPath, WithPairFirst(history, pair));
}

bool ClearPairHistory(const std::string& historyPath)
{
    return WriteHistory(historyPath, {});
}

bool TakeOverPairHistory(const std::string& settingsPath, const std::string& historyPath)
{
    std::error_code ec;
    if (std::filesystem::exists(historyPath, ec))
        return true;
    const std::vector<ColorPair> history = ReadPairHistory(settingsPath);
    if (history.empty())
        return false;
    MakeFolderOf(historyPath);
    // Two copies starting at once take it over once.
    const ProfileLock lock(historyPath);
    return std::filesystem::exists(historyPath, ec) || WriteHistory(historyPath, history);
}

std::string PrepareHistoryFile(const std::string& settingsPath)
{
    const std::string path = HistoryPath();
    std::error_code ec;
    if (path.empty())
        return path;
    if (std::filesystem::exists(std::filesystem::path(path).parent_path(), ec))
        RemoveStaleProfileTemporaries(path);
    if (TakeOverPairHistory(settingsPath, path))
        RetireProfileSection(settingsPath, keys::HistorySection);
    return path;
}

} // namespace tessuvo
