#include "support/memory_registry_store.h"

#include <algorithm>

namespace lg {
namespace {

std::u16string Fold(std::u16string_view s) {
    std::u16string out(s);
    for (char16_t& c : out) {
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    }
    return out;
}

}  // namespace

void MemoryRegistryStore::AddKey(std::u16string_view key) {
    keys_[Fold(key)];
}

void MemoryRegistryStore::SetRaw(std::u16string_view key, std::u16string_view name,
                                 RawRegValue value) {
    keys_[Fold(key)].values[Fold(name)] = Entry{std::u16string(name), std::move(value)};
}

const RawRegValue* MemoryRegistryStore::Raw(std::u16string_view key,
                                            std::u16string_view name) const {
    auto k = keys_.find(Fold(key));
    if (k == keys_.end()) return nullptr;
    auto v = k->second.values.find(Fold(name));
    return v == k->second.values.end() ? nullptr : &v->second.value;
}

std::vector<std::u16string> MemoryRegistryStore::ValueNames(std::u16string_view key) const {
    std::vector<std::u16string> names;
    if (auto k = keys_.find(Fold(key)); k != keys_.end()) {
        for (const auto& [folded, entry] : k->second.values) names.push_back(entry.name);
    }
    return names;
}

void MemoryRegistryStore::Deny(std::u16string_view key, bool read, bool write) {
    Key& k = keys_[Fold(key)];
    k.readable = !read;
    k.writable = !write;
}

void MemoryRegistryStore::DenyCreate(std::u16string_view key) {
    denyCreate_.insert(Fold(key));
}

const MemoryRegistryStore::Key* MemoryRegistryStore::Find(std::u16string_view key,
                                                          KeyAccess access) const {
    auto k = keys_.find(Fold(key));
    if (k == keys_.end()) return nullptr;
    bool allowed = access == KeyAccess::Read ? k->second.readable : k->second.writable;
    return allowed ? &k->second : nullptr;
}

bool MemoryRegistryStore::KeyExists(std::u16string_view key) const {
    return keys_.contains(Fold(key));
}

bool MemoryRegistryStore::CanOpenKey(std::u16string_view key, KeyAccess access) const {
    return Find(key, access) != nullptr;
}

bool MemoryRegistryStore::CreateKey(std::u16string_view key) {
    std::u16string folded = Fold(key);
    if (auto k = keys_.find(folded); k != keys_.end()) return k->second.writable;
    if (denyCreate_.contains(folded)) return false;
    keys_[folded];
    return true;
}

bool MemoryRegistryStore::ValueExists(std::u16string_view key, std::u16string_view name) const {
    const Key* k = Find(key, KeyAccess::Read);
    return k && k->values.contains(Fold(name));
}

const RawRegValue* MemoryRegistryStore::Read(std::u16string_view key, std::u16string_view name,
                                             RegType type) const {
    const Key* k = Find(key, KeyAccess::Read);
    if (!k) return nullptr;
    auto v = k->values.find(Fold(name));
    if (v == k->values.end() || v->second.value.type != type) return nullptr;
    return &v->second.value;
}

std::optional<std::uint32_t> MemoryRegistryStore::ReadDword(std::u16string_view key,
                                                            std::u16string_view name) const {
    const RawRegValue* v = Read(key, name, RegType::Dword);
    if (!v || v->bytes.size() != 4) return std::nullopt;
    const auto& b = v->bytes;
    return static_cast<std::uint32_t>(b[0] | b[1] << 8 | b[2] << 16 | std::uint32_t{b[3]} << 24);
}

std::optional<std::u16string> MemoryRegistryStore::ReadString(std::u16string_view key,
                                                              std::u16string_view name) const {
    const RawRegValue* v = Read(key, name, RegType::Sz);
    if (!v) return std::nullopt;
    // Like the registry: UTF-16LE, an odd last byte dropped, cut at the first NUL.
    std::u16string s;
    for (size_t i = 0; i + 1 < v->bytes.size(); i += 2) {
        auto c = static_cast<char16_t>(v->bytes[i] | v->bytes[i + 1] << 8);
        if (c == 0) break;
        s.push_back(c);
    }
    return s;
}

std::optional<std::vector<std::uint8_t>> MemoryRegistryStore::ReadBinary(
    std::u16string_view key, std::u16string_view name) const {
    const RawRegValue* v = Read(key, name, RegType::Binary);
    if (!v) return std::nullopt;
    return v->bytes;
}

bool MemoryRegistryStore::Write(std::u16string_view key, std::u16string_view name,
                                RawRegValue value) {
    auto k = keys_.find(Fold(key));
    if (k == keys_.end() || !k->second.writable) return false;
    k->second.values[Fold(name)] = Entry{std::u16string(name), std::move(value)};
    return true;
}

bool MemoryRegistryStore::WriteDword(std::u16string_view key, std::u16string_view name,
                                     std::uint32_t value) {
    std::vector<std::uint8_t> bytes(4);
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
    return Write(key, name, {RegType::Dword, std::move(bytes)});
}

bool MemoryRegistryStore::WriteString(std::u16string_view key, std::u16string_view name,
                                      std::u16string_view value) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve((value.size() + 1) * 2);
    for (char16_t c : value) {
        bytes.push_back(static_cast<std::uint8_t>(c));
        bytes.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    bytes.insert(bytes.end(), {0, 0});  // the terminator, as RegSetValueEx is given it
    return Write(key, name, {RegType::Sz, std::move(bytes)});
}

bool MemoryRegistryStore::WriteBinary(std::u16string_view key, std::u16string_view name,
                                      std::span<const std::uint8_t> value) {
    return Write(key, name, {RegType::Binary, {value.begin(), value.end()}});
}

bool MemoryRegistryStore::DeleteValue(std::u16string_view key, std::u16string_view name) {
    auto k = keys_.find(Fold(key));
    if (k == keys_.end()) return true;
    if (!k->second.writable) return false;
    k->second.values.erase(Fold(name));
    return true;
}

}  // namespace lg
