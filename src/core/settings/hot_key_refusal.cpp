#include "settings/hot_key_refusal.h"

#include <vector>

#include "settings/bare_hot_key.h"

namespace lg {
namespace {

constexpr TShortCut kPrintScreen = 0x2C;

// "A", "A, B": the combinations as the editors show them.
std::u16string JoinTexts(const std::vector<std::u16string>& texts) {
    std::u16string out;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i) out += u", ";
        out += texts[i];
    }
    return out;
}

void AddSentence(std::u16string& note, std::u16string_view sentence) {
    if (!note.empty()) note += u"\n";
    note += sentence;
}

// The capture a kind starts, as the hotkeys page labels it.
std::u16string_view CaptureName(CaptureKind kind) {
    switch (kind) {
        case CaptureKind::Screen:
            return u"Скриншот всего экрана";
        case CaptureKind::Window:
            return u"Скриншот активного окна";
        case CaptureKind::Area:
            return u"Скриншот области";
        case CaptureKind::LastArea:
            return u"Повтор последней области";
    }
    return u"";
}

// "занято другой программой" and the like, after the combination's text.
std::u16string_view ShortReason(HotKeyRefusal reason) {
    switch (reason) {
        case HotKeyRefusal::OtherProgram:
            return u"занято другой программой";
        case HotKeyRefusal::SnippingTool:
            return u"его забирает Windows";
        case HotKeyRefusal::BareKey:
            return u"нужен Ctrl, Alt или Shift";
    }
    return u"";
}

}  // namespace

bool PrintScreenKeyForSnipping(const RegistryStore& hkcu) {
    return hkcu.ReadDword(u"Control Panel\\Keyboard", u"PrintScreenKeyForSnippingEnabled") ==
           std::optional<std::uint32_t>(1);
}

HotKeyRefusal RefusalReason(TShortCut hk, bool printScreenForSnipping) {
    if (IsBareHotKey(hk)) return HotKeyRefusal::BareKey;
    return printScreenForSnipping && hk == kPrintScreen ? HotKeyRefusal::SnippingTool
                                                        : HotKeyRefusal::OtherProgram;
}

std::u16string HotKeyRefusalNote(std::span<const TShortCut> refused, bool printScreenForSnipping,
                                 const KeyNameLookup& systemName) {
    bool snipping = false;
    std::vector<std::u16string> bare;
    std::vector<std::u16string> others;
    for (TShortCut hk : refused) {
        if (hk == 0) continue;
        switch (RefusalReason(hk, printScreenForSnipping)) {
            case HotKeyRefusal::SnippingTool:
                snipping = true;
                break;
            case HotKeyRefusal::BareKey:
                bare.push_back(HotKeyToText(hk, systemName));
                break;
            case HotKeyRefusal::OtherProgram:
                others.push_back(HotKeyToText(hk, systemName));
                break;
        }
    }
    std::u16string note;
    if (snipping) {
        AddSentence(note,
                    u"Клавишу Prt Scr забирает Windows: по ней открывается создание фрагмента "
                    u"экрана. Отключите это в Параметрах Windows (Специальные возможности → "
                    u"Клавиатура) или выберите другое сочетание.");
    }
    if (!bare.empty()) {
        const bool one = bare.size() == 1;
        AddSentence(note, (one ? u"Клавишу " : u"Клавиши ") + JoinTexts(bare) +
                              (one ? u" нельзя назначить без Ctrl, Alt или Shift: она перестала "
                                     u"бы работать во всех программах."
                                   : u" нельзя назначить без Ctrl, Alt или Shift: они перестали "
                                     u"бы работать во всех программах."));
    }
    if (!others.empty()) {
        const bool one = others.size() == 1;
        AddSentence(note, (one ? u"Сочетание " : u"Сочетания ") + JoinTexts(others) +
                              (one ? u" занято другой программой. Освободите его в ней или "
                                     u"выберите другое."
                                   : u" заняты другой программой. Освободите их в ней или "
                                     u"выберите другие."));
    }
    return note;
}

std::u16string HotKeysRefusedOnSave(std::span<const RefusedHotKey> refused,
                                    const KeyNameLookup& systemName) {
    if (refused.empty()) return {};
    if (refused.size() == 1) {
        const RefusedHotKey& r = refused.front();
        const std::u16string text = HotKeyToText(r.hk, systemName);
        std::u16string why;
        switch (r.reason) {
            case HotKeyRefusal::OtherProgram:
                why = u"Сочетание " + text + u" занято другой программой.";
                break;
            case HotKeyRefusal::SnippingTool:
                why = u"Клавишу " + text + u" забирает Windows.";
                break;
            case HotKeyRefusal::BareKey:
                why = u"Клавишу " + text + u" нельзя назначить без Ctrl, Alt или Shift.";
                break;
        }
        return why + u"\r\n" + std::u16string(CaptureName(r.kind)) +
               u" остался без горячей клавиши.";
    }
    // Several: one line each would not fit the notification.
    std::u16string out = u"Не назначены: ";
    for (std::size_t i = 0; i < refused.size(); ++i) {
        if (i) out += u"; ";
        out += HotKeyToText(refused[i].hk, systemName);
        out += u" — ";
        out += ShortReason(refused[i].reason);
    }
    out += u".\r\nЭти скриншоты остались без горячих клавиш.";
    return out;
}

}  // namespace lg
