#include "settings/setting_form.h"

#include <windowsx.h>

#include "art/art_colors.h"
#include "art/button_art.h"
#include "art/picker_icons.h"
#include "art/settings_art.h"
#include "controls/image_button_art.h"
#include "platform/display_dpi.h"
#include "platform/u16.h"
#include "raster/shapes.h"
#include "settings/hot_key_refusal.h"
#include "settings/setting_form_rules.h"
#include "settings/settings.h"
#include "settings/startup_settings.h"
#include "settings/system_key_name.h"

namespace lg::win {
namespace {

constexpr wchar_t kClassName[] = L"TSettingForm";

constexpr TColor32 kSurface = art::kPanelSurface;
constexpr TColor32 kFrameFill = art::kFrameFill;
constexpr TColor32 kFrameBorder = art::kHoverFill;
constexpr TColor32 kFieldBorder = art::kOutline;
constexpr TColor32 kWhite = Color32(255, 255, 255);
constexpr TColor32 kPathText = Color32(170, 177, 178);
constexpr TColor32 kComboText = Color32(170, 177, 178);

// The capture of each hotkey editor, in the editors' order.
constexpr CaptureKind kEditorKind[3] = {thkAll, thkArea, thkWin};

TFontDesc Roboto(int pixelHeight, std::uint8_t style = 0, TColor32 color = kWhite) {
    TFontDesc f;
    f.Family = u"Roboto";
    f.PixelHeight = pixelHeight;
    f.Style = style;
    f.Color = color;
    return f;
}

void PlaceControl(TGraphicControl& c, const TRect& r96, const DisplayScale& scale) {
    const TRect r = scale.Rect(r96);
    c.SetBounds(r.Left, r.Top, r.Width(), r.Height());
}

}  // namespace

TSettingForm::TSettingForm(SettingFormServices services)
    : services_(std::move(services)), controls_(kSurface) {
    if (!services_.warn) {
        services_.warn = [](HWND owner, const std::wstring& text) {
            MessageBoxW(owner, text.c_str(), L"ЛюмиГРАБ", MB_OK | MB_ICONWARNING);
        };
    }
}

TSettingForm::~TSettingForm() {
    OnClosed = nullptr;
    // While every member still lives: the child windows' destruction sends
    // this window messages that reach the controls.
    if (hwnd()) DestroyWindow(hwnd());
}

THotKey& TSettingForm::HotKeyEditor(int index) {
    THotKey* editors[] = {&hkAllScreen, &hkAreaScreen, &hkWinScreen};
    return *editors[index];
}

bool TSettingForm::CreateForm(POINT at) {
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    HMONITOR monitor = MonitorFromPoint(at, MONITOR_DEFAULTTOPRIMARY);
    GetMonitorInfoW(monitor, &mi);
    scale_ = ScaleOfMonitor(monitor);
    const int w = scale_.Px(kSettingFormSize.cx), h = scale_.Px(kSettingFormSize.cy);
    const RECT& work = mi.rcWork;
    const int x = work.left + (work.right - work.left - w) / 2;
    const int y = work.top + (work.bottom - work.top - h) / 2;

    const TColor32 c = kSurface;
    surfaceBrush_.reset(CreateSolidBrush(RGB(RedOf(c), GreenOf(c), BlueOf(c))));
    if (!RegisterClassOnce(kClassName, 0, static_cast<HBRUSH>(surfaceBrush_.get()))) return false;
    // Its own taskbar button: the program's other windows have none.
    if (!Create({.className = kClassName,
                 .title = L"Настройки программы",
                 .style = WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX,
                 .exStyle = WS_EX_APPWINDOW,
                 .x = x,
                 .y = y,
                 .width = w,
                 .height = h})) {
        return false;
    }
    controls_.Attach(hwnd());
    controls_.OnPaintBackground = [this](TBitmap32& surface) { PaintBackground(surface); };

    // The windowless controls, in painting order.
    lbTitle.SetCaption(u"Настройки программы");
    ImageButton1.Hint = u"Закрыть";
    ImageButton1.OnClick = [this](TGraphicControl&) { ImageButton1Click(); };
    TImageButton2* pages[] = {&btMain, &btHot, &btSave};
    const std::u16string_view pageText[3][2] = {
        {u"ОСНОВНЫЕ", u""}, {u"ГОРЯЧИЕ", u"КЛАВИШИ"}, {u"ПАРАМЕТРЫ", u"СОХРАНЕНИЯ"}};
    for (int i = 0; i < 3; ++i) {
        pages[i]->SetText(pageText[i][0]);
        if (!pageText[i][1].empty()) pages[i]->SetText2(pageText[i][1]);
        pages[i]->OnClick = [this, i, pages](TGraphicControl&) { btMainClick(*pages[i]); };
        controls_.Add(*pages[i]);
    }
    controls_.Add(lbTitle);
    controls_.Add(ImageButton1);
    for (std::size_t i = 0; i < headings.size(); ++i) {
        headings[i].SetCaption(kPageHeadings[i]);
        controls_.Add(headings[i]);
    }
    controls_.Add(separatorMain);
    controls_.Add(separatorSave);
    for (std::size_t i = 0; i < kSettingOptions.size(); ++i) {
        const SettingOptionItem& item = kSettingOptions[i];
        optionLabels[i].SetCaption(item.label);
        optionLabels[i].Cursor = crHandPoint;
        // The label acts exactly like its button.
        optionLabels[i].OnClick = [this, id = item.id](TGraphicControl&) { OptionClick(id); };
        options[i].OnClick = [this, id = item.id](TGraphicControl&) { OptionClick(id); };
        controls_.Add(options[i]);
        controls_.Add(optionLabels[i]);
    }
    for (std::size_t i = 0; i < hotKeyLabels.size(); ++i) {
        hotKeyLabels[i].SetCaption(kSettingHotKeys[i].label);
        controls_.Add(hotKeyLabels[i]);
    }
    edPath2.Cursor = crHandPoint;
    edPath2.OnClick = [this](TGraphicControl&) { ImageButton16Click(); };
    controls_.Add(edPath2);
    ImageButton16.SetText(u"Выбрать");
    ImageButton16.OnClick = [this](TGraphicControl&) { ImageButton16Click(); };
    controls_.Add(ImageButton16);
    lbFormat.SetCaption(u"Формат сохранения:");
    controls_.Add(lbFormat);
    cbFormat.SetItems({u"PNG", u"JPG"});
    cbFormat.SetItemIndex(0);
    cbFormat.SetBorderWidth(1);
    cbFormat.SetBorderColor(kFieldBorder);
    cbFormat.SetFillColor(kSurface);
    controls_.Add(cbFormat);
    ImageButton2.Hint = u"Сбросить настройки";
    ImageButton2.OnClick = [this](TGraphicControl&) { ImageButton2Click(); };
    lbReset.SetCaption(u"Сбросить настройки");
    lbReset.Cursor = crHandPoint;
    lbReset.OnClick = [this](TGraphicControl&) { ImageButton2Click(); };
    ImageButton4.SetText(u"ОТМЕНИТЬ");
    ImageButton4.OnClick = [this](TGraphicControl&) { ImageButton4Click(); };
    ImageButton5.SetText(u"СОХРАНИТЬ");
    ImageButton5.OnClick = [this](TGraphicControl&) { ImageButton5Click(); };
    for (TGraphicControl* c : std::initializer_list<TGraphicControl*>{
             &ImageButton2, &lbReset, &ImageButton4, &ImageButton5}) {
        controls_.Add(*c);
    }

    // The child windows: the three hotkey editors and the folder's field.
    for (int i = 0; i < 3; ++i) {
        const TRect r = HotKeyEditorRect(kSettingHotKeys[static_cast<std::size_t>(i)]);
        THotKey& editor = HotKeyEditor(i);
        if (!editor.Create(hwnd(), r.Left, r.Top, r.Width(), r.Height(), scale_)) return false;
        editor.OnChange = [this, i] { HotKeyChanged(i); };
    }
    if (!cbFormatList_.Attach(hwnd())) return false;

    printScreenForSnipping_ =
        services_.printScreenForSnipping && services_.printScreenForSnipping();
    lbRefusal.SetWordWrap(true);
    controls_.Add(lbRefusal);
    Layout();
    LoadSettings();
    if (services_.autostartRegistered) {
        Option(SettingOption::btRunWinStart).SetDown(services_.autostartRegistered());
    }
    ShowPage(SettingPage::Main);
    controls_.UpdateHints();
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    return true;
}

void TSettingForm::Layout() {
    const DisplayScale& s = scale_;
    PlaceControl(lbTitle, kSettingTitle, s);
    lbTitle.Font = Roboto(s.Px(15));
    PlaceControl(ImageButton1, kSettingClose, s);
    SetButtonArt(ImageButton1, art::DrawGlyphButton(art::Glyph::CloseSmall, kSettingClose.Width(),
                                                    kSettingClose.Height(), s));

    TImageButton2* pages[] = {&btMain, &btHot, &btSave};
    for (int i = 0; i < 3; ++i) {
        PlaceControl(*pages[i], PageButtonRect(i), s);
        SetButtonArt(*pages[i], art::DrawPageButton(kPageButtonWidth, kPageButtonHeight, s));
        const TFontDesc font = Roboto(s.Px(12), fsBold);
        pages[i]->Font = font;
        pages[i]->SetFontText2(font);
        const bool twoLines = !pages[i]->Text2().empty();
        pages[i]->SetOffsetTextY(twoLines ? -s.Px(8) : 0);
        pages[i]->SetOffsetText2Y(s.Px(8));
    }
    for (std::size_t i = 0; i < headings.size(); ++i) {
        PlaceControl(headings[i], kPageHeading, s);
        headings[i].Font = Roboto(s.Px(19));
    }
    PlaceControl(separatorMain, kMainSeparator, s);
    separatorMain.SetPicture(
        art::DrawSeparator(kMainSeparator.Width(), kMainSeparator.Height(), s));
    PlaceControl(separatorSave, kSaveSeparator, s);
    separatorSave.SetPicture(
        art::DrawSeparator(kSaveSeparator.Width(), kSaveSeparator.Height(), s));

    const art::ButtonArt check = art::DrawCheckBox(s);
    const art::ButtonArt radio = art::DrawRadio(s);
    for (std::size_t i = 0; i < kSettingOptions.size(); ++i) {
        const SettingOptionItem& item = kSettingOptions[i];
        PlaceControl(options[i], OptionButtonRect(item), s);
        SetButtonArt(options[i], item.radio ? radio : check);
        PlaceControl(optionLabels[i], OptionLabelRect(item), s);
        optionLabels[i].Font = Roboto(s.Px(15));
    }
    for (std::size_t i = 0; i < hotKeyLabels.size(); ++i) {
        PlaceControl(hotKeyLabels[i], HotKeyLabelRect(kSettingHotKeys[i]), s);
        hotKeyLabels[i].Font = Roboto(s.Px(15));
    }
    for (int i = 0; i < 3; ++i) HotKeyEditor(i).SetScale(s);
    PlaceControl(lbRefusal, kRefusalNote, s);
    lbRefusal.Font = Roboto(s.Px(13), 0, art::kWarning);

    PlaceControl(ImageButton16, kChooseFolder, s);
    SetButtonArt(ImageButton16,
                 art::DrawTextButton(art::TextButtonKind::Secondary, kChooseFolder.Width(),
                                     kChooseFolder.Height(), s));
    ImageButton16.Font = Roboto(s.Px(15));
    PlaceControl(lbFormat, kFormatLabel, s);
    lbFormat.Font = Roboto(s.Px(15));
    cbFormat.SetScale(s);
    PlaceControl(cbFormat, kFormatBox, s);
    cbFormat.SetFont(Roboto(16, 0, kComboText));
    {
        const int button96 = kFormatBox.Height() - 2;
        const art::ComboButtonPictures pictures = art::DrawComboButton(button96, kSurface, s);
        cbFormat.SetNormalImage(pictures.normal);
        cbFormat.SetDownImage(pictures.down);
        cbFormat.SetMoveImage(pictures.move);
    }

    PlaceControl(ImageButton2, kResetButton, s);
    SetButtonArt(ImageButton2, art::DrawGlyphButton(art::Glyph::Reset, kResetButton.Width(),
                                                    kResetButton.Height(), s));
    PlaceControl(lbReset, kResetLabel, s);
    lbReset.Font = Roboto(s.Px(15));
    PlaceControl(ImageButton4, kCancelButton, s);
    SetButtonArt(ImageButton4, art::DrawTextButton(art::TextButtonKind::Secondary,
                                                   kBottomButtonSize.cx, kBottomButtonSize.cy, s));
    ImageButton4.Font = Roboto(s.Px(15));
    PlaceControl(ImageButton5, kSaveButton, s);
    SetButtonArt(ImageButton5, art::DrawTextButton(art::TextButtonKind::Primary,
                                                   kBottomButtonSize.cx, kBottomButtonSize.cy, s));
    ImageButton5.Font = Roboto(s.Px(15));

    PlaceControl(edPath2, kPathEdit, s);
    edPath2.Font = Roboto(s.Px(15), 0, kPathText);
    controls_.UpdateHints();
}

void TSettingForm::PaintBackground(TBitmap32& surface) {
    const DisplayScale& s = scale_;
    const int line = s.Px(1);
    const TRect frame = s.Rect(kSettingFrame);
    surface.FillRectTS(frame, kFrameFill);
    FillFrame(surface, frame, line, kFrameBorder);
    // The fields' boxes of the page shown.
    auto box = [&](const TRect& r96) {
        const TRect r = s.Rect(r96);
        surface.FillRectTS(r, kSurface);
        FillFrame(surface, r, line, kFieldBorder);
    };
    if (page_ == SettingPage::Hot) {
        for (std::size_t i = 0; i < kSettingHotKeys.size(); ++i) {
            box(HotKeyBoxRect(kSettingHotKeys[i]));
            if (refusedShown_[i] != 0) {
                FillFrame(surface, s.Rect(HotKeyBoxRect(kSettingHotKeys[i])), line, art::kWarning);
            }
        }
    } else if (page_ == SettingPage::Save) {
        box(kPathBox);
    }
}

void TSettingForm::ShowPage(SettingPage page) {
    page_ = page;
    btMain.SetDown(page == SettingPage::Main);
    btHot.SetDown(page == SettingPage::Hot);
    btSave.SetDown(page == SettingPage::Save);
    for (std::size_t i = 0; i < headings.size(); ++i) {
        headings[i].SetVisible(static_cast<std::size_t>(page) == i);
    }
    separatorMain.SetVisible(page == SettingPage::Main);
    separatorSave.SetVisible(page == SettingPage::Save);
    for (std::size_t i = 0; i < kSettingOptions.size(); ++i) {
        const bool shown = kSettingOptions[i].page == page;
        options[i].SetVisible(shown);
        optionLabels[i].SetVisible(shown);
    }
    const bool hot = page == SettingPage::Hot, save = page == SettingPage::Save;
    for (int i = 0; i < 3; ++i) {
        ShowWindow(HotKeyEditor(i).hwnd(), hot ? SW_SHOW : SW_HIDE);
        hotKeyLabels[static_cast<std::size_t>(i)].SetVisible(hot);
    }
    lbRefusal.SetVisible(hot && !lbRefusal.Caption().empty());
    edPath2.SetVisible(save);
    ImageButton16.SetVisible(save);
    lbFormat.SetVisible(save);
    cbFormat.SetVisible(save);
    if (save) cbFormat.LoadImg();
    if (!save) cbFormatList_.Close();
    controls_.UpdateHints();
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void TSettingForm::btMainClick(TImageButton2& sender) {
    ShowPage(&sender == &btHot    ? SettingPage::Hot
             : &sender == &btSave ? SettingPage::Save
                                  : SettingPage::Main);
}

void TSettingForm::OptionClick(SettingOption id) {
    if (id == SettingOption::btServer || id == SettingOption::btClip) {
        const SaveTargetButtons now{Ticked(SettingOption::btServer), Ticked(SettingOption::btClip),
                                    Ticked(SettingOption::btOpenURL)};
        const SaveTargetButtons next =
            ClickSaveTarget(now, id == SettingOption::btServer ? SaveTargetRadio::btServer
                                                               : SaveTargetRadio::btClip);
        Option(SettingOption::btServer).SetDown(next.btServer);
        Option(SettingOption::btClip).SetDown(next.btClip);
        Option(SettingOption::btOpenURL).SetDown(next.btOpenURL);
        return;
    }
    TImageButton& b = Option(id);
    b.SetDown(!b.Down());
}

void TSettingForm::HotKeyChanged(int index) {
    if (changing_) {
        UpdateRefusalNote();
        return;
    }
    const HotKeyEditorValues values{hkAllScreen.HotKey(), hkAreaScreen.HotKey(),
                                    hkWinScreen.HotKey()};
    const auto ids = std::array{HotKeyEditorId::hkAllScreen, HotKeyEditorId::hkAreaScreen,
                                HotKeyEditorId::hkWinScreen};
    if (HotKeyClash(ids[static_cast<std::size_t>(index)], values)) {
        // The editor that just took a combination another one holds gives
        // way; the other keeps it.
        changing_ = true;
        HotKeyEditor(index).SetHotKey(0);
        changing_ = false;
    }
    UpdateRefusalNote();
}

void TSettingForm::UpdateRefusalNote() {
    std::array<TShortCut, 3> shown{};
    for (int i = 0; i < 3; ++i) {
        const THotKey& editor = HotKeyEditor(i);
        const TShortCut refused =
            services_.refusedHotKey ? services_.refusedHotKey(kEditorKind[i]) : 0;
        // A key the editor itself just refused is told first; once the user
        // chose another combination, the system's old refusal is moot.
        if (editor.Rejected() != 0) {
            shown[static_cast<std::size_t>(i)] = editor.Rejected();
        } else if (refused != 0 && editor.HotKey() == refused) {
            shown[static_cast<std::size_t>(i)] = refused;
        }
    }
    if (shown == refusedShown_ && hwnd()) return;
    refusedShown_ = shown;
    lbRefusal.SetCaption(HotKeyRefusalNote(shown, printScreenForSnipping_, &SystemKeyName));
    lbRefusal.SetVisible(page_ == SettingPage::Hot && !lbRefusal.Caption().empty());
    if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

std::wstring TSettingForm::PathText() const {
    return ToWide(edPath2.Caption());
}

void TSettingForm::SetPathText(const std::u16string& text) {
    edPath2.SetCaption(text);
}

void TSettingForm::LoadSettings() {
    const TLGSettings& s = LGSettings();
    Option(SettingOption::btShowRedact).SetDown(s.ShowRedact);
    Option(SettingOption::btOpenURL).SetDown(s.OpenURL);
    SetPathText(s.path);
    Option(SettingOption::btShowCursor).SetDown(s.showcursor);
    Option(SettingOption::btPlaySound).SetDown(s.playsound);
    changing_ = true;  // stored values are taken as they are
    hkAllScreen.SetHotKey(s.hkAll);
    hkAreaScreen.SetHotKey(s.hkArea);
    hkWinScreen.SetHotKey(s.hkWindow);
    changing_ = false;
    Option(SettingOption::btTwoMouse).SetDown(s.TwoMouse);
    Option(SettingOption::btServer).SetDown(s.Server);
    Option(SettingOption::btClip).SetDown(!s.Server);
    Option(SettingOption::btSaveToo).SetDown(s.SaveLocal);
    cbFormat.SetItemIndex(s.format);
}

SettingsApplied TSettingForm::SaveSettings() {
    TLGSettings s = LGSettings();
    s.RunWinStart = Ticked(SettingOption::btRunWinStart);
    s.path = std::u16string(AsU16(PathText()));
    s.showcursor = Ticked(SettingOption::btShowCursor);
    s.playsound = Ticked(SettingOption::btPlaySound);
    s.hkAll = hkAllScreen.HotKey();
    s.hkArea = hkAreaScreen.HotKey();
    s.hkWindow = hkWinScreen.HotKey();
    s.TwoMouse = Ticked(SettingOption::btTwoMouse);
    s.Server = Ticked(SettingOption::btServer);
    s.SaveLocal = Ticked(SettingOption::btSaveToo);
    s.format = cbFormat.ItemIndex() < 0 ? 0 : cbFormat.ItemIndex();
    s.OpenURL = Ticked(SettingOption::btOpenURL);
    s.ShowRedact = Ticked(SettingOption::btShowRedact);
    SettingsApplied applied{.settings = s, .hotKeys = {}, .refused = {}, .stored = true};
    if (services_.apply) applied = services_.apply(LGSettings(), s);
    LGSettings() = applied.settings;
    // The editors show what is stored: a refused combination as empty.
    changing_ = true;
    for (int i = 0; i < 3; ++i) {
        HotKeyEditor(i).SetHotKey(HotKeySetting(applied.settings, kEditorKind[i]));
    }
    changing_ = false;
    if (!applied.stored) {
        services_.warn(hwnd(),
                       L"Не удалось записать настройки. Они действуют до выхода из программы.");
    }
    return applied;
}

void TSettingForm::DefaultSettings() {
    const SettingFormDefaults d = lg::DefaultSettings(std::nullopt);
    Option(SettingOption::btRunWinStart).SetDown(d.btRunWinStart);
    Option(SettingOption::btShowCursor).SetDown(d.btShowCursor);
    Option(SettingOption::btPlaySound).SetDown(d.btPlaySound);
    Option(SettingOption::btShowRedact).SetDown(d.btShowRedact);
    changing_ = true;
    hkAllScreen.SetHotKey(d.hkAllScreen);
    hkAreaScreen.SetHotKey(d.hkAreaScreen);
    hkWinScreen.SetHotKey(d.hkWinScreen);
    changing_ = false;
    Option(SettingOption::btTwoMouse).SetDown(d.btTwoMouse);
    SetPathText(win::DefaultSavePath());
    Option(SettingOption::btServer).SetDown(d.btServer);
    Option(SettingOption::btClip).SetDown(d.btClip);
    Option(SettingOption::btSaveToo).SetDown(d.btSaveToo);
    cbFormat.SetItemIndex(d.cbFormat);
    Option(SettingOption::btOpenURL).SetDown(d.btOpenURL);
}

void TSettingForm::ImageButton5Click() {
    // Registering, clearing what was refused and storing are the save
    // step's; the window only says what it could not register.
    const SettingsApplied applied = SaveSettings();
    End(1);
    if (!applied.refused.empty() && services_.notify) {
        services_.notify(HotKeysRefusedOnSave(applied.refused, &SystemKeyName));
    }
}

void TSettingForm::ImageButton4Click() {
    End(2);
}

void TSettingForm::ImageButton1Click() {
    End(2);
}

void TSettingForm::ImageButton2Click() {
    DefaultSettings();
}

void TSettingForm::ImageButton16Click() {
    if (!services_.chooseFolder) return;
    const std::wstring chosen = services_.chooseFolder(hwnd(), PathText());
    if (chosen.empty()) return;
    if (services_.folderWritable && !services_.folderWritable(chosen)) {
        // Said rather than ignored: the user would wonder why nothing changed.
        services_.warn(
            hwnd(), L"В папку «" + chosen + L"» нельзя записывать файлы. Выберите другую папку.");
        return;
    }
    std::wstring path = chosen;
    if (path.back() != L'\\') path += L'\\';
    SetPathText(std::u16string(AsU16(path)));
    // Choosing a folder turns the local copy on.
    Option(SettingOption::btSaveToo).SetDown(true);
}

void TSettingForm::End(int result) {
    modalResult_ = result;
    cbFormatList_.Close();
    ShowWindow(hwnd(), SW_HIDE);
    if (OnClosed) OnClosed(result);
}

bool TSettingForm::OnClose() {
    ImageButton1Click();
    return true;
}

LRESULT TSettingForm::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_NCHITTEST: {
            // Every point that is not a control drags the window.
            LRESULT hit = Window::HandleMessage(msg, wp, lp);
            if (hit != HTCLIENT) return hit;
            POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            ScreenToClient(hwnd(), &p);
            return controls_.Host().ControlAt(p.x, p.y, true) ? HTCLIENT : HTCAPTION;
        }
        case WM_KEYDOWN:
            if (wp == VK_ESCAPE) {
                ImageButton4Click();
                return 0;
            }
            break;
        case WM_DPICHANGED: {
            scale_ = ScaleFromDpiChanged(wp);
            const auto* r = reinterpret_cast<const RECT*>(lp);
            SetWindowPos(hwnd(), nullptr, r->left, r->top, scale_.Px(kSettingFormSize.cx),
                         scale_.Px(kSettingFormSize.cy), SWP_NOZORDER | SWP_NOACTIVATE);
            Layout();
            InvalidateRect(hwnd(), nullptr, FALSE);
            return 0;
        }
    }
    LRESULT result = 0;
    if (controls_.HandleMessage(msg, wp, lp, result)) return result;
    return Window::HandleMessage(msg, wp, lp);
}

}  // namespace lg::win
