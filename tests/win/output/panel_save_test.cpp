// The output panel as a window (its size, styles, owner, buttons, hints and
// pictures) and its save and copy buttons on a real capture: a confirmed
// dialog writes the file and ends the capture, a cancelled one brings the
// panel back, and a file that cannot be written keeps the capture open and
// says why; a clipboard another program holds is waited for, and when it
// stays held the capture stays open to try again.
#include "output/panel_save.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "capture/set_region_form.h"
#include "clipboard_bytes.h"
#include "dialog_driver.h"
#include "held_clipboard.h"
#include "message_pump.h"
#include "output/bhint_form.h"
#include "platform/handles.h"
#include "platform/u16.h"
#include "png_decode.h"
#include "scratch_folder.h"
#include "settings/registry_store.h"
#include "settings/settings.h"
#include "test_picture.h"

namespace lg::win {
namespace {

constexpr TColor32 kSurface = 0xFF091A32u;

constexpr char16_t kCopied[] =
    u"Скриншот скопирован в буфер обмена.\r\nНажмите Ctrl+V, чтобы вставить.";
constexpr char16_t kCopyFailed[] =
    u"Не удалось скопировать в буфер обмена.\r\nПожалуйста, попробуйте еще раз.";

int CountNotSurface(const TBitmap32& b, const TRect& r) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y) {
        for (int x = r.Left; x < r.Right; ++x) n += b.PixelS(x, y) != kSurface;
    }
    return n;
}

TEST(TPanelSaveTest, AStripOfButtonsOwnedByTheCaptureWindow) {
    TSetRegionForm form;
    ASSERT_TRUE(form.CreateForm());
    TPanelSave panel;
    ASSERT_TRUE(panel.CreateForm(form));

    RECT client{};
    GetClientRect(panel.hwnd(), &client);
    EXPECT_EQ(client.right, 38);
    EXPECT_EQ(client.bottom, 157);
    const LONG exStyle = GetWindowLongW(panel.hwnd(), GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW) << "no taskbar button";
    EXPECT_EQ(GetWindow(panel.hwnd(), GW_OWNER), form.hwnd());

    struct Row {
        TGraphicControl& control;
        int top, height;
        std::u16string hint;
    } const rows[] = {
        {panel.btSendCloud, 0, 33, u"Загрузить на сервер"},
        {panel.btSaveClipbrd, 33, 38, u"Копировать"},
        {panel.btSaveFile, 71, 38, u"Сохранить на диск"},
        {panel.Image1, 109, 10, u""},
        {panel.ImageButton3, 119, 38, u"Закрыть"},
    };
    panel.ShowPanel();
    test::PumpFor(200);
    const TBitmap32& painted = panel.Controls().Buffer();
    ASSERT_EQ(painted.Height(), 157);
    for (const Row& r : rows) {
        const TRect bounds = r.control.BoundsRect();
        EXPECT_EQ(bounds, (TRect{0, r.top, 38, r.top + r.height})) << r.top;
        EXPECT_EQ(r.control.Hint, r.hint) << r.top;
        EXPECT_GT(CountNotSurface(painted, bounds), 10) << "a picture at " << r.top;
    }
    panel.HidePanel();
}

// R, G, B of every pixel, top row first, as the clipboard's DIB reads back.
std::vector<uint8_t> RgbOf(const TBitmap32& b) {
    std::vector<uint8_t> rgb;
    for (const TColor32 p : b.Pixels()) {
        rgb.push_back(RedOf(p));
        rgb.push_back(GreenOf(p));
        rgb.push_back(BlueOf(p));
    }
    return rgb;
}

std::vector<uint8_t> ClipboardRgb() {
    const std::vector<uint8_t> dib = test::ClipboardBytes(CF_DIB);
    int width = 0, height = 0;
    return test::DibRgb(dib.data(), dib.size(), width, height);
}

// The "lastpath" value of the program's key, put back as it was.
class KeptLastPathValue {
public:
    KeptLastPathValue() {
        wchar_t buffer[2048] = {};
        DWORD size = sizeof(buffer);
        had_ = RegGetValueW(HKEY_CURRENT_USER, Key().c_str(), L"lastpath", RRF_RT_REG_SZ, nullptr,
                            buffer, &size) == ERROR_SUCCESS;
        value_ = buffer;
    }
    ~KeptLastPathValue() {
        if (had_) {
            RegSetKeyValueW(HKEY_CURRENT_USER, Key().c_str(), L"lastpath", REG_SZ, value_.c_str(),
                            static_cast<DWORD>((value_.size() + 1) * sizeof(wchar_t)));
        } else {
            RegDeleteKeyValueW(HKEY_CURRENT_USER, Key().c_str(), L"lastpath");
        }
    }
    KeptLastPathValue(const KeptLastPathValue&) = delete;
    KeptLastPathValue& operator=(const KeptLastPathValue&) = delete;

private:
    static std::wstring Key() { return ToWide(kProgramKey); }
    bool had_ = false;
    std::wstring value_;
};

