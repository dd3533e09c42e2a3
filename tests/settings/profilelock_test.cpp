#include "settings/profilelock.h"

#include <gtest/gtest.h>

using namespace tessuvo;

namespace {

TEST(ProfileLockPath, BesideTheFileOrInTheRuntimeFolder)
{
    EXPECT_EQ(ProfileLockPath("/opt/t/tessuvo.ini", true, "/run/user/1"),
              "/opt/t/.tessuvo.ini.lock");
    const std::string a = ProfileLockPath("/usr/bin/tessuvo.ini", false, "/run/user/1");
    EXPECT_TRUE(a.starts_with("/run/user/1/tessuvo-")) << a;
    EXPECT_NE(a, ProfileLockPath("/usr/lib/tessuvo.ini", false, "/run/user/1"));
    EXPECT_EQ(a, ProfileLockPath("/usr/bin/tessuvo.ini", false, "/run/user/1"));
    EXPECT_EQ(ProfileLockPath("/usr/bin/tessuvo.ini", false, nullptr), "");
}

} // namespace
