// The audio library as the shell loads it: a full path (the executable's
// folder, never the current one), its entry points bound by name. The
// library's notifications are handed to the GUI thread, so the player is
// only ever touched there.
#pragma once

#include <windows.h>

#include "platform/window.h"
#include "sound/bass_functions.h"

namespace lg::win {

class WinBassLibrary : public BassLibrary, private Window {
public:
    WinBassLibrary() = default;
    ~WinBassLibrary() override;

    bool FileExists(std::u16string_view path) const override;
    bool Load(std::u16string_view path, BassFunctions& bound) override;
    void Unload() override;

private:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    static void CALLBACK Notification(DWORD sync, DWORD channel, DWORD data, void* user);

    HMODULE module_ = nullptr;
};

}  // namespace lg::win
