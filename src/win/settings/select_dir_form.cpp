#include "settings/select_dir_form.h"

#include <initializer_list>

#include "art/art_colors.h"
#include "art/button_art.h"
#include "controls/image_button_art.h"
#include "output/long_path.h"
#include "platform/display_dpi.h"
#include "platform/modal_loop.h"

namespace lg::win {
namespace {

constexpr wchar_t kClassName[] = L"TSelectDirForm";
constexpr int kTreeId = 100;

// The layout in 96-DPI pixels: the tree fills the window above the button
// bar, inside margins of 20 left and right, 30 top and 10 bottom; the two
// buttons sit in the bar's middle, under the tree's edges; the close button
// is centred in the top margin, flush with the tree's right edge.
constexpr int kMarginX = 20;
constexpr int kMarginTop = 30;
constexpr int kMarginBottom = 10;
constexpr int kBarHeight = 56;
constexpr TSize kButton{142, 38};
constexpr TSize kClose{14, 14};

constexpr int kBarTop = TSelectDirForm::kClientHeight - kBarHeight;
constexpr TRect kTreeBounds{kMarginX, kMarginTop, TSelectDirForm::kClientWidth - kMarginX,
                            kBarTop - kMarginBottom};
constexpr int kButtonTop = kBarTop + (kBarHeight - kButton.cy) / 2;
constexpr TRect kCancelBounds{kTreeBounds.Left, kButtonTop, kTreeBounds.Left + kButton.cx,
                              kButtonTop + kButton.cy};
constexpr TRect kSaveBounds{kTreeBounds.Right - kButton.cx, kButtonTop, kTreeBounds.Right,
                            kButtonTop + kButton.cy};
constexpr int kCloseTop = (kMarginTop - kClose.cy) / 2;
constexpr TRect kCloseBounds{kTreeBounds.Right - kClose.cx, kCloseTop, kTreeBounds.Right,
                             kCloseTop + kClose.cy};
static_assert(kTreeBounds.Width() == 362 && kTreeBounds.Height() == 538);
static_assert(kCancelBounds.Right < kSaveBounds.Left, "the buttons do not overlap");
static_assert(kCancelBounds.Bottom <= TSelectDirForm::kClientHeight);

constexpr wchar_t kTreeFont[] = L"Roboto";
constexpr int kTreeFontHeight = 13;
// A level's indent: the control's own at 96 DPI, which it does not scale.
constexpr int kTreeIndent = 19;
constexpr char16_t kButtonFont[] = u"Roboto";
constexpr int kButtonFontHeight = 15;
constexpr TColor32 kWhite = 0xFFFFFFFFu;

TFontDesc ButtonFont(DisplayScale scale) {
    TFontDesc font;
    font.Family = kButtonFont;
    font.PixelHeight = scale.Px(kButtonFontHeight);
    font.Color = kWhite;
    return font;
}

bool IsEscapeFor(HWND form, const MSG& msg) {
    return msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE &&
           (msg.hwnd == form || IsChild(form, msg.hwnd));
}

}  // namespace

// A new scale keeps the picker's centre where it is.
TSelectDirForm::TSelectDirForm()
    : SurfaceWindow(TSize{kClientWidth, kClientHeight}, art::kPanelSurface, Anchor::Centre) {
    ImageButton1.SetText(u"Отменить");
    ImageButton2.SetText(u"Сохранить");
    ImageButton3.Hint = u"Закрыть";
    for (TImageButton* b : {&ImageButton1, &ImageButton2, &ImageButton3}) b->Cursor = crHandPoint;
    ImageButton1.OnClick = [this](TGraphicControl&) { EndModal(kCancelled); };
    ImageButton2.OnClick = [this](TGraphicControl&) { SaveClick(); };
    ImageButton3.OnClick = [this](TGraphicControl&) { EndModal(kCancelled); };
    LayoutControls();
}

TSelectDirForm::~TSelectDirForm() {
    // While every member is alive: the control's last notifications come
    // back through this window.
    sShellTreeView1.Destroy();
}

bool TSelectDirForm::CreateForm(HWND owner) {
    if (!RegisterClassOnce(kClassName)) return false;
    // Owned by the settings window: always above it, gone from the
    // taskbar, and the owner is where the activation returns.
    WindowArgs args = TopmostToolWindow(kClassName, L"Выбор папки", WS_POPUP | WS_CLIPCHILDREN,
                                        kClientWidth, kClientHeight, owner);
    args.options = {.dragByBackground = true,
                    .escapeCloses = true,
                    .followsDpi = true,
                    .placement = Placement::OverOwner};
    if (!Create(args)) return false;
    AttachControls({&ImageButton1, &ImageButton2, &ImageButton3});
    if (!sShellTreeView1.Create(hwnd(), kTreeId)) return false;
    LayoutControls();
    Controls().UpdateHints();
    return true;
}

void TSelectDirForm::LayoutControls() {
    const DisplayScale& scale = Scale();
    PlaceControl(ImageButton1, kCancelBounds);
    SetPlainPictures(
        ImageButton1,
        art::DrawTextButton(art::TextButtonKind::Secondary, kButton.cx, kButton.cy, scale).plain);
    PlaceControl(ImageButton2, kSaveBounds);
    SetPlainPictures(
        ImageButton2,
        art::DrawTextButton(art::TextButtonKind::Primary, kButton.cx, kButton.cy, scale).plain);
    for (TImageButton* b : {&ImageButton1, &ImageButton2}) b->Font = ButtonFont(scale);
    PlaceControl(ImageButton3, kCloseBounds);
    SetPlainPictures(
        ImageButton3,
        art::DrawGlyphButton(art::Glyph::CloseSmall, kClose.cx, kClose.cy, scale).plain);

    const TRect tree = scale.Rect(kTreeBounds);
    sShellTreeView1.SetBounds(RECT{tree.Left, tree.Top, tree.Right, tree.Bottom});
    sShellTreeView1.SetTextFont(kTreeFont, scale.Px(kTreeFontHeight));
    sShellTreeView1.SetIndent(scale.Px(kTreeIndent));
}

int TSelectDirForm::ShowModal(HWND owner, std::wstring_view initialFolder) {
    if (Showing()) return kCancelled;
    if (!hwnd() && !CreateForm(owner)) return kCancelled;
    SetScale(owner ? ScaleOfWindow(owner) : ScaleOfPrimaryMonitor());
    // Centred over the owner, kept on its monitor, its top (the close
    // button) first.
    MoveToPlacement(Scale());
    if (!initialFolder.empty() && FolderExists(initialFolder)) {
        sShellTreeView1.SelectFolder(initialFolder);
    }

    return RunModal(
        hwnd(), owner, modalResult_, kCancelled,
        [this] {
            SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
            SetForegroundWindow(hwnd());
            SetFocus(sShellTreeView1.hwnd());
        },
        [this](const MSG& msg) {
            if (!IsEscapeFor(hwnd(), msg)) return false;
            EndModal(kCancelled);
            return true;
        });
}

void TSelectDirForm::SaveClick() {
    // A virtual item (the computer, the network) has no path: nothing
    // happens, the user picks again.
    const std::wstring path = Path();
    if (!path.empty() && FolderExists(path)) EndModal(kSaved);
}

bool TSelectDirForm::OnClose() {
    EndModal(kCancelled);
    return true;  // hidden by ShowModal, destroyed with the object
}

LRESULT TSelectDirForm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (sShellTreeView1.HandleNotify(*reinterpret_cast<const NMHDR*>(lp), result)) {
                return result;
            }
            break;
        }
        case WM_SETFOCUS:
            // The keyboard belongs to the tree.
            if (sShellTreeView1.hwnd()) SetFocus(sShellTreeView1.hwnd());
            return 0;
    }
    return SurfaceWindow::HandleMessage(msg, wp, lp);
}

}  // namespace lg::win