// A whole-screen capture with the editor open, the output panel beside it
// and the notification window ready; the settings and the last dialog
// folder as they were afterwards.
class PanelSaveFlowTest : public ::testing::Test {
protected:
    void SetUp() override {
        LGSettings().path = AsU16(dir_.path());
        LGSettings().format = 0;
        LGSettings().SaveLocal = false;
        LGSettings().ShowRedact = true;
        // A last folder that was deleted since: the dialog opens in `path`.
        LastPath() = gone_;
        ASSERT_TRUE(form_.CreateForm());
        ASSERT_TRUE(panel_.CreateForm(form_));
        form_.SetPanels(&panel_, nullptr);
        ASSERT_TRUE(hint_.CreateForm());
        form_.StartSelectRegion(2);
        test::PumpFor(100);
        ASSERT_TRUE(CaptureOpen()) << "the capture of the whole screen";
        ASSERT_TRUE(panel_.Showing());
    }
    void TearDown() override {
        form_.Editor().Close();
        LGSettings() = settings_;
        LastPath() = lastPath_;
    }

    bool CaptureOpen() { return IsWindowVisible(form_.hwnd()) && form_.Editor().IsOpen(); }

    std::vector<uint8_t> PictureRgb() {
        TBitmap32 picture;
        form_.GetBitmap(picture);
        return RgbOf(picture);
    }

    // A smaller selection, quick to encode, with an arrow drawn across it:
    // a committed figure with its undo snapshot, the arrow still chosen.
    void DrawArrow() {
        CaptureEditor& editor = form_.Editor();
        editor.SelectionLayer().SetLocation(TFloatRect{100, 100, 300, 250});
        editor.AddTool(ctArrow);
        const std::vector<uint8_t> plain = PictureRgb();
        TImgView32& view = editor.View();
        view.MouseMove(0, 130, 130);
        view.MouseDown(mbLeft, ssLeft, 130, 130);
        for (int i = 1; i <= 5; ++i) view.MouseMove(ssLeft, 130 + 20 * i, 130 + 15 * i);
        view.MouseUp(mbLeft, 0, 230, 205);
        ASSERT_NE(PictureRgb(), plain) << "the arrow is in the picture";
        ASSERT_EQ(editor.CurTypeTool(), ctArrow);
    }

    // Clicks the copy button; how long the click took, in milliseconds.
    ULONGLONG ClickCopy() {
        const ULONGLONG start = GetTickCount64();
        panel_.btSaveClipbrd.Click();
        return GetTickCount64() - start;
    }

    // Presses the save button; the dialog gets `name` typed and is
    // confirmed, or is cancelled when `name` is empty.
    void SaveAs(const std::wstring& name) {
        test::DialogDriver driver({[&](HWND d) {
            captureEnabledInDialog_ = IsWindowEnabled(form_.hwnd()) != FALSE;
            panelShownInDialog_ = panel_.Showing();
            if (name.empty()) {
                PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
                return;
            }
            test::TypeName(d, name.c_str());
            PostMessageW(d, WM_COMMAND, IDOK, 0);
        }});
        panel_.btSaveFile.Click();
        ASSERT_FALSE(driver.stuck());
        ASSERT_EQ(driver.stepsRun(), 1u);
        test::PumpFor(100);
        EXPECT_FALSE(captureEnabledInDialog_) << "the dialog is modal for the capture";
        EXPECT_FALSE(panelShownInDialog_) << "the panel is out of the dialog's way";
        EXPECT_TRUE(IsWindowEnabled(form_.hwnd()));
    }

    bool captureEnabledInDialog_ = true;
    bool panelShownInDialog_ = true;

    const TLGSettings settings_ = LGSettings();
    const std::u16string lastPath_ = LastPath();
    KeptLastPathValue lastPathValue_;
    test::ScratchFolder dir_{L"panel-save"};
    const std::u16string gone_{AsU16(dir_ / L"удалённая\\")};
    TSetRegionForm form_;
    TPanelSave panel_;
    TBHintForm hint_;
};

