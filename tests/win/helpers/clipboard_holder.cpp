// Another program holding the clipboard open, as a clipboard manager or a
// remote-desktop client does, for the tests of a busy clipboard.
//
//   clipboard_holder EVENT HOLD_MS
//
// Opens the clipboard, sets the named event once it has it, keeps it open
// for HOLD_MS milliseconds and closes it. Exits with 0 when it held the
// clipboard, 1 when it could not, 2 on bad arguments.
#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) return 2;
    const HANDLE held = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[1]);
    if (!held) return 2;
    const DWORD holdMs = static_cast<DWORD>(std::wcstoul(argv[2], nullptr, 10));
    if (!OpenClipboard(nullptr)) {
        CloseHandle(held);
        return 1;
    }
    SetEvent(held);
    CloseHandle(held);
    Sleep(holdMs);
    CloseClipboard();
    return 0;
}
