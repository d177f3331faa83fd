// The settings window's places at 96 DPI, in its client coordinates: the
// title, the close button, the frame with its page buttons, the page area
// and what each page holds, and the bottom bar. The window takes them
// through its display scale. The pages are one table (kSettingPages): a
// new page is a row there and its controls' rows.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "raster/geometry.h"

namespace lg {

inline constexpr TSize kSettingFormSize{681, 439};

inline constexpr TRect kSettingTitle{21, 18, 300, 40};
inline constexpr TRect kSettingClose{641, 20, 655, 34};
// The frame Panel1 and, inside it, the page area (pMain's rectangle).
inline constexpr TRect kSettingFrame{21, 50, 657, 375};
inline constexpr TRect kSettingPageArea{21 + 121, 50 + 1, 21 + 121 + 514, 50 + 1 + 323};
// The bottom bar Panel8.
inline constexpr TRect kSettingBottomBar{22, 375, 657, 429};

constexpr TRect OffsetRect(const TRect& r, int dx, int dy) {
    return TRect{r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

// A place on a page, given relative to the page area's top-left corner.
constexpr TRect OnPage(int left, int top, int width, int height) {
    return TRect{kSettingPageArea.Left + left, kSettingPageArea.Top + top,
                 kSettingPageArea.Left + left + width, kSettingPageArea.Top + top + height};
}

// The page buttons down the frame's left edge, 120 wide.
inline constexpr int kPageButtonWidth = 120;
inline constexpr int kPageButtonHeight = 108;
constexpr TRect PageButtonRect(std::size_t index) {
    const int top = kSettingFrame.Top + static_cast<int>(index) * kPageButtonHeight;
    return TRect{kSettingFrame.Left, top, kSettingFrame.Left + kPageButtonWidth,
                 top + kPageButtonHeight};
}

// The pages, in the order of their buttons and of kSettingPages.
enum class SettingPage : std::uint8_t { Main, Hot, Save };

// A page: its button's caption (one or two lines), the heading at the top
// of the page, and the separator line drawn across it (none when empty).
struct SettingPageItem {
    SettingPage id;
    std::u16string_view button;
    std::u16string_view button2;
    std::u16string_view heading;
    TRect separator;
};

inline constexpr std::array kSettingPages{
    SettingPageItem{SettingPage::Main, u"ОСНОВНЫЕ", u"", u"Основные настройки",
                    OnPage(30, 137, 454, 10)},
    SettingPageItem{SettingPage::Hot, u"ГОРЯЧИЕ", u"КЛАВИШИ", u"Горячие клавиши", TRect{}},
    SettingPageItem{SettingPage::Save, u"ПАРАМЕТРЫ", u"СОХРАНЕНИЯ", u"Параметры сохранения",
                    OnPage(32, 167, 454, 10)},
};

// A page's row in kSettingPages.
constexpr std::size_t PageIndex(SettingPage page) {
    return static_cast<std::size_t>(page);
}
constexpr bool PagesInOrder() {
    for (std::size_t i = 0; i < kSettingPages.size(); ++i) {
        if (PageIndex(kSettingPages[i].id) != i) return false;
    }
    return true;
}
static_assert(PagesInOrder(), "a page's row is its number");

// A check box or radio: a 20 × 21 button and its label just to its right.
inline constexpr TSize kOptionButtonSize{20, 21};
inline constexpr int kOptionLabelGap = 8;
inline constexpr int kOptionLabelWidth = 400;

enum class SettingOption : std::uint8_t {
    btRunWinStart,
    btShowRedact,
    btShowCursor,
    btPlaySound,
    btTwoMouse,
    btServer,
    btOpenURL,
    btClip,
    btSaveToo,
};

struct SettingOptionItem {
    SettingOption id;
    SettingPage page;
    int left, top;  // on the page
    bool radio;
    std::u16string_view label;
};

inline constexpr std::array<SettingOptionItem, 9> kSettingOptions{{
    {SettingOption::btRunWinStart, SettingPage::Main, 30, 66, false,
     u"Запускать при старте компьютера"},
    {SettingOption::btShowRedact, SettingPage::Main, 30, 106, false, u"Всегда показывать редактор"},
    {SettingOption::btShowCursor, SettingPage::Main, 30, 161, false,
     u"Показывать курсор на скриншоте"},
    {SettingOption::btPlaySound, SettingPage::Main, 30, 198, false, u"Проигрывать звук скриншота"},
    {SettingOption::btTwoMouse, SettingPage::Hot, 30, 252, false, u"Две кнопки мыши одновременно"},
    {SettingOption::btServer, SettingPage::Save, 32, 64, true,
     u"На сервер, копируя ссылку в буфер обмена"},
    {SettingOption::btOpenURL, SettingPage::Save, 65, 97, false, u"Открывать скриншот в браузере"},
    {SettingOption::btClip, SettingPage::Save, 32, 134, true,
     u"В буфер обмена, без загрузки на сервер"},
    {SettingOption::btSaveToo, SettingPage::Save, 32, 188, false, u"Также сохранять на компьютер"},
}};

constexpr TRect OptionButtonRect(const SettingOptionItem& item) {
    return OnPage(item.left, item.top, kOptionButtonSize.cx, kOptionButtonSize.cy);
}
constexpr TRect OptionLabelRect(const SettingOptionItem& item) {
    const TRect b = OptionButtonRect(item);
    return TRect{b.Right + kOptionLabelGap, b.Top - 1,
                 b.Right + kOptionLabelGap + kOptionLabelWidth, b.Bottom + 1};
}

// Page headings, at (30, 21) of each page, 19-pixel text.
inline constexpr TRect kPageHeading = OnPage(30, 21, 400, 26);

// The hotkey editors, whole screen, area, window and the last area in that
// order: a 193 × 33 box each, the 176 × 19 editor inside it, and a label
// at 251. Four rows 44 apart fit above the mouse-chord check box and the
// refusal note.
struct SettingHotKeyItem {
    int boxTop;
    std::u16string_view label;
};
inline constexpr std::array<SettingHotKeyItem, 4> kSettingHotKeys{{
    {70, u"Скриншот всего экрана"},
    {114, u"Скриншот области"},
    {158, u"Скриншот активного окна"},
    {202, u"Повтор последней области"},
}};
inline constexpr int kHotKeyBoxLeft = 30;
inline constexpr TSize kHotKeyBoxSize{193, 33};
inline constexpr TSize kHotKeyEditorSize{176, 19};
inline constexpr int kHotKeyLabelLeft = 251;

constexpr TRect HotKeyBoxRect(const SettingHotKeyItem& item) {
    return OnPage(kHotKeyBoxLeft, item.boxTop, kHotKeyBoxSize.cx, kHotKeyBoxSize.cy);
}
constexpr TRect HotKeyEditorRect(const SettingHotKeyItem& item) {
    const TRect box = HotKeyBoxRect(item);
    const int dx = (kHotKeyBoxSize.cx - kHotKeyEditorSize.cx) / 2;
    const int dy = (kHotKeyBoxSize.cy - kHotKeyEditorSize.cy) / 2;
    return TRect{box.Left + dx, box.Top + dy, box.Left + dx + kHotKeyEditorSize.cx,
                 box.Top + dy + kHotKeyEditorSize.cy};
}
constexpr TRect HotKeyLabelRect(const SettingHotKeyItem& item) {
    return OnPage(kHotKeyLabelLeft, item.boxTop, 250, kHotKeyBoxSize.cy);
}

// The save page's folder: the bordered box with the read-only path in it,
// the choose button, and the format label and box.
// Under the mouse-chord check box: why a combination was refused.
inline constexpr TRect kRefusalNote = OnPage(30, 280, 460, 42);
inline constexpr TRect kPathBox = OnPage(32, 221, 347, 33);
inline constexpr TRect kPathEdit = OnPage(32 + 8, 221 + 8, 331, 19);
inline constexpr TRect kChooseFolder = OnPage(401, 221, 89, 33);
inline constexpr TRect kFormatLabel = OnPage(32, 275, 160, 22);
inline constexpr TRect kFormatBox = OnPage(198, 268, 185, 33);

// The bottom bar: the reset button and its label on the left, cancel and
// save on the right.
inline constexpr TRect kResetButton{kSettingBottomBar.Left, kSettingBottomBar.Top + 19,
                                    kSettingBottomBar.Left + 16, kSettingBottomBar.Top + 35};
inline constexpr TRect kResetLabel{kSettingBottomBar.Left + 24, kSettingBottomBar.Top + 15,
                                   kSettingBottomBar.Left + 200, kSettingBottomBar.Top + 39};
inline constexpr TSize kBottomButtonSize{142, 38};
inline constexpr TRect kSaveButton{kSettingBottomBar.Right - 142, kSettingBottomBar.Top + 8,
                                   kSettingBottomBar.Right, kSettingBottomBar.Top + 46};
inline constexpr TRect kCancelButton{kSaveButton.Left - 12 - 142, kSaveButton.Top,
                                     kSaveButton.Left - 12, kSaveButton.Bottom};

// Everything lies inside the window, and each page's controls inside the
// page area.
constexpr bool Inside(const TRect& inner, const TRect& outer) {
    return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
           inner.Bottom <= outer.Bottom;
}
constexpr bool SettingLayoutFits() {
    const TRect window{0, 0, kSettingFormSize.cx, kSettingFormSize.cy};
    for (const auto& o : kSettingOptions) {
        if (!Inside(OptionButtonRect(o), kSettingPageArea)) return false;
    }
    for (const auto& p : kSettingPages) {
        if (!p.separator.IsEmpty() && !Inside(p.separator, kSettingPageArea)) return false;
    }
    for (const auto& h : kSettingHotKeys) {
        if (!Inside(HotKeyBoxRect(h), kSettingPageArea)) return false;
        if (!Inside(HotKeyEditorRect(h), HotKeyBoxRect(h))) return false;
    }
    // The hotkeys page top to bottom: the editors, the mouse chord, the note.
    for (const auto& o : kSettingOptions) {
        if (o.id != SettingOption::btTwoMouse) continue;
        if (HotKeyBoxRect(kSettingHotKeys.back()).Bottom > OptionButtonRect(o).Top) return false;
        if (OptionButtonRect(o).Bottom > kRefusalNote.Top) return false;
    }
    if (!Inside(kRefusalNote, kSettingPageArea)) return false;
    return Inside(kFormatBox, kSettingPageArea) && Inside(kChooseFolder, kSettingPageArea) &&
           Inside(PageButtonRect(kSettingPages.size() - 1), kSettingFrame) &&
           Inside(kSettingFrame, window) && Inside(kSaveButton, kSettingBottomBar) &&
           Inside(kCancelButton, kSettingBottomBar) && Inside(kSettingBottomBar, window) &&
           Inside(kSettingClose, window);
}
static_assert(SettingLayoutFits());

}  // namespace lg
