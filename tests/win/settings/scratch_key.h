// A private key under HKEY_CURRENT_USER for one test, deleted with
// everything below it when the test ends (and before it starts, in case an
// earlier run was killed).
#pragma once

#include <windows.h>

#include <string>

#include "platform/registry_key.h"

namespace lg::win {

class ScratchKey {
public:
    explicit ScratchKey(std::wstring name) : path_(L"Software\\Lumigrab wine tests\\" + name) {
        RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
        key_ = CreateRegKey(HKEY_CURRENT_USER, path_.c_str(), KEY_ALL_ACCESS);
    }
    ~ScratchKey() {
        key_.reset();
        RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
        RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Lumigrab wine tests");  // only when empty
    }
    ScratchKey(const ScratchKey&) = delete;
    ScratchKey& operator=(const ScratchKey&) = delete;

    HKEY get() const { return key_.get(); }

private:
    std::wstring path_;
    UniqueRegKey key_;
};

}  // namespace lg::win
