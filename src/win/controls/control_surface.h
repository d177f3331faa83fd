// The window side of the windowless controls: a parent window hands its
// messages to a ControlSurface, which paints the surface colour, whatever
// the window draws behind the controls and the controls themselves through
// one back buffer, turns mouse messages into ControlHost events (keeping
// the system capture while a control is pressed and asking for leave
// notifications), shows the controls' cursors and their hints as tooltips.
#pragma once

#include <windows.h>

#include <functional>
#include <list>
#include <string>

#include "controls/control_host.h"
#include "raster/bitmap32.h"

namespace lg::win {

class ControlSurface {
public:
    explicit ControlSurface(TColor32 background);
    ~ControlSurface();
    ControlSurface(const ControlSurface&) = delete;
    ControlSurface& operator=(const ControlSurface&) = delete;

    // Binds to the window (after it is created) and makes the tooltip.
    void Attach(HWND wnd);
    // Adds a control on top; its hint becomes a tooltip.
    void Add(TGraphicControl& control);
    ControlHost& Host() { return host_; }

    // Draws behind the controls, into the back buffer in client
    // coordinates, with the clip rectangle set to what is repainted.
    std::function<void(TBitmap32& surface)> OnPaintBackground;

    // Re-reads the controls' hints and places (after a hint or a bounds
    // change).
    void UpdateHints();

    // Handles what concerns the controls; true when the message is
    // consumed, with its result in `result`.
    bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

    // The window's pixels as last painted (for tests and screenshots).
    const TBitmap32& Buffer() const { return buffer_; }

private:
    void Paint();
    void TrackLeave();

    HWND wnd_ = nullptr;
    HWND tooltip_ = nullptr;
    TColor32 background_;
    ControlHost host_;
    TBitmap32 buffer_;
    std::vector<TGraphicControl*> hinted_;
    std::list<std::wstring> hintTexts_;  // stable storage the tooltip points at
    bool tracking_ = false;
};

}  // namespace lg::win
