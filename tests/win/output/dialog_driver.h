// Driving the system's file dialogs from a test, as a user would: a
// timer on the dialog's own thread runs one step per tick while the
// dialog is up.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>

#include <functional>
#include <string>
#include <vector>

namespace lg::win::test {

inline BOOL CALLBACK CollectDialog(HWND w, LPARAM lp) {
    wchar_t cls[32] = {};
    GetClassNameW(w, cls, 32);
    if (std::wstring(cls) == L"#32770" && IsWindowVisible(w)) {
        reinterpret_cast<std::vector<HWND>*>(lp)->push_back(w);
    }
    return TRUE;
}

// The dialogs and message boxes this thread shows.
inline std::vector<HWND> ThreadDialogs() {
    std::vector<HWND> found;
    EnumThreadWindows(GetCurrentThreadId(), &CollectDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

// The name in the dialog's file name field.
inline std::wstring TypedName(HWND dialog) {
    wchar_t buffer[1024] = {};
    SendMessageW(dialog, CDM_GETSPEC, 1024, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

inline std::wstring FolderPath(HWND dialog) {
    wchar_t buffer[1024] = {};
    SendMessageW(dialog, CDM_GETFOLDERPATH, 1024, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

// What a user types into the name field.
inline void TypeName(HWND dialog, const wchar_t* name) {
    const int id = GetDlgItem(dialog, cmb13) ? cmb13 : edt1;
    SendMessageW(dialog, CDM_SETCONTROLTEXT, id, reinterpret_cast<LPARAM>(name));
}

// Picks a type in the type list (0 png, 1 jpg, 2 bmp) as a click in its
// dropped list does: the selection changes, then the choice is final.
inline void PickType(HWND dialog, int index) {
    const HWND types = GetDlgItem(dialog, cmb1);
    SendMessageW(types, CB_SETCURSEL, index, 0);
    for (WORD code : {CBN_SELCHANGE, CBN_SELENDOK}) {
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(cmb1, code), reinterpret_cast<LPARAM>(types));
    }
}

inline int PickedType(HWND dialog) {
    return static_cast<int>(SendMessageW(GetDlgItem(dialog, cmb1), CB_GETCURSEL, 0, 0));
}

inline BOOL CALLBACK FindListView(HWND w, LPARAM lp) {
    wchar_t cls[32] = {};
    GetClassNameW(w, cls, 32);
    if (std::wstring(cls) != WC_LISTVIEWW) return TRUE;
    *reinterpret_cast<HWND*>(lp) = w;
    return FALSE;
}

// Clicks the first file in the dialog's file list.
inline bool ClickFirstFile(HWND dialog) {
    HWND list = nullptr;
    EnumChildWindows(dialog, &FindListView, reinterpret_cast<LPARAM>(&list));
    if (!list || ListView_GetItemCount(list) < 1) return false;
    ListView_SetItemState(list, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    return true;
}

// Runs the steps one per timer tick while the dialog is up; when they are
// done and the dialog is still there, it is cancelled and the run marked
// as stuck, so a failing test never hangs.
class DialogDriver {
public:
    using Step = std::function<void(HWND dialog)>;

    explicit DialogDriver(std::vector<Step> steps) : steps_(std::move(steps)) {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, 150, &DialogDriver::Tick);
    }
    ~DialogDriver() {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    bool stuck() const { return stuck_; }
    std::size_t stepsRun() const { return next_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        DialogDriver* self = current_;
        if (!self) return;
        const std::vector<HWND> dialogs = ThreadDialogs();
        if (dialogs.empty()) return;
        if (self->next_ < self->steps_.size()) {
            self->steps_[self->next_++](dialogs.front());
            return;
        }
        if (++self->idleTicks_ < 20) return;
        self->stuck_ = true;
        for (HWND d : dialogs) PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
    }

    static inline DialogDriver* current_ = nullptr;
    std::vector<Step> steps_;
    std::size_t next_ = 0;
    int idleTicks_ = 0;
    bool stuck_ = false;
    UINT_PTR timer_ = 0;
};

}  // namespace lg::win::test
