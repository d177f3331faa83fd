// The folder picker of the settings window: a borderless topmost window on
// the panel surface holding the shell's folder tree and two buttons, shown
// modally over its owner. It exists for one choice: made, shown once, its
// path read, destroyed.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "controls/image_button.h"
#include "controls/surface_window.h"
#include "platform/handles.h"
#include "settings/shell_folder_tree.h"

namespace lg::win {

class TSelectDirForm : public SurfaceWindow {
    // The COM apartment the shell's objects live in, for the window's life
    // (made first, ended last).
    ScopedComInit com_;

public:
    // The client size in 96-DPI pixels.
    static constexpr int kClientWidth = 402;
    static constexpr int kClientHeight = 634;
    // The results of ShowModal.
    static constexpr int kSaved = 1;
    static constexpr int kCancelled = 2;

    TSelectDirForm();
    ~TSelectDirForm() override;

    // Shows the picker centred on `owner`, which takes no input meanwhile,
    // with `initialFolder` selected when the shell knows it (the desktop
    // otherwise), and returns when the user has chosen: kSaved after
    // "Сохранить" with an existing folder selected, kCancelled after
    // "Отменить", the close button, Esc or a request to quit.
    int ShowModal(HWND owner, std::wstring_view initialFolder);

    // The selected folder's file-system path; empty when the selected
    // item has none.
    std::wstring Path() const { return sShellTreeView1.Path(); }

    ShellFolderTree sShellTreeView1;
    TImageButton ImageButton1;  // "Отменить"
    TImageButton ImageButton2;  // "Сохранить"
    TImageButton ImageButton3;  // close

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    bool OnClose() override;
    void LayoutControls() override;

private:
    bool CreateForm(HWND owner);
    void SaveClick();
    void EndModal(int result) { modalResult_ = result; }

    int modalResult_ = 0;
};

}  // namespace lg::win
