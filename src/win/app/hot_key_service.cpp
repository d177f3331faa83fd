#include "app/hot_key_service.h"

#include "app/capture_hotkeys.h"
#include "platform/trace.h"
#include "platform/u16.h"

namespace lg::win {

HotKeyService::~HotKeyService() {
    if (!FWndHandle) return;
    FWndHandle->OnHotKey = nullptr;
    for (ATOM atom : atoms_) {
        if (atom != 0) UnregisterHotKey(FWndHandle->hwnd(), atom);
    }
}

bool HotKeyService::Register(CaptureKind kind, TShortCut hk) {
    if (!FWndHandle) {
        auto wnd = std::make_unique<HotKeyWindow>();
        if (!wnd->CreateForm()) return false;
        wnd->OnHotKey = [this](int id) { HotKeyPressed(id); };
        FWndHandle = std::move(wnd);
    }
    ATOM& atom = atoms_[IndexOf(kind)];
    if (atom == 0) {
        atom = GlobalAddAtomW(ToWide(CaptureHotKeyOf(kind).atomName).c_str());
        if (atom == 0) return false;
    }
    const SystemHotKey sys = ToSystemHotKey(hk);
    UnregisterHotKey(FWndHandle->hwnd(), atom);
    const bool ok =
        RegisterHotKey(FWndHandle->hwnd(), atom, sys.modifiers, sys.virtualKey) != FALSE;
    refused_[IndexOf(kind)] = ok ? 0 : hk;
    return ok;
}

HotKeyOutcomes HotKeyService::RegisterAll(const TLGSettings& settings) {
    const HotKeyOutcomes outcomes = RegisterCaptureHotKeys(settings, *this);
    Remember(outcomes);
    bool ok[kHotKeyRegistrationOrder.size()] = {};
    for (const HotKeyOutcome& o : outcomes) ok[IndexOf(o.kind)] = o.registered;
    wchar_t text[64];
    wsprintfW(text, L"hotkeys registered: all %d, window %d, area %d", ok[IndexOf(thkAll)],
              ok[IndexOf(thkWin)], ok[IndexOf(thkArea)]);
    Trace(text);
    return outcomes;
}

void HotKeyService::Remember(const HotKeyOutcomes& outcomes) {
    for (const HotKeyOutcome& o : outcomes) {
        refused_[IndexOf(o.kind)] = o.registered ? 0 : o.asked;
    }
}

void HotKeyService::HotKeyPressed(int id) {
    for (const CaptureHotKey& hk : CaptureHotKeys()) {
        const ATOM atom = atoms_[IndexOf(hk.kind)];
        if (atom == 0 || atom != id) continue;
        wchar_t text[32];
        wsprintfW(text, L"hotkey, kind %d", TypeSelectOf(hk.kind));
        Trace(text);
        if (OnCaptureRequested) OnCaptureRequested(hk.kind);
        return;
    }
}

}  // namespace lg::win
