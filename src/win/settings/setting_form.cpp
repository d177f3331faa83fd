#include "settings/setting_form.h"

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
constexpr CaptureKind kEditorKind[] = {thkAll, thkArea, thkWin, thkLastArea};
static_assert(std::size(kEditorKind) == kSettingHotKeys.size());

TFontDesc Roboto(int pixelHeight, std::uint8_t style = 0, TColor32 color = kWhite) {
    TFontDesc f;
    f.Family = u"Roboto";
    f.PixelHeight = pixelHeight;
    f.Style = style;
    f.Color = color;
    return f;
}

}  // namespace

TSettingForm::TSettingForm(SettingFormServices services)
    : SurfaceWindow(kSettingFormSize, kSurface, Anchor::TopLeft), services_(std::move(services)) {
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
    THotKey* editors[] = {&hkAllScreen, &hkAreaScreen, &hkWinScreen, &hkLastArea};
    return *editors[index];
}

bool TSettingForm::CreateForm(POINT at) {
    const HMONITOR monitor = MonitorFromPoint(at, MONITOR_DEFAULTTOPRIMARY);
    StartAt(ScaleOfMonitor(monitor));

    const TColor32 c = kSurface;
    surfaceBrush_.reset(CreateSolidBrush(RGB(RedOf(c), GreenOf(c), BlueOf(c))));
    if (!RegisterClassOnce(kClassName, 0, static_cast<HBRUSH>(surfaceBrush_.get()))) return false;
    // Its own taskbar button: the program's other windows have none. Esc
    // cancels, as the close button does.
    if (!Create(OwnButtonWindow(kClassName, L"Настройки программы", WS_CLIPCHILDREN, ClientWidth(),
                                ClientHeight(), monitor))) {
        return false;
    }
    ControlSurface& controls = Controls();
    controls.Attach(hwnd());
    controls.OnPaintBackground = [this](TBitmap32& surface) { PaintBackground(surface); };

    // The windowless controls, in painting order.
    lbTitle.SetCaption(u"Настройки программы");
    ImageButton1.Hint = u"Закрыть";
    ImageButton1.OnClick = [this](TGraphicControl&) { ImageButton1Click(); };
    for (std::size_t i = 0; i < kSettingPages.size(); ++i) {
        const SettingPageItem& page = kSettingPages[i];
        TImageButton2& button = pageButtons[i];
        button.SetText(page.button);
        if (!page.button2.empty()) button.SetText2(page.button2);
        button.OnClick = [this, &button](TGraphicControl&) { btMainClick(button); };
        controls.Add(button);
    }
    controls.Add(lbTitle);
    controls.Add(ImageButton1);
    for (std::size_t i = 0; i < kSettingPages.size(); ++i) {
        headings[i].SetCaption(kSettingPages[i].heading);
        controls.Add(headings[i]);
    }
    for (TImage& separator : separators) controls.Add(separator);
    for (std::size_t i = 0; i < kSettingOptions.size(); ++i) {
        const SettingOptionItem& item = kSettingOptions[i];
        optionLabels[i].SetCaption(item.label);
        optionLabels[i].Cursor = crHandPoint;
        // The label acts exactly like its button.
        optionLabels[i].OnClick = [this, id = item.id](TGraphicControl&) { OptionClick(id); };
        options[i].OnClick = [this, id = item.id](TGraphicControl&) { OptionClick(id); };
        controls.Add(options[i]);
        controls.Add(optionLabels[i]);
    }
    for (std::size_t i = 0; i < hotKeyLabels.size(); ++i) {
        hotKeyLabels[i].SetCaption(kSettingHotKeys[i].label);
        controls.Add(hotKeyLabels[i]);
        pageControls_.emplace_back(&hotKeyLabels[i], SettingPage::Hot);
    }
    for (TGraphicControl* saveOnly :
         std::initializer_list<TGraphicControl*>{&edPath2, &ImageButton16, &lbFormat, &cbFormat}) {
        pageControls_.emplace_back(saveOnly, SettingPage::Save);
    }
    edPath2.Cursor = crHandPoint;
    edPath2.OnClick = [this](TGraphicControl&) { ImageButton16Click(); };
    controls.Add(edPath2);
    ImageButton16.SetText(u"Выбрать");
    ImageButton16.OnClick = [this](TGraphicControl&) { ImageButton16Click(); };
    controls.Add(ImageButton16);
    lbFormat.SetCaption(u"Формат сохранения:");
    controls.Add(lbFormat);
    cbFormat.SetItems({u"PNG", u"JPG"});
    cbFormat.SetItemIndex(0);
    cbFormat.SetBorderWidth(1);
    cbFormat.SetBorderColor(kFieldBorder);
    cbFormat.SetFillColor(kSurface);
    controls.Add(cbFormat);
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
        controls.Add(*c);
    }

    // The child windows: the hotkey editors and the format box's list.
    for (int i = 0; i < static_cast<int>(kSettingHotKeys.size()); ++i) {
        const TRect r = HotKeyEditorRect(kSettingHotKeys[static_cast<std::size_t>(i)]);
        THotKey& editor = HotKeyEditor(i);
        if (!editor.Create(hwnd(), r.Left, r.Top, r.Width(), r.Height(), Scale())) return false;
        editor.OnChange = [this, i] { HotKeyChanged(i); };
    }
    if (!cbFormatList_.Attach(hwnd())) return false;

    printScreenForSnipping_ =
        services_.printScreenForSnipping && services_.printScreenForSnipping();
    lbRefusal.SetWordWrap(true);
    controls.Add(lbRefusal);
    LayoutControls();
    LoadSettings();
    if (services_.autostartRegistered) {
        Option(SettingOption::btRunWinStart).SetDown(services_.autostartRegistered());
    }
    ShowPage(SettingPage::Main);
    controls.UpdateHints();
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    return true;
}

