#include "collections/regslots.h"
#include "settings/previewtext.h"
#include "settings/profile.h"
#include "settings/settingskeys.h"
#include "settingsfiletest.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <vector>

using namespace tessuvo;
namespace fs = std::filesystem;

namespace {

// Lines as the settings file splits them: at CR LF, LF or a bare CR.
std::vector<std::string> Lines(std::string_view text)
{
    std::vector<std::string> lines;
    while (!text.empty()) {
        const auto end = text.find_first_of("\r\n");
        lines.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1));
    }
    return lines;
}

// A line that the program may rewrite: one of its own keys.
bool Owned(std::string_view line)
{
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return false;
    std::string key(line.substr(0, equals));
    key.erase(0, key.find_first_not_of(" \t"));
    key.erase(key.find_last_not_of(" \t") + 1);
    for (char& c : key)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const char* own : {"TOPMOST", "RGB", "PREVIEW", "X", "Y", "STRING", "ESCAPED", "ITEM",
                            "RED", "GREEN", "BLUE"})
        if (key == own)
            return true;
    return false;
}

class HostileFile : public test::SettingsFileTest
{
protected:
    // What the program does with its settings from start to close, registering a colour on the
    // way; checks that what it wrote reads back and that nothing else changed.
    void StartRegisterAndClose(const std::string& name)
    {
        SCOPED_TRACE(name);
        const std::string before = Contents();
        for (const keys::IntKey& key :
             {keys::TopMost, keys::Notation, keys::PreviewMode, keys::PositionX, keys::PositionY})
            keys::Read(key, m_path);
        ReadPreviewText(m_path);
        for (int slot = 1; slot <= SlotCount; ++slot)
            ReadSlotFace(m_path, ColorTarget::Background, slot, {1, 2, 3});
        const int slot = RegisterSlot(m_path, ColorTarget::Background, 10, 20, 30);
        const std::string zero = "0", ten = "10", one = "1", left = "-40", top = "20";
        const ProfileEntry close[] = {
            keys::Entry(keys::TopMost, zero), keys::Entry(keys::Notation, ten),
            keys::Entry(keys::PreviewMode, one), keys::Entry(keys::PositionX, left),
            keys::Entry(keys::PositionY, top)};
        const bool written = WritePrivateProfileEntries(close, m_path);
        WritePreviewText("見本 text", m_path);
        if (!written) {
            EXPECT_EQ(Contents(), before);
            return;
        }
        EXPECT_EQ(keys::Read(keys::Notation, m_path), 10);
        EXPECT_EQ(keys::Read(keys::PositionX, m_path), -40);
        EXPECT_EQ(ReadPreviewText(m_path), "見本 text");
        if (slot != 0) {
            EXPECT_EQ(ReadSlot(m_path, ColorTarget::Background, slot, -1),
                      (SlotValues{10, 20, 30}));
        }
        // Every line the program does not own is still there, in order.
        const auto after = Lines(Contents());
        auto at = after.begin();
        for (const std::string& line : Lines(before)) {
            if (Owned(line))
                continue;
            at = std::find(at, after.end(), line);
            ASSERT_NE(at, after.end()) << "lost: " << line.substr(0, 80);
            ++at;
        }
    }
};

TEST_F(HostileFile, EveryFileOfTheCorpusStartsAndClosesCleanly)
{
    int files = 0;
    for (const auto& entry : fs::directory_iterator(TESSUVO_HOSTILE_DIR)) {
        fs::remove(m_path);
        fs::copy_file(entry.path(), m_path);
        StartRegisterAndClose(entry.path().filename().string());
        ++files;
    }
    EXPECT_GE(files, 100);
}

TEST_F(HostileFile, WhatOnlyATestCanMakeStartsAndClosesCleanly)
{
    Put("[FLG]\nRGB=16\n[PREVIEW]\nSTRING=" + std::string(10 << 20, 'x') + "\n");
    StartRegisterAndClose("10 MB line");

    const std::string target = (m_dir / "elsewhere.ini").string();
    fs::remove(m_path);
    test::SettingsFileTest::PutAt(target, "; mine\n[FLG]\nRGB=16\n");
    fs::create_symlink(target, m_path);
    StartRegisterAndClose("symlink");
    EXPECT_TRUE(fs::is_symlink(m_path));
    EXPECT_EQ(keys::Read(keys::Notation, target), 10);

    fs::remove(m_path);
    Put("; mine\n[FLG]\nRGB=16\n");
    ::chmod(m_path.c_str(), 0444);
    StartRegisterAndClose("read-only");
    EXPECT_EQ(Contents(), "; mine\n[FLG]\nRGB=16\n");

    fs::remove(m_path);
    fs::create_directory(m_path);
    StartRegisterAndClose("directory");
    EXPECT_TRUE(fs::is_directory(m_path));
}

} // namespace
