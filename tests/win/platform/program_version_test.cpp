// The program's version as the information windows show it, read from an
// executable's version resource.
#include "platform/program_version.h"

#include <gtest/gtest.h>

#include "dist_exe.h"
#include "platform/module_path.h"
#include "platform/u16.h"

namespace lg::win {
namespace {

using lg::win::testing::DistExe;

TEST(ProgramVersion, ShortAndFullFormsOfTheFileVersion) {
    struct Case {
        const char* why;
        std::wstring path;
        bool shortForm;
        std::u16string expected;
    } const cases[] = {
        {"the program, short", DistExe(), true, u"2.0"},
        {"the program, in full", DistExe(), false, u"2.0.0.0"},
        {"the tests, which carry no version resource", ExePath(), true, u""},
        {"a file that is not there", ExePath() + L".missing", false, u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FileVersionOf(c.path, c.shortForm), c.expected) << c.why;
    }
}

}  // namespace
}  // namespace lg::win