void TSettingForm::LayoutControls() {
    const DisplayScale& s = Scale();
    PlaceControl(lbTitle, kSettingTitle);
    lbTitle.Font = Roboto(s.Px(15));
    PlaceControl(ImageButton1, kSettingClose);
    SetButtonArt(ImageButton1, art::DrawGlyphButton(art::Glyph::CloseSmall, kSettingClose.Width(),
                                                    kSettingClose.Height(), s));

    const art::ButtonArt pageArt = art::DrawPageButton(kPageButtonWidth, kPageButtonHeight, s);
    for (std::size_t i = 0; i < kSettingPages.size(); ++i) {
        const SettingPageItem& page = kSettingPages[i];
        TImageButton2& button = pageButtons[i];
        PlaceControl(button, PageButtonRect(i));
        SetButtonArt(button, pageArt);
        const TFontDesc font = Roboto(s.Px(12), fsBold);
        button.Font = font;
        button.SetFontText2(font);
        const bool twoLines = !page.button2.empty();
        button.SetOffsetTextY(twoLines ? -s.Px(8) : 0);
        button.SetOffsetText2Y(s.Px(8));
        PlaceControl(headings[i], kPageHeading);
        headings[i].Font = Roboto(s.Px(19));
        if (!page.separator.IsEmpty()) {
            PlaceControl(separators[i], page.separator);
            separators[i].SetPicture(
                art::DrawSeparator(page.separator.Width(), page.separator.Height(), s));
        }
    }

    const art::ButtonArt check = art::DrawCheckBox(s);
    const art::ButtonArt radio = art::DrawRadio(s);
    for (std::size_t i = 0; i < kSettingOptions.size(); ++i) {
        const SettingOptionItem& item = kSettingOptions[i];
        PlaceControl(options[i], OptionButtonRect(item));
        SetButtonArt(options[i], item.radio ? radio : check);
        PlaceControl(optionLabels[i], OptionLabelRect(item));
        optionLabels[i].Font = Roboto(s.Px(15));
    }
    for (std::size_t i = 0; i < hotKeyLabels.size(); ++i) {
        PlaceControl(hotKeyLabels[i], HotKeyLabelRect(kSettingHotKeys[i]));
        hotKeyLabels[i].Font = Roboto(s.Px(15));
    }
    for (int i = 0; i < static_cast<int>(kSettingHotKeys.size()); ++i) HotKeyEditor(i).SetScale(s);
    PlaceControl(lbRefusal, kRefusalNote);
    lbRefusal.Font = Roboto(s.Px(13), 0, art::kWarning);

    PlaceControl(ImageButton16, kChooseFolder);
    SetButtonArt(ImageButton16,
                 art::DrawTextButton(art::TextButtonKind::Secondary, kChooseFolder.Width(),
                                     kChooseFolder.Height(), s));
    ImageButton16.Font = Roboto(s.Px(15));
    PlaceControl(lbFormat, kFormatLabel);
    lbFormat.Font = Roboto(s.Px(15));
    cbFormat.SetScale(s);
    PlaceControl(cbFormat, kFormatBox);
    cbFormat.SetFont(Roboto(16, 0, kComboText));
    {
        const int button96 = kFormatBox.Height() - 2;
        const art::ComboButtonPictures pictures = art::DrawComboButton(button96, kSurface, s);
        cbFormat.SetNormalImage(pictures.normal);
        cbFormat.SetDownImage(pictures.down);
        cbFormat.SetMoveImage(pictures.move);
    }

    PlaceControl(ImageButton2, kResetButton);
    SetButtonArt(ImageButton2, art::DrawGlyphButton(art::Glyph::Reset, kResetButton.Width(),
                                                    kResetButton.Height(), s));
    PlaceControl(lbReset, kResetLabel);
    lbReset.Font = Roboto(s.Px(15));
    PlaceControl(ImageButton4, kCancelButton);
    SetButtonArt(ImageButton4, art::DrawTextButton(art::TextButtonKind::Secondary,
                                                   kBottomButtonSize.cx, kBottomButtonSize.cy, s));
    ImageButton4.Font = Roboto(s.Px(15));
    PlaceControl(ImageButton5, kSaveButton);
    SetButtonArt(ImageButton5, art::DrawTextButton(art::TextButtonKind::Primary,
                                                   kBottomButtonSize.cx, kBottomButtonSize.cy, s));
    ImageButton5.Font = Roboto(s.Px(15));

    PlaceControl(edPath2, kPathEdit);
    edPath2.Font = Roboto(s.Px(15), 0, kPathText);
    Controls().UpdateHints();
}

