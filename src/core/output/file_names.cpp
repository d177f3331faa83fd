#include "output/file_names.h"

namespace lg {
namespace {

void AppendTwoDigits(std::u16string& out, int value) {
    // The year keeps its last two digits; the other fields are below 100 by
    // nature, and a broken clock value must still give two digits, not a
    // minus sign or a longer name.
    value %= 100;
    if (value < 0) value += 100;
    out += static_cast<char16_t>(u'0' + value / 10);
    out += static_cast<char16_t>(u'0' + value % 10);
}

bool EndsWithSeparator(std::u16string_view folder) {
    return !folder.empty() && (folder.back() == u'\\' || folder.back() == u'/');
}

std::u16string NumberSuffix(int n) {
    std::u16string digits;
    for (; n > 0; n /= 10) digits.insert(digits.begin(), static_cast<char16_t>(u'0' + n % 10));
    return u" (" + digits + u")";
}

}  // namespace

std::u16string ScreenshotBaseName(const LocalDateTime& time) {
    std::u16string name = u"Скриншот ";
    AppendTwoDigits(name, time.day);
    name += u'.';
    AppendTwoDigits(name, time.month);
    name += u'.';
    AppendTwoDigits(name, time.year);
    name += u'_';
    AppendTwoDigits(name, time.hour);
    name += u'.';
    AppendTwoDigits(name, time.minute);
    name += u'.';
    AppendTwoDigits(name, time.second);
    return name;
}

std::u16string JoinFolder(std::u16string_view folder, std::u16string_view name) {
    std::u16string joined(folder);
    if (!folder.empty() && !EndsWithSeparator(folder)) joined += u'\\';
    joined += name;
    return joined;
}

std::optional<std::u16string> FreePictureName(std::u16string_view folder, std::u16string_view base,
                                              std::u16string_view extension,
                                              const PathPredicate& exists) {
    const std::u16string stem = JoinFolder(folder, base);
    std::u16string name = stem + std::u16string(extension);
    if (!exists(name)) return name;
    for (int n = 2; n <= kMaxPictureNumber; ++n) {
        name = stem + NumberSuffix(n) + std::u16string(extension);
        if (!exists(name)) return name;
    }
    return std::nullopt;
}

}  // namespace lg