TEST_F(PanelSaveFlowTest, AConfirmedDialogWritesTheTypedNameAsTheChosenTypeAndEnds) {
    // The dialog's type (PNG, from the format setting) wins over the typed
    // extension.
    SaveAs(L"снимок.jpg");
    const std::vector<uint8_t> file = test::ReadWholeFile(dir_ / L"снимок.png");
    ASSERT_FALSE(file.empty());
    const std::optional<test::DecodedPng> png = test::DecodePng(file);
    ASSERT_TRUE(png.has_value());
    EXPECT_EQ(png->width, GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_EQ(png->height, GetSystemMetrics(SM_CYVIRTUALSCREEN));
    EXPECT_FALSE(CaptureOpen());
    EXPECT_FALSE(panel_.Showing());
    EXPECT_FALSE(hint_.Showing()) << "a save says nothing when it worked";
    EXPECT_EQ(LastPath(), AsU16(dir_.path()));
}

TEST_F(PanelSaveFlowTest, ACancelledDialogLeavesTheCaptureWithItsPanelAndTool) {
    form_.Editor().AddTool(ctRect);
    SaveAs(L"");
    EXPECT_TRUE(CaptureOpen());
    EXPECT_TRUE(panel_.Showing());
    EXPECT_EQ(form_.Editor().CurTypeTool(), ctRect) << "the tool the palette shows still draws";
    EXPECT_FALSE(hint_.Showing());
    EXPECT_EQ(LastPath(), gone_);
}

TEST_F(PanelSaveFlowTest, AFileThatCannotBeWrittenKeepsTheCaptureAndSaysWhy) {
    const std::wstring target = dir_ / L"защищён.png";
    ASSERT_TRUE(test::PlantFile(target, {1, 2, 3}));
    ASSERT_TRUE(SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY));
    form_.Editor().AddTool(ctRect);
    SaveAs(L"защищён");
    EXPECT_EQ(test::ReadWholeFile(target), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_TRUE(CaptureOpen()) << "the picture is not lost";
    EXPECT_EQ(form_.Editor().CurTypeTool(), ctRect);
    EXPECT_TRUE(panel_.Showing());
    ASSERT_TRUE(hint_.Showing());
    EXPECT_EQ(hint_.lbText.Caption(), u"Не удалось сохранить скриншот.\r\nФайл защищён от записи.");
    EXPECT_EQ(LastPath(), gone_) << "nothing was saved there";
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(PanelSaveFlowTest, AClipboardHeldForAMomentIsWaitedFor) {
    ASSERT_NO_FATAL_FAILURE(DrawArrow());
    const std::vector<uint8_t> picture = PictureRgb();
    test::HeldClipboard holder(300);
    ASSERT_TRUE(holder.holding());
    EXPECT_GE(ClickCopy(), 100u) << "the clipboard was still held when the copy began";
    EXPECT_FALSE(CaptureOpen());
    ASSERT_TRUE(hint_.Showing());
    EXPECT_EQ(hint_.lbText.Caption(), kCopied);
    EXPECT_EQ(ClipboardRgb(), picture) << "the picture with its arrow";
}

TEST_F(PanelSaveFlowTest, AClipboardHeldLongerKeepsTheCaptureToTryAgain) {
    ASSERT_NO_FATAL_FAILURE(DrawArrow());
    CaptureEditor& editor = form_.Editor();
    const std::vector<uint8_t> picture = PictureRgb();
    const int snapshots = editor.Store().Count();
    const DWORD sequence = GetClipboardSequenceNumber();
    {
        test::HeldClipboard holder(3000);
        ASSERT_TRUE(holder.holding());
        const ULONGLONG waited = ClickCopy();
        EXPECT_GE(waited, 900u) << "tried for about a second";
        EXPECT_LT(waited, 2000u) << "and gave up rather than wait it out";
        test::PumpFor(100);
        EXPECT_TRUE(CaptureOpen()) << "the picture is not lost";
        EXPECT_TRUE(panel_.Showing());
        ASSERT_TRUE(hint_.Showing());
        EXPECT_EQ(hint_.lbText.Caption(), kCopyFailed);
        EXPECT_EQ(PictureRgb(), picture) << "the arrow is still there";
        EXPECT_EQ(editor.Store().Count(), snapshots) << "and the undo history as it was";
        EXPECT_EQ(editor.CurTypeTool(), ctArrow);
        EXPECT_NE(editor.CurTool(), nullptr) << "ready to draw on";
        EXPECT_EQ(GetClipboardSequenceNumber(), sequence) << "the clipboard is untouched";
        ASSERT_TRUE(holder.Released(10000));
    }
    // The other program let go: trying again, as the message asks, works.
    ClickCopy();
    EXPECT_FALSE(CaptureOpen());
    EXPECT_EQ(hint_.lbText.Caption(), kCopied);
    EXPECT_EQ(ClipboardRgb(), picture);
}

TEST_F(PanelSaveFlowTest, WithTheEditorOffABusyClipboardOpensTheEditor) {
    form_.Editor().Close();
    LGSettings().ShowRedact = false;
    LGSettings().Server = false;  // the quick output copies rather than uploads
    test::HeldClipboard holder(3000);
    ASSERT_TRUE(holder.holding());
    form_.StartSelectRegion(2);  // copies at once, with no panel shown
    test::PumpFor(100);
    EXPECT_TRUE(CaptureOpen());
    EXPECT_TRUE(panel_.Showing()) << "its buttons are the way to try again";
    EXPECT_EQ(form_.Editor().CurTypeTool(), ctArrow);
    ASSERT_TRUE(hint_.Showing());
    EXPECT_EQ(hint_.lbText.Caption(), kCopyFailed);
}

}  // namespace
}  // namespace lg::win
