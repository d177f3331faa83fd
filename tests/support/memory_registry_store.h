// A registry held in memory, for tests of everything that keeps values under
// a key. It stores values the way the registry does (a type number and raw
// bytes), so a test can plant a value of any type or size, and it ignores
// ASCII case in key and value names, as the registry does.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/registry_store.h"

namespace lg {

// The registry's own type numbers.
enum class RegType : std::uint32_t {
    None = 0,
    Sz = 1,
    ExpandSz = 2,
    Binary = 3,
    Dword = 4,
    MultiSz = 7,
    Qword = 11,
};

struct RawRegValue {
    RegType type = RegType::None;
    std::vector<std::uint8_t> bytes;
    friend bool operator==(const RawRegValue&, const RawRegValue&) = default;
};

class MemoryRegistryStore final : public RegistryStore {
public:
    // For tests: planting values and looking at what was written.
    void AddKey(std::u16string_view key);
    // Plants a value, creating the key when needed.
    void SetRaw(std::u16string_view key, std::u16string_view name, RawRegValue value);
    const RawRegValue* Raw(std::u16string_view key, std::u16string_view name) const;
    // Names of the values under the key as they were written; empty when no key.
    std::vector<std::u16string> ValueNames(std::u16string_view key) const;
    // A key that exists but refuses to open (for reading, writing or both).
    void Deny(std::u16string_view key, bool read, bool write);
    // Creating this key fails (for instance a parent the user may not write).
    void DenyCreate(std::u16string_view key);

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
    struct Entry {
        std::u16string name;  // as written
        RawRegValue value;
    };
    struct Key {
        bool readable = true;
        bool writable = true;
        std::map<std::u16string, Entry> values;  // by folded name
    };

    const Key* Find(std::u16string_view key, KeyAccess access) const;
    const RawRegValue* Read(std::u16string_view key, std::u16string_view name, RegType type) const;
    bool Write(std::u16string_view key, std::u16string_view name, RawRegValue value);

    std::map<std::u16string, Key> keys_;  // by folded path
    std::set<std::u16string> denyCreate_;
};

}  // namespace lg
