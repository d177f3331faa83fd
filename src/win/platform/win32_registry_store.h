// RegistryStore on the real registry. Every call opens the key it needs with
// the least access that call requires and closes it before returning.
#pragma once

#include <windows.h>

#include "settings/registry_store.h"

namespace lg::win {

class Win32RegistryStore final : public RegistryStore {
public:
    // Key paths are taken below `root`, which is not owned: HKEY_CURRENT_USER
    // in the program, a scratch key in tests.
    explicit Win32RegistryStore(HKEY root = HKEY_CURRENT_USER) : root_(root) {}

    bool KeyExists(std::u16string_view key) const override;
    bool CanOpenKey(std::u16string_view key, KeyAccess access) const override;
    bool CreateKey(std::u16string_view key) override;
    bool ValueExists(std::u16string_view key, std::u16string_view name) const override;
    std::optional<std::uint32_t> ReadDword(std::u16string_view key,
                                           std::u16string_view name) const override;
    std::optional<std::u16string> ReadString(std::u16string_view key,
                                             std::u16string_view name) const override;
    std::optional<std::vector<std::uint8_t>> ReadBinary(std::u16string_view key,
                                                        std::u16string_view name) const override;
    bool WriteDword(std::u16string_view key, std::u16string_view name,
                    std::uint32_t value) override;
    bool WriteString(std::u16string_view key, std::u16string_view name,
                     std::u16string_view value) override;
    bool WriteBinary(std::u16string_view key, std::u16string_view name,
                     std::span<const std::uint8_t> value) override;
    bool DeleteValue(std::u16string_view key, std::u16string_view name) override;

private:
    // The value's bytes when it exists with type `type`.
    std::optional<std::vector<std::uint8_t>> Query(std::u16string_view key,
                                                   std::u16string_view name, DWORD type) const;
    bool Set(std::u16string_view key, std::u16string_view name, DWORD type, const void* data,
             size_t size);

    HKEY root_;
};

}  // namespace lg::win
