// Another process holding the clipboard, for the tests of a busy one.
#pragma once

#include <windows.h>

#include <string>

#include "platform/handles.h"

namespace lg::win::test {

// Another process holding the clipboard open for `holdMs` from the moment
// it has it, as a clipboard manager or a remote-desktop client does.
class HeldClipboard {
public:
    explicit HeldClipboard(DWORD holdMs) {
        static int made = 0;
        const std::wstring name = L"Local\\lumigrab-clipboard-held-" +
                                  std::to_wstring(GetCurrentProcessId()) + L"-" +
                                  std::to_wstring(++made);
        held_.reset(CreateEventW(nullptr, TRUE, FALSE, name.c_str()));
        if (!held_) return;
        std::wstring command =
            L"\"" + HelperPath() + L"\" " + name + L" " + std::to_wstring(holdMs);
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION started{};
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &started))
            return;
        process_.reset(started.hProcess);
        CloseHandle(started.hThread);
        // Starting a program takes a moment under Wine; a holder that could
        // not open the clipboard ends instead.
        const HANDLE either[] = {held_.get(), process_.get()};
        holding_ = WaitForMultipleObjects(2, either, FALSE, 30000) == WAIT_OBJECT_0;
    }
    ~HeldClipboard() {
        if (process_ && !Released(10000)) TerminateProcess(process_.get(), 1);
    }
    HeldClipboard(const HeldClipboard&) = delete;
    HeldClipboard& operator=(const HeldClipboard&) = delete;

    bool holding() const { return holding_; }
    // The holder closed the clipboard and ended within `timeoutMs`.
    bool Released(DWORD timeoutMs) const {
        return WaitForSingleObject(process_.get(), timeoutMs) == WAIT_OBJECT_0;
    }

private:
    // Built beside the test exe.
    static std::wstring HelperPath() {
        wchar_t self[MAX_PATH] = {};
        const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
        const std::wstring path(self, length);
        return path.substr(0, path.find_last_of(L"\\/") + 1) + L"clipboard_holder.exe";
    }

    UniqueKernelHandle held_;
    UniqueKernelHandle process_;
    bool holding_ = false;
};

}  // namespace lg::win::test
