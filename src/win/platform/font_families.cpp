#include "platform/font_families.h"

#include <windows.h>

#include <algorithm>
#include <set>

#include "platform/handles.h"

namespace lg::win {
namespace {

// Orders names as a user reads a list of them, case ignored.
struct UserOrder {
    bool operator()(const std::u16string& a, const std::u16string& b) const {
        const int r =
            CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE,
                           reinterpret_cast<const wchar_t*>(a.c_str()), static_cast<int>(a.size()),
                           reinterpret_cast<const wchar_t*>(b.c_str()), static_cast<int>(b.size()));
        return r == CSTR_LESS_THAN;
    }
};

int CALLBACK AddFamily(const LOGFONTW* lf, const TEXTMETRICW*, DWORD, LPARAM param) {
    auto& names = *reinterpret_cast<std::set<std::u16string, UserOrder>*>(param);
    const auto* face = reinterpret_cast<const char16_t*>(lf->lfFaceName);
    if (face[0] != 0 && face[0] != u'@') {
        try {
            names.emplace(face);
        } catch (...) {
            return 0;  // no memory: stop with what was found
        }
    }
    return 1;
}

}  // namespace

std::vector<std::u16string> InstalledFontFamilies() {
    std::set<std::u16string, UserOrder> names;
    ScopedGetDc dc(nullptr);
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;  // every family once per script it has
    EnumFontFamiliesExW(dc.get(), &query, &AddFamily, reinterpret_cast<LPARAM>(&names), 0);
    return std::vector<std::u16string>(names.begin(), names.end());
}

}  // namespace lg::win
