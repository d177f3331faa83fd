// The upload's progress window: a small panel in the bottom-right corner of
// the primary screen with a caption and a bar, shown while a picture goes
// to the image server. One window is made at start-up; closing it only
// hides it, and the upload goes on.
#pragma once

#include <windows.h>

#include "controls/image_button.h"
#include "controls/image_control.h"
#include "controls/label.h"
#include "output/corner_popup.h"

namespace lg::win {

class TLoadForm : public CornerPopup {
public:
    // The client size in 96-DPI pixels.
    static constexpr int kClientWidth = 399;
    static constexpr int kClientHeight = 86;

    TLoadForm();
    ~TLoadForm() override;

    // Creates the hidden window, placed, owned by `owner` (the program's
    // hidden main window); it becomes the window LoadForm() answers.
    bool CreateForm(HWND owner = nullptr);

    // Shows the window where the work area's corner is now, on top,
    // without taking the focus (FormShow places it each time).
    void Show();
    // Hides the window.
    void Close();

    int Position() const { return position_; }
    // Stores the percentage; 100 or more closes the window; the bar is
    // drawn again.
    void SetPosition(int position);

    TImageButton ImageButton1;
    TLabel lbCaption;
    TImage Image321;

protected:
    void LayoutControls() override;

private:
    void DrawProgress();

    int position_ = 0;
};

// The progress window made last, or null before there is one.
TLoadForm* LoadForm();

}  // namespace lg::win
