// What the settings logic needs from the registry, so it runs on a fake in
// unit tests and on the real registry in the program.
//
// Key paths are relative to the store's root (HKEY_CURRENT_USER in the
// program). Every call stands alone: an implementation opens what it needs
// and closes it again before returning, so nothing stays open between calls.
//
// Reads are strict about the type: a value is returned only when it exists
// and has the expected registry type (and, for a DWORD, the right size).
// A value of another type reads as absent, so the caller keeps its default.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lg {

// The program's own key.
inline constexpr std::u16string_view kProgramKey = u"Software\\Vey Software\\Lumigrab";
// The per-user list of programs started at logon.
inline constexpr std::u16string_view kAutostartKey =
    u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

enum class KeyAccess { Read, Write };

class RegistryStore {
public:
    virtual ~RegistryStore() = default;

    // The key exists, whether or not this user may open it.
    virtual bool KeyExists(std::u16string_view key) const = 0;
    // The existing key can be opened with `access`; never creates it.
    virtual bool CanOpenKey(std::u16string_view key, KeyAccess access) const = 0;
    // Creates the key and any missing parents; true when it exists afterwards.
    virtual bool CreateKey(std::u16string_view key) = 0;

    // A value of any type exists under the key.
    virtual bool ValueExists(std::u16string_view key, std::u16string_view name) const = 0;
    // REG_DWORD.
    virtual std::optional<std::uint32_t> ReadDword(std::u16string_view key,
                                                   std::u16string_view name) const = 0;
    // REG_SZ, up to its first NUL.
    virtual std::optional<std::u16string> ReadString(std::u16string_view key,
                                                     std::u16string_view name) const = 0;
    // REG_BINARY, any length.
    virtual std::optional<std::vector<std::uint8_t>> ReadBinary(std::u16string_view key,
                                                                std::u16string_view name) const = 0;

    // Writes into an existing key (never creates it); true on success.
    virtual bool WriteDword(std::u16string_view key, std::u16string_view name,
                            std::uint32_t value) = 0;
    virtual bool WriteString(std::u16string_view key, std::u16string_view name,
                             std::u16string_view value) = 0;
    virtual bool WriteBinary(std::u16string_view key, std::u16string_view name,
                             std::span<const std::uint8_t> value) = 0;
    // True when the value is gone afterwards: a missing value or a missing
    // key is not an error.
    virtual bool DeleteValue(std::u16string_view key, std::u16string_view name) = 0;
};

}  // namespace lg
