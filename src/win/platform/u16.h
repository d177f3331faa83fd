// UTF-16 at the seam: the core keeps text as char16_t, Win32 as wchar_t; on
// Windows both are 16-bit code units, so a view is only reinterpreted.
#pragma once

#include <string>
#include <string_view>

namespace lg::win {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline std::u16string_view AsU16(std::wstring_view s) {
    return {reinterpret_cast<const char16_t*>(s.data()), s.size()};
}
inline std::wstring_view AsWide(std::u16string_view s) {
    return {reinterpret_cast<const wchar_t*>(s.data()), s.size()};
}
inline std::wstring ToWide(std::u16string_view s) {
    return std::wstring(AsWide(s));
}

// UTF-8 (the core's ASCII addresses and names) to UTF-16.
std::wstring Utf8ToWide(std::string_view s);
std::string WideToUtf8(std::wstring_view s);

}  // namespace lg::win
