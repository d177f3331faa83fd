// Where the save dialog opens, decided against real folders.
#include "output/dialog_folders.h"

#include <gtest/gtest.h>

#include "platform/u16.h"
#include "scratch_folder.h"
#include "settings/settings.h"

namespace lg::win {
namespace {

TEST(SaveDialogInitialFolderTest, LastFolderWhileItExistsElseThePathSetting) {
    test::ScratchFolder dir(L"dialog");
    const std::u16string savedLast = LastPath();
    const std::u16string savedPath = LGSettings().path;
    const std::wstring last = dir / L"Последняя\\";
    ASSERT_TRUE(CreateDirectoryW(last.c_str(), nullptr));
    LGSettings().path = AsU16(dir / L"Авто\\");  // not created yet: still the answer

    LastPath() = AsU16(last);
    const std::u16string existing = SaveDialogInitialFolder();
    RemoveDirectoryW(last.c_str());
    const std::u16string deleted = SaveDialogInitialFolder();
    LastPath().clear();
    const std::u16string none = SaveDialogInitialFolder();
    // A file is no folder to open in.
    ASSERT_TRUE(test::PlantFile(dir / L"файл", {1}));
    LastPath() = AsU16(dir / L"файл");
    const std::u16string file = SaveDialogInitialFolder();

    LastPath() = savedLast;
    LGSettings().path = savedPath;
    EXPECT_EQ(existing, AsU16(last));
    EXPECT_EQ(deleted, AsU16(dir / L"Авто\\"));
    EXPECT_EQ(none, AsU16(dir / L"Авто\\"));
    EXPECT_EQ(file, AsU16(dir / L"Авто\\"));
}

}  // namespace
}  // namespace lg::win