void TSettingForm::PaintBackground(TBitmap32& surface) {
    const DisplayScale& s = Scale();
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
    for (std::size_t i = 0; i < kSettingPages.size(); ++i) {
        const bool shown = kSettingPages[i].id == page;
        pageButtons[i].SetDown(shown);
        headings[i].SetVisible(shown);
        separators[i].SetVisible(shown && !kSettingPages[i].separator.IsEmpty());
    }
    for (std::size_t i = 0; i < kSettingOptions.size(); ++i) {
        const bool shown = kSettingOptions[i].page == page;
        options[i].SetVisible(shown);
        optionLabels[i].SetVisible(shown);
    }
    for (const auto& [control, on] : pageControls_) control->SetVisible(on == page);
    const bool hot = page == SettingPage::Hot, save = page == SettingPage::Save;
    for (int i = 0; i < static_cast<int>(kSettingHotKeys.size()); ++i) {
        ShowWindow(HotKeyEditor(i).hwnd(), hot ? SW_SHOW : SW_HIDE);
    }
    lbRefusal.SetVisible(hot && !lbRefusal.Caption().empty());
    if (save) cbFormat.LoadImg();
    if (!save) cbFormatList_.Close();
    Controls().UpdateHints();
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void TSettingForm::btMainClick(TImageButton2& sender) {
    for (std::size_t i = 0; i < kSettingPages.size(); ++i) {
        if (&pageButtons[i] == &sender) ShowPage(kSettingPages[i].id);
    }
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
                                    hkWinScreen.HotKey(), hkLastArea.HotKey()};
    const auto ids = std::array{HotKeyEditorId::hkAllScreen, HotKeyEditorId::hkAreaScreen,
                                HotKeyEditorId::hkWinScreen, HotKeyEditorId::hkLastArea};
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
    std::array<TShortCut, kSettingHotKeys.size()> shown{};
    for (int i = 0; i < static_cast<int>(shown.size()); ++i) {
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
    hkLastArea.SetHotKey(s.hkLastArea);
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
    s.hkLastArea = hkLastArea.HotKey();
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
    for (int i = 0; i < static_cast<int>(std::size(kEditorKind)); ++i) {
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
    hkLastArea.SetHotKey(d.hkLastArea);
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

}  // namespace lg::win
