// The writability probe on the real file system: a new file made and
// removed under a random seven-digit pair name.
#include "settings/folder_writable.h"

#include <gtest/gtest.h>

#include "output/scratch_folder.h"

namespace lg::win {
namespace {

TEST(FolderWritableTest, ProbeNameIsTwoSevenDigitNumbersAfterOneSeparator) {
    struct Case {
        const wchar_t* folder;
        int r1, r2;
        const wchar_t* expected;
        const char* why;
    } const cases[] = {
        {L"C:\\a", 0, 0, L"C:\\a\\10000001000000", "the smallest draw still has seven digits"},
        {L"C:\\a", 999999, 5, L"C:\\a\\19999991000005", "the largest draw, and a small one"},
        {L"C:\\", 123, 456789, L"C:\\10001231456789", "a drive's root keeps its one separator"},
        {L"C:\\a\\", 1, 2, L"C:\\a\\10000011000002", "a trailing separator is not doubled"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(WritabilityProbePath(c.folder, c.r1, c.r2), c.expected);
    }
}

TEST(FolderWritableTest, TrueForAWritableFolderAndLeavesNothingBehind) {
    test::ScratchFolder dir(L"writable");
    const std::wstring& withSeparator = dir.path();
    const std::wstring without = withSeparator.substr(0, withSeparator.size() - 1);
    ASSERT_TRUE(test::PlantFile(dir / L"already here.txt", {1, 2, 3}));
    for (const std::wstring& folder : {withSeparator, without}) {
        SCOPED_TRACE(folder);
        // Many calls: each draws a fresh name, none stays.
        for (int i = 0; i < 20; ++i) EXPECT_TRUE(FolderIsWritable(folder));
        EXPECT_EQ(test::FolderNames(without), std::vector<std::wstring>{L"already here.txt"});
    }
}

TEST(FolderWritableTest, FalseWhereNoFileCanBeMade) {
    test::ScratchFolder dir(L"not-writable");
    ASSERT_TRUE(test::PlantFile(dir / L"a file", {1}));
    struct Case {
        std::wstring folder;
        const char* why;
    } const cases[] = {
        {dir / L"missing", "the folder does not exist"},
        {dir / L"missing\\deeper", "nor does its parent"},
        {dir / L"a file", "a file is not a folder"},
        {L"", "no folder at all"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_FALSE(FolderIsWritable(c.folder));
    }
    EXPECT_EQ(test::FolderNames(dir.path()), std::vector<std::wstring>{L"a file"});
}

}  // namespace
}  // namespace lg::win
