// The capture hotkeys' registration with the system, kept for the life of
// the program: the hidden window the system posts them to (FWndHandle),
// their atoms, the combinations the system refused, and which capture a
// hotkey message asks for. The settings step registers through it
// (HotKeyRegistrar); the capture window only hears OnCaptureRequested.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>

#include "app/hotkey_window.h"
#include "settings/apply_settings.h"
#include "settings/shortcut.h"

namespace lg::win {

class HotKeyService final : public HotKeyRegistrar {
public:
    HotKeyService() = default;
    // Releases the hotkeys; the atoms stay for the life of the process.
    ~HotKeyService() override;
    HotKeyService(const HotKeyService&) = delete;
    HotKeyService& operator=(const HotKeyService&) = delete;

    // Replaces the system registration of `kind` by `hk`; true when the
    // system accepted it. The old combination is released first, so a
    // refused one (held by another program or another of the three) leaves
    // the kind without a hotkey until the next successful call.
    bool Register(CaptureKind kind, TShortCut hk) override;

    // Start-up: the three hotkeys of `settings` in their order. A refused
    // one, or a bare key an older version stored, leaves its kind without a
    // hotkey; nothing is shown, the trace tells.
    HotKeyOutcomes RegisterAll(const TLGSettings& settings);
    // What a registration through the settings step left (a bare key was
    // never offered, yet counts as refused).
    void Remember(const HotKeyOutcomes& outcomes);

    // The combination the last registration of `kind` asked for and did
    // not get; 0 when it was accepted or empty. The settings window tells
    // the user why.
    TShortCut RefusedHotKey(CaptureKind kind) const { return refused_[IndexOf(kind)]; }

    // A hotkey was pressed: the capture of that kind is asked for.
    std::function<void(CaptureKind kind)> OnCaptureRequested;

private:
    void HotKeyPressed(int id);

    // Made at the first registration and kept; it receives the hotkeys.
    std::unique_ptr<HotKeyWindow> FWndHandle;
    // By kind: global atoms added at their first registration and
    // deliberately never deleted, so each hotkey keeps one identifier for
    // the life of the process.
    std::array<ATOM, kHotKeyRegistrationOrder.size()> atoms_{};
    std::array<TShortCut, kHotKeyRegistrationOrder.size()> refused_{};
};

}  // namespace lg::win
