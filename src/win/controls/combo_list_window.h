// The drop-down list of an owner-drawn combo box as a real window: a
// topmost popup below the face (above it when the monitor's work area ends
// first), twice the face's width, painted by the combo box itself. It
// never takes the activation or the keyboard: while it is open it holds
// the mouse capture, so a click anywhere is seen — on an item it picks,
// on its scroll bar it scrolls, on the face or anywhere else it closes —
// and the program's message loop hands it the wheel, the list keys and the
// characters typed (PreTranslate).
#pragma once

#include <windows.h>

#include "controls/vey_combo_box.h"
#include "platform/window.h"
#include "raster/bitmap32.h"

namespace lg::win {

class ComboListWindow : public Window {
public:
    explicit ComboListWindow(TVEYComboBox& box);
    ~ComboListWindow() override;

    // Binds to the window the face is on, once that window exists; the
    // list window is owned by its top-level window.
    bool Attach(HWND faceWindow);
    bool IsOpen() const { return hwnd() && IsWindowVisible(hwnd()); }
    // Closes an open list without a pick.
    void Close();

    // The wheel scrolls the list, Up, Down, Page Up, Page Down, Home and
    // End move the highlight, Enter picks it and Esc closes the list. A
    // character highlights the next item that starts with it.
    void Wheel(int delta);
    bool Key(WPARAM vk);
    void Char(WPARAM unit);

    // For the program's message loop: while a list is open, its wheel and
    // keys go to it, whichever window has the focus, and every character
    // typed (none reaches the window behind). True when used.
    static bool PreTranslate(const MSG& msg);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Open();
    void Hidden();
    void Paint();
    void Repaint();
    // A held arrow or track of the scroll bar steps again on a timer.
    void StartRepeat();
    void StopRepeat();
    void Repeat();
    // Where a point of the list's client area lies for the combo box.
    ComboClickPlace PlaceOf(POINT client) const;

    TVEYComboBox& box_;
    HWND face_ = nullptr;
    TBitmap32 buffer_;
    int wheelRest_ = 0;  // wheel movement short of a whole notch
    // A press in progress while the list is open, and where it began.
    bool pressing_ = false;
    bool pressedLeft_ = false;
    ComboClickPlace pressed_ = ComboClickPlace::Outside;
    bool barPressed_ = false;   // the press is the scroll bar's
    char16_t pendingHigh_ = 0;  // the first half of a character beyond 16 bits
};

}  // namespace lg::win
