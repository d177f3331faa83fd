#include "platform/win32_registry_store.h"

#include <algorithm>
#include <cstring>

#include "platform/registry_key.h"
#include "platform/u16.h"

namespace lg::win {

bool Win32RegistryStore::KeyExists(std::u16string_view key) const {
    LSTATUS rc = ERROR_SUCCESS;
    OpenRegKey(root_, ToWide(key).c_str(), KEY_QUERY_VALUE, &rc);
    // Refused means it is there.
    return rc == ERROR_SUCCESS || rc == ERROR_ACCESS_DENIED;
}

bool Win32RegistryStore::CanOpenKey(std::u16string_view key, KeyAccess access) const {
    REGSAM sam = access == KeyAccess::Read ? KEY_QUERY_VALUE : KEY_QUERY_VALUE | KEY_SET_VALUE;
    return static_cast<bool>(OpenRegKey(root_, ToWide(key).c_str(), sam));
}

bool Win32RegistryStore::CreateKey(std::u16string_view key) {
    return static_cast<bool>(
        CreateRegKey(root_, ToWide(key).c_str(), KEY_QUERY_VALUE | KEY_SET_VALUE));
}

bool Win32RegistryStore::ValueExists(std::u16string_view key, std::u16string_view name) const {
    UniqueRegKey k = OpenRegKey(root_, ToWide(key).c_str(), KEY_QUERY_VALUE);
    if (!k) return false;
    LSTATUS rc =
        RegQueryValueExW(k.get(), ToWide(name).c_str(), nullptr, nullptr, nullptr, nullptr);
    return rc == ERROR_SUCCESS || rc == ERROR_MORE_DATA;
}

std::optional<std::vector<std::uint8_t>> Win32RegistryStore::Query(std::u16string_view key,
                                                                   std::u16string_view name,
                                                                   DWORD type) const {
    UniqueRegKey k = OpenRegKey(root_, ToWide(key).c_str(), KEY_QUERY_VALUE);
    if (!k) return std::nullopt;
    const std::wstring wname = ToWide(name);
    // Most values fit the first buffer. A larger one reports its size; it may
    // grow again before the next call, so ask a few times.
    std::vector<std::uint8_t> data(256);
    for (int attempt = 0; attempt < 8; ++attempt) {
        DWORD actualType = REG_NONE;
        auto size = static_cast<DWORD>(data.size());
        LSTATUS rc =
            RegQueryValueExW(k.get(), wname.c_str(), nullptr, &actualType, data.data(), &size);
        if (rc == ERROR_MORE_DATA) {
            data.resize(std::max<size_t>(size, data.size() * 2));
            continue;
        }
        if (rc != ERROR_SUCCESS || actualType != type) return std::nullopt;
        data.resize(size);
        return data;
    }
    return std::nullopt;
}

std::optional<std::uint32_t> Win32RegistryStore::ReadDword(std::u16string_view key,
                                                           std::u16string_view name) const {
    auto data = Query(key, name, REG_DWORD);
    if (!data || data->size() != sizeof(std::uint32_t)) return std::nullopt;
    std::uint32_t value = 0;
    std::memcpy(&value, data->data(), sizeof value);
    return value;
}

std::optional<std::u16string> Win32RegistryStore::ReadString(std::u16string_view key,
                                                             std::u16string_view name) const {
    auto data = Query(key, name, REG_SZ);
    if (!data) return std::nullopt;
    // The stored bytes need not end in a NUL or even be a whole number of
    // characters: drop an odd last byte and stop at the first NUL.
    std::u16string text(data->size() / 2, u'\0');
    std::memcpy(text.data(), data->data(), text.size() * 2);
    if (size_t nul = text.find(u'\0'); nul != std::u16string::npos) text.resize(nul);
    return text;
}

std::optional<std::vector<std::uint8_t>> Win32RegistryStore::ReadBinary(
    std::u16string_view key, std::u16string_view name) const {
    return Query(key, name, REG_BINARY);
}

bool Win32RegistryStore::Set(std::u16string_view key, std::u16string_view name, DWORD type,
                             const void* data, size_t size) {
    if (size > MAXDWORD) return false;
    UniqueRegKey k = OpenRegKey(root_, ToWide(key).c_str(), KEY_SET_VALUE);
    if (!k) return false;
    return RegSetValueExW(k.get(), ToWide(name).c_str(), 0, type, static_cast<const BYTE*>(data),
                          static_cast<DWORD>(size)) == ERROR_SUCCESS;
}

bool Win32RegistryStore::WriteDword(std::u16string_view key, std::u16string_view name,
                                    std::uint32_t value) {
    return Set(key, name, REG_DWORD, &value, sizeof value);
}

bool Win32RegistryStore::WriteString(std::u16string_view key, std::u16string_view name,
                                     std::u16string_view value) {
    const std::wstring text = ToWide(value);
    return Set(key, name, REG_SZ, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}

bool Win32RegistryStore::WriteBinary(std::u16string_view key, std::u16string_view name,
                                     std::span<const std::uint8_t> value) {
    return Set(key, name, REG_BINARY, value.data(), value.size());
}

bool Win32RegistryStore::DeleteValue(std::u16string_view key, std::u16string_view name) {
    LSTATUS rc = ERROR_SUCCESS;
    UniqueRegKey k = OpenRegKey(root_, ToWide(key).c_str(), KEY_SET_VALUE, &rc);
    if (!k) return rc == ERROR_FILE_NOT_FOUND;
    rc = RegDeleteValueW(k.get(), ToWide(name).c_str());
    return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
}

}  // namespace lg::win
