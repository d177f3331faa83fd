#include "settings/hot_key_refusal.h"

#include <vector>

namespace lg {
namespace {

constexpr TShortCut kPrintScreen = 0x2C;

}  // namespace

bool PrintScreenKeyForSnipping(const RegistryStore& hkcu) {
    return hkcu.ReadDword(u"Control Panel\\Keyboard", u"PrintScreenKeyForSnippingEnabled") ==
           std::optional<std::uint32_t>(1);
}

HotKeyRefusal RefusalReason(TShortCut hk, bool printScreenForSnipping) {
    return printScreenForSnipping && hk == kPrintScreen ? HotKeyRefusal::SnippingTool
                                                        : HotKeyRefusal::OtherProgram;
}

std::u16string HotKeyRefusalNote(std::span<const TShortCut> refused, bool printScreenForSnipping,
                                 const KeyNameLookup& systemName) {
    bool snipping = false;
    std::vector<std::u16string> others;
    for (TShortCut hk : refused) {
        if (hk == 0) continue;
        if (RefusalReason(hk, printScreenForSnipping) == HotKeyRefusal::SnippingTool) {
            snipping = true;
        } else {
            others.push_back(HotKeyToText(hk, systemName));
        }
    }
    std::u16string note;
    if (snipping) {
        note +=
            u"Клавишу Prt Scr забирает Windows: по ней открывается создание фрагмента "
            u"экрана. Отключите это в Параметрах Windows (Специальные возможности → "
            u"Клавиатура) или выберите другое сочетание.";
    }
    if (!others.empty()) {
        if (!note.empty()) note += u"\n";
        const bool one = others.size() == 1;
        note += one ? u"Сочетание " : u"Сочетания ";
        for (std::size_t i = 0; i < others.size(); ++i) {
            if (i) note += u", ";
            note += others[i];
        }
        note += one ? u" занято другой программой. Освободите его в ней или выберите другое."
                    : u" заняты другой программой. Освободите их в ней или выберите другие.";
    }
    return note;
}

}  // namespace lg
