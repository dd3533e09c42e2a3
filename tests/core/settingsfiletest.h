#pragma once

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <unistd.h>

namespace tessuvo::test {

// A settings file of the test's own in a fresh temporary folder, removed afterwards.
class SettingsFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dir = std::filesystem::temp_directory_path() /
                ("tessuvo-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name() + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_dir);
        std::filesystem::create_directories(m_dir);
        m_path = (m_dir / "tessuvo.ini").string();
    }
    void TearDown() override { std::filesystem::remove_all(m_dir); }

    void Put(const std::string& content) { std::ofstream(m_path, std::ios::binary) << content; }
    std::string Contents() const
    {
        std::ifstream in(m_path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::filesystem::path m_dir;
    std::string m_path;
};

} // namespace tessuvo::test
