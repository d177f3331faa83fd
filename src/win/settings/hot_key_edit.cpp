#include "settings/hot_key_edit.h"

#include <algorithm>
#include <vector>

#include "platform/u16.h"
#include "settings/system_key_name.h"

namespace lg::win {
namespace {

constexpr wchar_t kClassName[] = L"LumigrabHotKey";

// The look, in 96-DPI units where it is a size.
constexpr COLORREF kBackground = RGB(9, 26, 50);
constexpr COLORREF kTextColour = RGB(170, 177, 178);
constexpr wchar_t kFontFamily[] = L"Roboto";
// 11 points at 96 DPI: MulDiv(11, 96, 72).
constexpr int kFontPixels = 15;
// Room before the first letter, as a borderless edit field leaves.
constexpr int kTextIndent = 2;

// The editors alive on this (the GUI) thread, for the message loop's
// filter and the focus question.
std::vector<THotKey*>& Editors() {
    static std::vector<THotKey*> editors;
    return editors;
}

THotKey* EditorOf(HWND wnd) {
    if (!wnd) return nullptr;
    for (THotKey* e : Editors()) {
        if (e->hwnd() == wnd) return e;
    }
    return nullptr;
}

bool IsKeyMessage(UINT msg) {
    return msg == WM_KEYDOWN || msg == WM_KEYUP || msg == WM_SYSKEYDOWN || msg == WM_SYSKEYUP;
}

bool Held(int vk) {
    return GetKeyState(vk) < 0;
}

// Alt: the key data's context bit (29), which the system sets on its key
// messages while Alt is down; or the keyboard state, since with Ctrl also
// held the keys arrive as plain key messages.
bool AltHeld(LPARAM keyData) {
    return (keyData & (LPARAM{1} << 29)) != 0 || Held(VK_MENU);
}

}  // namespace

THotKey::THotKey() : model_(&SystemKeyName) {
    model_.OnChange = [this] { Changed(); };
    Editors().push_back(this);
}

THotKey::~THotKey() {
    auto& editors = Editors();
    editors.erase(std::remove(editors.begin(), editors.end(), this), editors.end());
}

bool THotKey::Create(HWND parent, int x, int y, int w, int h, DisplayScale scale) {
    if (!RegisterClassOnce(kClassName, CS_DBLCLKS)) return false;
    scale_ = scale;
    bounds96_ = Rect(x, y, x + w, y + h);
    MakeFont();
    const TRect r = scale_.Rect(bounds96_);
    return Window::Create({.className = kClassName,
                           .style = WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                           .x = r.Left,
                           .y = r.Top,
                           .width = r.Width(),
                           .height = r.Height(),
                           .parent = parent});
}

void THotKey::SetScale(DisplayScale scale) {
    scale_ = scale;
    MakeFont();
    if (!hwnd()) return;
    const TRect r = scale_.Rect(bounds96_);
    SetWindowPos(hwnd(), nullptr, r.Left, r.Top, r.Width(), r.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void THotKey::SetHotKey(TShortCut sc) {
    model_.SetHotKey(sc);
}

bool THotKey::KeyDown(WPARAM vk, bool shift, bool ctrl, bool alt) {
    if (vk > 0xFF) return false;
    return model_.KeyDown(static_cast<std::uint8_t>(vk), shift, ctrl, alt);
}

bool THotKey::PreTranslate(const MSG& msg) {
    if (!IsKeyMessage(msg.message) || msg.wParam != VK_SNAPSHOT) return false;
    THotKey* editor = EditorOf(msg.hwnd);
    if (!editor) return false;
    return editor->KeyMessage(msg.message, msg.wParam, msg.lParam);
}

bool THotKey::AnyHasFocus() {
    return EditorOf(GetFocus()) != nullptr;
}

void THotKey::MakeFont() {
    font_.reset(CreateFontW(-scale_.Px(kFontPixels), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                            DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                            ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE, kFontFamily));
}

void THotKey::Changed() {
    if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
    if (OnChange) OnChange();
}

bool THotKey::KeyMessage(UINT msg, WPARAM wp, LPARAM lp) {
    // PrintScreen reaches a window only as a release: every message of it
    // is the key going down.
    if (wp == VK_SNAPSHOT) {
        KeyDown(wp, Held(VK_SHIFT), Held(VK_CONTROL), AltHeld(lp));
        return true;
    }
    if (msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN) {
        return KeyDown(wp, Held(VK_SHIFT), Held(VK_CONTROL), AltHeld(lp));
    }
    model_.KeyUp();
    return true;
}

void THotKey::Paint(HDC dc) {
    RECT client{};
    GetClientRect(hwnd(), &client);
    if (client.right <= 0 || client.bottom <= 0) return;
    // Drawn off screen and copied once, so a change never flickers.
    UniqueMemoryDc memory(CreateCompatibleDC(dc));
    UniqueGdiObject bitmap(CreateCompatibleBitmap(dc, client.right, client.bottom));
    if (!memory || !bitmap) return;
    {
        ScopedSelect selectBitmap(memory.get(), bitmap.get());
        UniqueGdiObject brush(CreateSolidBrush(kBackground));
        FillRect(memory.get(), &client, static_cast<HBRUSH>(brush.get()));
        const std::wstring_view text = AsWide(model_.Text());
        if (!text.empty()) {
            ScopedSelect selectFont(memory.get(), font_.get());
            SetBkMode(memory.get(), TRANSPARENT);
            SetTextColor(memory.get(), kTextColour);
            RECT area = client;
            area.left += scale_.Px(kTextIndent);
            DrawTextW(memory.get(), text.data(), static_cast<int>(text.size()), &area,
                      DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        }
        BitBlt(dc, 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
    }
}

LRESULT THotKey::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_SYSKEYUP:
            KeyMessage(msg, wp, lp);
            return 0;
        case WM_SYSKEYDOWN:
            KeyMessage(msg, wp, lp);
            // Alt+F4 still closes the window the editor is on.
            if (wp == VK_F4) break;
            return 0;
        // Read-only: typed characters go nowhere, and no menu mnemonic beeps.
        case WM_CHAR:
        case WM_SYSCHAR:
        case WM_DEADCHAR:
        case WM_SYSDEADCHAR:
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
        case WM_LBUTTONDOWN:
            SetFocus(hwnd());
            return 0;
        case WM_LBUTTONDBLCLK:
            SetFocus(hwnd());
            SetHotKey(0);
            if (OnDblClick) OnDblClick();
            return 0;
        // The text follows the hotkey; it is read, never set, from outside.
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(model_.Text().size());
        case WM_GETTEXT: {
            if (wp == 0 || lp == 0) return 0;
            const std::wstring_view text = AsWide(model_.Text());
            const size_t n = std::min(text.size(), static_cast<size_t>(wp) - 1);
            auto* out = reinterpret_cast<wchar_t*>(lp);
            std::copy_n(text.data(), n, out);
            out[n] = L'\0';
            return static_cast<LRESULT>(n);
        }
        case WM_SETTEXT:
            return FALSE;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(font_.get());
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd(), &ps);
            if (dc) Paint(dc);
            EndPaint(hwnd(), &ps);
            return 0;
        }
        case WM_PRINTCLIENT:
            Paint(reinterpret_cast<HDC>(wp));
            return 0;
        default:
            break;
    }
    return Window::HandleMessage(msg, wp, lp);
}

}  // namespace lg::win
