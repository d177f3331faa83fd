// Names of picture files: the dated base name and a free name for an
// automatic copy.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace lg {

// A local wall-clock time, as the platform's clock reports it.
struct LocalDateTime {
    int year = 0;    // e.g. 2026
    int month = 0;   // 1..12
    int day = 0;     // 1..31
    int hour = 0;    // 0..23
    int minute = 0;  // 0..59
    int second = 0;  // 0..59
};

// "Скриншот dd.MM.YY_hh.mm.ss", 24-hour clock, every field two digits;
// 8 Dec 2026 23:05:59 gives "Скриншот 08.12.26_23.05.59". No extension.
std::u16string ScreenshotBaseName(const LocalDateTime& time);

// `folder` and `name` with exactly the separator between them that is
// needed: none when `folder` is empty or already ends with '\' or '/'.
std::u16string JoinFolder(std::u16string_view folder, std::u16string_view name);

// A question about a full name that the file system answers, such as
// whether something of that name exists.
using PathPredicate = std::function<bool(std::u16string_view)>;

// How far the numbering of a taken name goes before giving up: two copies
// a second is what a person manages, so a thousand taken names means
// something else is filling the folder.
inline constexpr int kMaxPictureNumber = 999;

// folder + base + extension when that is free, otherwise the first free of
// folder + base + " (2)" + extension, " (3)" … up to kMaxPictureNumber.
// `exists` says whether a name is taken (by a file, or by a folder in the
// way). Nothing when every one of them is taken.
std::optional<std::u16string> FreePictureName(std::u16string_view folder, std::u16string_view base,
                                              std::u16string_view extension,
                                              const PathPredicate& exists);

}  // namespace lg
