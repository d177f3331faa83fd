#include "tools/font_form.h"

#include <string>

#include "art/button_art.h"
#include "art/picker_art.h"
#include "art/picker_icons.h"
#include "controls/image_button_art.h"
#include "platform/font_families.h"
#include "platform/trace.h"
#include "settings/settings.h"

namespace lg::win {
namespace {

constexpr TColor32 kComboBorder = Color32(39, 75, 126);
constexpr TColor32 kComboFill = Color32(56, 75, 102);
constexpr TColor32 kComboText = Color32(227, 234, 236);
constexpr int kComboFontPixels = 13;

std::u16string Decimal(int v) {
    const std::string s = std::to_string(v);
    return std::u16string(s.begin(), s.end());
}

// The item equal to `text`, or -1.
int IndexOf(const std::vector<std::u16string>& items, std::u16string_view text) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == text) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

TFontForm::TFontForm() : ShapedPicker(L"TFontForm", art::kFontPickerSize) {
    std::vector<std::u16string> sizes;
    for (int size = kFontPickerMinSize; size <= kFontPickerMaxSize; ++size) {
        sizes.push_back(Decimal(size));
    }
    VEYComboBox2.SetItems(std::move(sizes));
    VEYComboBox2.SetItemIndex(2);
    btBold.OnClick = [this](TGraphicControl&) { btBoldClick(); };
    btItalic.OnClick = [this](TGraphicControl&) { btItalicClick(); };
    btUnderline.OnClick = [this](TGraphicControl&) { btUnderlineClick(); };
    btStrike.OnClick = [this](TGraphicControl&) { btStrikeClick(); };
    VEYComboBox1.OnClick = [this](TGraphicControl&) { VEYComboBox1Click(); };
    VEYComboBox2.OnClick = [this](TGraphicControl&) { VEYComboBox2Click(); };
    btBold.Hint = u"Полужирный";
    btItalic.Hint = u"Курсив";
    btUnderline.Hint = u"Подчёркнутый";
    btStrike.Hint = u"Зачёркнутый";
}

TGraphicControl& TFontForm::Control(FontPickerControl id) {
    switch (id) {
        case FontPickerControl::btBold:
            return btBold;
        case FontPickerControl::btItalic:
            return btItalic;
        case FontPickerControl::btUnderline:
            return btUnderline;
        case FontPickerControl::btStrike:
            return btStrike;
        case FontPickerControl::VEYComboBox1:
            return VEYComboBox1;
        case FontPickerControl::VEYComboBox2:
            break;
    }
    return VEYComboBox2;
}

void TFontForm::SetUpComboBox(TVEYComboBox& box) {
    box.SetBorderWidth(0);
    box.SetBorderColor(kComboBorder);
    box.SetFillColor(kComboFill);
    // Rounded, with a pen of the fill colour: no outline shows.
    box.SetShape({.Rounded = true, .Radius = 4, .PenColor = kComboFill, .PenWidth = 0});
    TFontDesc font;
    font.Family = u"Noto Sans";
    font.PixelHeight = kComboFontPixels;
    font.Color = kComboText;
    box.SetFont(font);
    box.Cursor = crIBeam;
}

bool TFontForm::CreateForm(HWND owner) {
    SetUpComboBox(VEYComboBox1);
    SetUpComboBox(VEYComboBox2);
    for (const auto& item : kFontPickerItems) Controls().Add(Control(item.id));
    if (!CreatePicker(owner)) return false;
    list1_.Attach(hwnd());
    list2_.Attach(hwnd());
    return true;
}

TBitmap32 TFontForm::DrawBackground(DisplayScale scale) const {
    return art::DrawFontPickerBackground(scale);
}

TColor32 TFontForm::CutOutColor(const TBitmap32& upright) const {
    return upright.Empty() ? 0 : upright.PixelS(0, 0);
}

void TFontForm::DrawControls() {
    const DisplayScale& scale = Scale();
    const art::Glyph glyphs[] = {art::Glyph::Bold, art::Glyph::Italic, art::Glyph::Underline,
                                 art::Glyph::Strike};
    TImageButton* buttons[] = {&btBold, &btItalic, &btUnderline, &btStrike};
    for (int i = 0; i < 4; ++i) {
        SetButtonArt(*buttons[i], art::DrawGlyphButton(glyphs[i], 38, 38, scale));
    }
    const art::ComboButtonPictures pictures = art::DrawComboButton(31, kComboFill, scale);
    for (TVEYComboBox* box : {&VEYComboBox1, &VEYComboBox2}) {
        box->SetScale(scale);
        box->SetNormalImage(pictures.normal);
        box->SetDownImage(pictures.down);
        box->SetMoveImage(pictures.move);
        box->LoadImg();
    }
}

void TFontForm::PlaceControls(bool flip) {
    for (const auto& item : kFontPickerItems) {
        const TRect r = Scale().Rect(item.Bounds(flip));
        Control(item.id).SetBounds(r.Left, r.Top, r.Width(), r.Height());
    }
}

void TFontForm::FormShow() {
    // Listed at the first showing rather than at the program's start.
    if (VEYComboBox1.Items().empty()) VEYComboBox1.SetItems(InstalledFontFamilies());
    const TTextFont& font = TextFont();
    btBold.SetDown(font.style.Contains(fsBold));
    btItalic.SetDown(font.style.Contains(fsItalic));
    btUnderline.SetDown(font.style.Contains(fsUnderline));
    btStrike.SetDown(font.style.Contains(fsStrikeOut));
    // A family or size not among the items leaves the selection as it is.
    if (const int i = IndexOf(VEYComboBox1.Items(), font.name); i >= 0) {
        VEYComboBox1.SetItemIndex(i);
    }
    if (const int i = IndexOf(VEYComboBox2.Items(), Decimal(font.size)); i >= 0) {
        VEYComboBox2.SetItemIndex(i);
    }
}

void TFontForm::VEYComboBox1Click() {
    const int i = VEYComboBox1.ItemIndex();
    if (i >= 0) {
        TextFont().name = VEYComboBox1.Items()[static_cast<std::size_t>(i)];
        const std::u16string& name = TextFont().name;
        Trace((L"font family " + std::wstring(name.begin(), name.end())).c_str());
    }
    Changed();
}

void TFontForm::VEYComboBox2Click() {
    const int i = VEYComboBox2.ItemIndex();
    if (i >= 0) {
        int size = 0;
        for (char16_t c : VEYComboBox2.Items()[static_cast<std::size_t>(i)]) {
            size = size * 10 + (c - u'0');
        }
        TextFont().size = size;
    }
    Changed();
}

void TFontForm::ToggleStyle(TImageButton& button, TFontStyle style) {
    button.SetDown(!button.Down());
    if (button.Down()) {
        TextFont().style.Include(style);
    } else {
        TextFont().style.Exclude(style);
    }
    Changed();
}

void TFontForm::Changed() {
    if (OnChange) OnChange();
}

LRESULT TFontForm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SHOWWINDOW && !wp) {
        list1_.Close();
        list2_.Close();
    }
    return ShapedPicker::HandleMessage(msg, wp, lp);
}

}  // namespace lg::win
