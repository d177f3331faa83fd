// The "save to disk" dialog: the system's file save dialog with the three
// picture types, opening where it is asked to, above the full-screen
// capture window, and keeping the type list in charge of the extension.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace lg::win {

struct SaveDialogRequest {
    std::u16string initialFolder;  // empty leaves the choice to the system
    std::u16string fileName;       // the proposed name, without an extension
    int filterIndex = 1;           // the preselected type: 1 PNG, 2 JPEG, 3 BMP
};

struct SaveDialogChoice {
    std::u16string fileName;  // the full name as the user confirmed it
    int filterIndex = 1;      // the type selected when the dialog closed
};

// Runs the dialog modally, owned by `owner`. Nothing when the user cancels
// or the dialog cannot be shown. No overwrite prompt: a taken name is
// replaced, as the output panel's rules say.
std::optional<SaveDialogChoice> RunSaveDialog(HWND owner, const SaveDialogRequest& request);

// The dialog's selection changed (a file clicked in the list, another type
// picked): a picture extension is taken off the name in its name field, so
// the type list decides the extension. `dialog` is the dialog window.
void SaveDialog1SelectionChange(HWND dialog);

}  // namespace lg::win
