#include "platform/templatedialog.h"

#include <gtest/gtest.h>

namespace {

// A dialog asked for by an id that no template has ends the program naming that id, in every
// build type, where building it would read through a null template.
TEST(TemplateDialogDeathTest, AMissingTemplateEndsTheProgramNamingItsId)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(tessuvo::TemplateDialog(4242), "no dialog template 4242");
}

} // namespace
