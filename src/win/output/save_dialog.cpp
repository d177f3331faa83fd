#include "output/save_dialog.h"

#include <commdlg.h>
#include <dlgs.h>

#include <algorithm>
#include <exception>
#include <vector>

#include "output/save_dialog_rules.h"
#include "platform/trace.h"
#include "platform/u16.h"

namespace lg::win {
namespace {

// Room for a name at the file system's full length, far beyond MAX_PATH.
constexpr DWORD kNameCapacity = 32768;

// The name field: a combo box (cmb13) in the system's Explorer-style
// dialog, a plain edit (edt1) in some implementations of it.
int FileNameControl(HWND dialog) {
    return GetDlgItem(dialog, cmb13) ? cmb13 : edt1;
}

// The capture window covers every screen and stays on top: the dialog
// must be above it to be seen at all.
void BringAboveCapture(HWND dialog) {
    SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(dialog);
}

// The hook runs in the child dialog the system makes for it; the dialog
// the user sees is its parent.
UINT_PTR CALLBACK SaveDialogHook(HWND hookDialog, UINT msg, WPARAM, LPARAM lp) {
    try {
        const HWND dialog = GetParent(hookDialog);
        if (msg == WM_INITDIALOG) {
            BringAboveCapture(dialog);
        } else if (msg == WM_NOTIFY) {
            switch (reinterpret_cast<const OFNOTIFYW*>(lp)->hdr.code) {
                case CDN_INITDONE:
                    BringAboveCapture(dialog);
                    break;
                case CDN_SELCHANGE:
                case CDN_TYPECHANGE:
                    SaveDialog1SelectionChange(dialog);
                    break;
            }
        }
    } catch (const std::exception&) {
        // Out of memory for a name: the dialog goes on as it is.
    }
    return 0;  // the dialog's own handling follows
}

}  // namespace

void SaveDialog1SelectionChange(HWND dialog) {
    std::vector<wchar_t> buffer(kNameCapacity, L'\0');
    const LRESULT length = SendMessageW(dialog, CDM_GETSPEC, static_cast<WPARAM>(buffer.size()),
                                        reinterpret_cast<LPARAM>(buffer.data()));
    if (length <= 1) return;  // the count includes the terminator
    const std::u16string name(AsU16(std::wstring_view(buffer.data())));
    const std::u16string stripped = NameWithoutExtension(name);
    if (stripped == name) return;
    const std::wstring text = ToWide(stripped);
    SendMessageW(dialog, CDM_SETCONTROLTEXT, static_cast<WPARAM>(FileNameControl(dialog)),
                 reinterpret_cast<LPARAM>(text.c_str()));
}

std::optional<SaveDialogChoice> RunSaveDialog(HWND owner, const SaveDialogRequest& request) {
    std::vector<wchar_t> name(kNameCapacity, L'\0');
    const std::wstring_view proposed = AsWide(request.fileName);
    proposed.copy(name.data(), std::min<std::size_t>(proposed.size(), name.size() - 1));
    const std::wstring folder = ToWide(request.initialFolder);

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = reinterpret_cast<const wchar_t*>(kSaveDialogFilter);
    ofn.nFilterIndex = static_cast<DWORD>(request.filterIndex);
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    // No read-only box on a save; the process's current folder stays where
    // it is, so the chosen folder is not held open until the program ends.
    ofn.Flags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLESIZING | OFN_PATHMUSTEXIST |
                OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    ofn.lpfnHook = &SaveDialogHook;

    if (!GetSaveFileNameW(&ofn)) {
        if (const DWORD error = CommDlgExtendedError(); error != 0) {
            Trace((L"save dialog failed: " + std::to_wstring(error)).c_str());
        }
        return std::nullopt;
    }
    return SaveDialogChoice{std::u16string(AsU16(std::wstring_view(name.data()))),
                            static_cast<int>(ofn.nFilterIndex)};
}

}  // namespace lg::win
