// The save dialog driven as a user would, from a timer on the dialog's own
// thread: where it opens, what it proposes, that it stands above a topmost
// window, that picking a type or a file takes a picture extension off the
// typed name, and what a confirmed or cancelled dialog returns.
#include "output/save_dialog.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "dialog_driver.h"
#include "platform/u16.h"
#include "scratch_folder.h"

namespace lg::win {
namespace {

using namespace test;

class SaveDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Stands in for the capture window: topmost over the whole screen.
        capture_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0,
                                   GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                   nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(capture_, nullptr);
        ShowWindow(capture_, SW_SHOWNOACTIVATE);
        owner_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0,
                                 38, 157, capture_, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(owner_, nullptr);
    }
    void TearDown() override {
        DestroyWindow(owner_);
        DestroyWindow(capture_);
    }

    SaveDialogRequest Request(int filterIndex) const {
        SaveDialogRequest r;
        r.initialFolder = AsU16(dir_.path());
        r.fileName = u"Скриншот 08.12.26_23.05.59";
        r.filterIndex = filterIndex;
        return r;
    }

    test::ScratchFolder dir_{L"save-dialog"};
    HWND capture_ = nullptr;
    HWND owner_ = nullptr;
};

TEST_F(SaveDialogTest, OpensAsAskedAboveTheCaptureAndReturnsTheConfirmedName) {
    struct Seen {
        bool topmost = false;
        HWND owner = nullptr;
        std::wstring folder, proposed, afterTypeChange;
        int type = -1;
    } seen;
    DialogDriver driver({
        [&](HWND d) {
            seen.topmost = (GetWindowLongW(d, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
            seen.owner = GetWindow(d, GW_OWNER);
            seen.folder = FolderPath(d);
            seen.proposed = TypedName(d);
            seen.type = PickedType(d);
        },
        [&](HWND d) {
            TypeName(d, L"снимок.png");
            PickType(d, 2);
        },
        [&](HWND d) { seen.afterTypeChange = TypedName(d); },
        [&](HWND d) {
            TypeName(d, L"отчёт.PNG");
            PostMessageW(d, WM_COMMAND, IDOK, 0);
        },
    });
    const std::optional<SaveDialogChoice> choice = RunSaveDialog(owner_, Request(2));
    ASSERT_FALSE(driver.stuck()) << "the dialog did not close as told";

    EXPECT_TRUE(seen.topmost) << "above the topmost capture window";
    EXPECT_EQ(seen.owner, owner_);
    std::wstring folder = dir_.path();
    folder.pop_back();
    EXPECT_EQ(seen.folder, folder);
    EXPECT_EQ(seen.proposed, L"Скриншот 08.12.26_23.05.59") << "the dated name, whole";
    EXPECT_EQ(seen.type, 1) << "filter index 2 preselects jpg";
    EXPECT_EQ(seen.afterTypeChange, L"снимок") << "another type takes the extension off";
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->fileName, AsU16(dir_ / L"отчёт.PNG")) << "the name as confirmed";
    EXPECT_EQ(choice->filterIndex, 3) << "the type picked last";
}

TEST_F(SaveDialogTest, AFileClickedInTheListLeavesItsNameWithoutTheExtension) {
    ASSERT_TRUE(test::PlantFile(dir_ / L"старый.jpg", {1, 2, 3}));
    std::wstring afterClick;
    bool clicked = false;
    DialogDriver driver({
        [&](HWND d) { clicked = ClickFirstFile(d); },
        [&](HWND d) {
            afterClick = TypedName(d);
            PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
        },
    });
    EXPECT_FALSE(RunSaveDialog(owner_, Request(2)).has_value());
    ASSERT_FALSE(driver.stuck());
    ASSERT_TRUE(clicked) << "the jpg type lists the planted file";
    EXPECT_EQ(afterClick, L"старый");
}

TEST_F(SaveDialogTest, CancelledGivesNothing) {
    DialogDriver driver({[](HWND d) { PostMessageW(d, WM_COMMAND, IDCANCEL, 0); }});
    EXPECT_FALSE(RunSaveDialog(owner_, Request(1)).has_value());
    EXPECT_FALSE(driver.stuck());
    EXPECT_EQ(driver.stepsRun(), 1u);
}

}  // namespace
}  // namespace lg::win
