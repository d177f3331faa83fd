#include "capture/set_region_form.h"

#include <algorithm>
#include <exception>
#include <optional>

#include "capture/app_key_filter.h"
#include "capture/capture_geometry.h"
#include "capture/last_area.h"
#include "capture/panel_placement.h"
#include "capture/screen_copy.h"
#include "capture/snap_window_list.h"
#include "capture/window_frame.h"
#include "output/output_panel_layout.h"
#include "platform/clipboard_text.h"
#include "platform/display_dpi.h"
#include "platform/hidden_surface.h"
#include "platform/trace.h"
#include "platform/u16.h"
#include "settings/settings.h"
#include "tools/palette_layout.h"

namespace lg::win {
namespace {

constexpr wchar_t kClassName[] = L"TSetRegionForm";
// The text tool's caret blink.
constexpr UINT_PTR kCaretTimer = 1;
// Watches the panels' stacking for a while after they were shown together
// with the window (see KeepPanelsAbove).
constexpr UINT_PTR kPanelGuardTimer = 2;
constexpr UINT kPanelGuardMs = 50;
constexpr int kPanelGuardTicks = 30;
// Posted after the first frame of an area capture: the window tree is read.
constexpr UINT kReadSnapWindows = WM_APP + 1;

// The placement's default sizes are the panels' own tables.
static_assert(kPaletteSize == TSize{kPaletteWidth, kPaletteHeight});
static_assert(kOutputPanelSize == TSize{kOutputPanelWidth, kOutputPanelHeight});

TColor LookupSystemColor(int index) {
    return GetSysColor(index);
}

TRect MonitorOf(HWND wnd) {
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    if (!GetMonitorInfoW(MonitorFromWindow(wnd, MONITOR_DEFAULTTONEAREST), &mi)) return {};
    return TRect{mi.rcMonitor.left, mi.rcMonitor.top, mi.rcMonitor.right, mi.rcMonitor.bottom};
}

// What a window capture selects: the visible frame, without the invisible
// resize border around it.
std::optional<TRect> ForegroundWindowRect() {
    return VisibleFrameOf(GetForegroundWindow());
}

}  // namespace

TSetRegionForm::TSetRegionForm() : editor_(*this), imgView1(editor_.View()) {
    editor_.systemColors = &LookupSystemColor;
    editor_.View().OnKeyDown = [this](std::uint16_t& key, TShiftState shift) {
        editor_.FormKeyDown(key, shift);
    };
    imgView1.OnPainted = [this] {
        if (!snapPending_) return;
        snapPending_ = false;
        // Posted, so this paint returns first: the frozen screen is up
        // before any time goes into the window tree.
        PostMessageW(hwnd(), kReadSnapWindows, 0, 0);
    };
}

TSetRegionForm::~TSetRegionForm() {
    editor_.View().OnKeyDown = nullptr;
}

bool TSetRegionForm::CreateForm() {
    if (!RegisterClassOnce(kClassName)) return false;
    if (!Create(TopmostToolWindow(kClassName, L"ЛюмиГРАБ", WS_POPUP | WS_CLIPCHILDREN, 64, 64,
                                  nullptr)))
        return false;
    // The cross-hair drawn for the capture replaces the system's.
    cur1_ = LoadCursorW(GetModuleHandleW(nullptr), L"CUR_1");
    imgView1.SetCrossCursor(cur1_);
    if (!imgView1.CreateControl(hwnd(), 0, 0, 64, 64)) return false;
    // Once; without a library or an output device the shutter is silent.
    BassPlayer.Init(hwnd());
    return true;
}

bool TSetRegionForm::RegHotKey(TTypeHotKey tp, TShortCut hk) {
    return hotKeys_ && hotKeys_->Register(tp, hk);
}

void TSetRegionForm::SetHotKeyEditors(std::span<const HWND> editors) {
    hotKeyEditors_.assign(editors.begin(), editors.end());
}

bool TSetRegionForm::HotKeyEditorHasFocus() const {
    HWND focus = GetFocus();
    return focus &&
           std::find(hotKeyEditors_.begin(), hotKeyEditors_.end(), focus) != hotKeyEditors_.end();
}

void TSetRegionForm::SetPanels(CaptureOutputPanel* panelSave, CaptureToolPalette* panelTools) {
    panelSave_ = panelSave;
    panelTools_ = panelTools;
    auto esc = [this] { editor_.TestClose(); };
    if (FloatingPanel* p = OutputPanel()) p->OnEscape = esc;
    if (FloatingPanel* p = Palette()) p->OnEscape = esc;
}

void TSetRegionForm::StartSelectRegion(int typeSelect) {
    // A request while a capture is open changes nothing, the numbering of
    // its stamps included.
    if (IsWindowVisible(hwnd()) || editor_.IsOpen()) return;
    // The user is typing a combination into the settings window.
    if (HotKeyEditorHasFocus()) return;

    try {
        OpenCapture(typeSelect);
    } catch (const std::exception&) {
        // A virtual screen too large for this process (the capture, the
        // view's copy, the back buffer): no capture rather than a broken
        // one, and nothing thrown into the hook or window that asked.
        Trace(L"capture failed: no memory for the screen");
        editor_.Close();  // also drops a first snapshot already stored
    }
}

void TSetRegionForm::OpenCapture(int typeSelect) {
    // The monitors as the screen is frozen: every scale the capture asks
    // for (on each mouse move while the prompt shows) is looked up here.
    monitors_ = MonitorsWithDpi();
    const TRect rectWork = VirtualScreenRect();
    TBitmap32 capture;
    CopyScreen(capture, rectWork, LGSettings().showcursor);
    std::optional<TRect> selection;
    if (typeSelect == 1) {
        selection = InitialSelection(1, rectWork, ForegroundWindowRect());
    } else if (typeSelect == 2) {
        selection = InitialSelection(2, rectWork, std::nullopt);
    } else if (typeSelect == kTypeSelectLastArea) {
        selection = LastAreaSelection(lastArea_, rectWork);
    }
    if (selection) {
        wchar_t text[80];
        wsprintfW(text, L"capture selection %d,%d,%d,%d", selection->Left + rectWork.Left,
                  selection->Top + rectWork.Top, selection->Right + rectWork.Left,
                  selection->Bottom + rectWork.Top);
        Trace(text);
    }
    areaCapture_ = typeSelect == 0 || typeSelect == kTypeSelectLastArea;
    // A repeat opens like a window capture, straight into the editor with
    // its selection; without one it is a plain area capture.
    const int editorKind = typeSelect == kTypeSelectLastArea ? (selection ? 1 : 0) : typeSelect;
    if (!editor_.StartCapture(editorKind, capture, rectWork, selection)) {
        Trace(L"capture ended: no selection");
        return;
    }
    capture = TBitmap32();  // the view holds its own copy

    snapPending_ = editorKind == 0;
    const int w = rectWork.Width(), h = rectWork.Height();
    SetWindowPos(hwnd(), HWND_TOPMOST, rectWork.Left, rectWork.Top, w, h,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    imgView1.SetBounds(0, 0, w, h);
    SetForegroundWindow(hwnd());
    SetFocus(imgView1.hwnd());
    editor_.ShowWindowDone();
    if (OutputPanel() && OutputPanel()->Showing()) {
        panelGuardTicks_ = kPanelGuardTicks;
        SetTimer(hwnd(), kPanelGuardTimer, kPanelGuardMs, nullptr);
    }
    Trace(L"capture shown");
}

void TSetRegionForm::ReadSnapWindowsNow() {
    // The capture may have closed before the message came.
    if (!IsWindowVisible(hwnd()) || !editor_.IsOpen()) return;
    const TRect work = editor_.RectWork();
    const std::vector<SnapWindowInfo> list = ReadSnapWindows();
    POINT p{};
    GetCursorPos(&p);
    editor_.SetSnapWindows(SnapWindows(list, work), TPoint{p.x - work.Left, p.y - work.Top});
    wchar_t text[48];
    wsprintfW(text, L"snap windows %d", static_cast<int>(list.size()));
    Trace(text);
}

bool TSetRegionForm::GetBitmap(TBitmap32& b) {
    if (!editor_.GetBitmap(b)) return false;
    if (areaCapture_) RememberArea();
    if (LGSettings().playsound) BassPlayer.Play();
    return true;
}

void TSetRegionForm::RememberArea() {
    const TRect work = editor_.RectWork();
    const TRect selection = IntersectRect(RoundRect(editor_.SelectionLayer().Location()),
                                          TRect{0, 0, work.Width(), work.Height()});
    if (selection.IsEmpty()) return;
    lastArea_ = SelectionOnScreen(selection, work);
}

void TSetRegionForm::ShowEditorPanels() {
    UpdatePositionPanels();
    if (FloatingPanel* p = OutputPanel()) p->ShowPanel();
    if (FloatingPanel* p = Palette()) p->ShowPanel();
    UpdatePositionPanels();
    if (panelTools_) panelTools_->ShowFontPickerIfText();
    Trace(L"editor opened");
}

void TSetRegionForm::HidePanels() {
    if (FloatingPanel* p = OutputPanel()) p->HidePanel();
    if (panelTools_) {
        panelTools_->HidePickers();
        panelTools_->Panel().HidePanel();
    }
}

void TSetRegionForm::UpdatePositionPanels() {
    if (!panelSave_ || !panelTools_) return;
    FloatingPanel& tools = panelTools_->Panel();
    FloatingPanel& output = panelSave_->Panel();
    const TRect rectWork = editor_.RectWork();
    PanelPlacementInput in;
    in.virtualScreen = rectWork;
    in.selection = SelectionOnScreen(RoundRect(editor_.SelectionLayer().Location()), rectWork);
    // The panels take the scale of the monitor showing the selection, and
    // their sizes with it.
    in.scale = ScaleOnScreen(in.selection);
    tools.SetScale(in.scale);
    output.SetScale(in.scale);
    in.paletteSize = TSize{tools.Width(), tools.Height()};
    in.outputPanelSize = TSize{output.Width(), output.Height()};
    in.paletteMonitor = MonitorOf(tools.hwnd());
    in.outputPanelMonitor = MonitorOf(output.hwnd());
    const PanelPlacement p = PlacePanels(in);
    tools.MoveTo(p.palette.Left, p.palette.Top);
    output.MoveTo(p.outputPanel.Left, p.outputPanel.Top);
    panelTools_->PlacePickers();
}

void TSetRegionForm::SelectArrowTool() {
    if (!panelTools_) {
        editor_.AddTool(ctArrow);
        return;
    }
    panelTools_->SelectArrowTool();
}

void TSetRegionForm::UploadPicture() {
    if (panelSave_) panelSave_->Upload();
}

void TSetRegionForm::CopyPicture() {
    if (panelSave_) panelSave_->Copy();
}

void TSetRegionForm::HideWindow() {
    snapPending_ = false;
    ShowWindow(hwnd(), SW_HIDE);
    // With the editor's frames, the capture's memory goes back; the next
    // capture sizes the back buffer and the window again.
    imgView1.ReleaseBuffer();
    GiveBackHiddenSurface(hwnd());
    Trace(L"capture closed");
}

void TSetRegionForm::FocusWindow() {
    SetForegroundWindow(hwnd());
    SetFocus(imgView1.hwnd());
}

DisplayScale TSetRegionForm::ScaleOnScreen(const TRect& screen) const {
    return monitors_.empty() ? ScaleOfScreenRect(screen) : ScaleForRect(monitors_, screen);
}

DisplayScale TSetRegionForm::ScaleOf(const TRect& r) const {
    const TRect work = editor_.RectWork();
    return ScaleOnScreen(
        TRect{r.Left + work.Left, r.Top + work.Top, r.Right + work.Left, r.Bottom + work.Top});
}

void TSetRegionForm::ToolCreated(TBaseToolLayer& tool) {
    auto* text = dynamic_cast<TTextEditToolLayer*>(&tool);
    if (!text) {
        KillTimer(hwnd(), kCaretTimer);
        return;
    }
    // Setting the timer again starts its period anew: the caret stays
    // visible for a whole one after each key.
    text->OnRestartCaretTimer = [this] { SetTimer(hwnd(), kCaretTimer, kCaretBlinkMs, nullptr); };
    text->ClipboardText = [this] { return ReadClipboardText(hwnd()); };
    SetTimer(hwnd(), kCaretTimer, kCaretBlinkMs, nullptr);
}

void TSetRegionForm::ShowNotice(std::u16string_view text) {
    if (OnNotice) OnNotice(text);
}

TTextEditToolLayer* TSetRegionForm::TextLayer() const {
    TBaseToolLayer* tool = editor_.CurTool();
    if (!tool || tool->Kind() != ctTextExit) return nullptr;
    return dynamic_cast<TTextEditToolLayer*>(tool);
}

bool TSetRegionForm::IsCaptureWindow(HWND wnd) const {
    if (!wnd || !hwnd()) return false;
    HWND root = GetAncestor(wnd, GA_ROOT);
    return root == hwnd() || GetWindow(root, GW_OWNER) == hwnd();
}

bool TSetRegionForm::ApplicationEvents1Message(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || !IsTextToolKey(static_cast<std::uint16_t>(msg.wParam))) {
        return false;
    }
    // Only the capture's own windows lose these keys: an edit field of
    // another window of the program keeps its arrows, Home, End and Delete.
    if (!IsCaptureWindow(msg.hwnd)) return false;
    if (TTextEditToolLayer* text = TextLayer()) {
        text->KeyDown(static_cast<std::uint16_t>(msg.wParam), TShiftState{});
    }
    return true;
}

void TSetRegionForm::ApplicationEvents1Activate() {
    if (FloatingPanel* p = OutputPanel(); p && p->Showing()) p->ShowPanel();
}

void TSetRegionForm::ApplicationEvents1Deactivate() {
    if (IsWindowVisible(hwnd())) RaiseWithPanels();
}

void TSetRegionForm::KeepPanelsAbove() {
    // A window capture or a whole-screen capture shows its panels in the
    // same turn as the window takes the activation from another program.
    // Under Wine the window system then restacks the window over them a
    // moment later, without a message to any of them; a short watch after
    // the showing puts them back.
    for (FloatingPanel* panel : std::initializer_list<FloatingPanel*>{OutputPanel(), Palette()}) {
        if (!panel || !panel->Showing()) continue;
        for (HWND below = GetWindow(hwnd(), GW_HWNDNEXT); below;
             below = GetWindow(below, GW_HWNDNEXT)) {
            if (below == panel->hwnd()) {
                panel->ShowPanel();
                break;
            }
        }
    }
}

void TSetRegionForm::RaiseWithPanels() {
    SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    // The panels stay above the window they belong to.
    ShowPanelsAbove();
}

void TSetRegionForm::ShowPanelsAbove() {
    for (FloatingPanel* panel : std::initializer_list<FloatingPanel*>{OutputPanel(), Palette()}) {
        if (panel && panel->Showing()) panel->ShowPanel();
    }
}

void TSetRegionForm::UndoRedoStateChanged(bool availUndo, bool availRedo) {
    if (panelTools_) panelTools_->UndoRedoStateChanged(availUndo, availRedo);
}

bool TSetRegionForm::OnTimer(UINT_PTR id) {
    if (id == kPanelGuardTimer) {
        KeepPanelsAbove();
        if (--panelGuardTicks_ <= 0) KillTimer(hwnd(), kPanelGuardTimer);
        return true;
    }
    if (id != kCaretTimer) return false;
    TTextEditToolLayer* text = TextLayer();
    if (text && text->CaretTimerEnabled()) {
        text->CaretTick();
    } else {
        KillTimer(hwnd(), kCaretTimer);
    }
    return true;
}

bool TSetRegionForm::OnClose() {
    editor_.Close();
    return true;
}

LRESULT TSetRegionForm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_SETFOCUS:
            SetFocus(imgView1.hwnd());
            return 0;
        case WM_ACTIVATE:
            // Activation raises this topmost window; its panels stay above it.
            if (LOWORD(wp) != WA_INACTIVE) ShowPanelsAbove();
            break;
        case WM_ACTIVATEAPP:
            // Every top-level window of the program hears it, shown or not.
            if (wp) {
                ApplicationEvents1Activate();
            } else {
                ApplicationEvents1Deactivate();
            }
            break;
        case WM_ERASEBKGND:
            return 1;
        case kReadSnapWindows:
            try {
                ReadSnapWindowsNow();
            } catch (const std::exception&) {
                // No memory for the list: the capture works without snapping.
            }
            return 0;
    }
    return Window::HandleMessage(msg, wp, lp);
}

}  // namespace lg::win
