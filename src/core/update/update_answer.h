// What a fetched update list says to the running program, and the words a
// check the user asked for answers with.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "update/fetch_outcome.h"

namespace lg {

inline constexpr std::u16string_view kUpToDateText = u"Установлена последняя версия";
inline constexpr std::u16string_view kCheckFailedText = u"Не удалось проверить обновление";

enum class UpdateVerdict : std::uint8_t {
    Newer,     // the list names a newer version: the notice
    UpToDate,  // it names this version or an older one
    NoAnswer,  // nothing usable came back
};

struct UpdateAnswer {
    UpdateVerdict verdict = UpdateVerdict::NoAnswer;
    FetchFailure why = FetchFailure::None;  // with NoAnswer
    int status = 0;                         // with FetchFailure::Status
    friend bool operator==(const UpdateAnswer&, const UpdateAnswer&) = default;
};

// The verdict on `outcome` for a program of `programVersion` ("2.0"). A 2xx
// reply of white space only names no version: it counts as unreadable.
// Otherwise the list's version is compared as the update list specifies
// (so a reply that is no list at all counts as newer).
UpdateAnswer JudgeUpdateReply(std::u16string_view programVersion, const FetchOutcome& outcome);

// The notification for a check the user asked for that brings no notice:
// the program's version when it is up to date, the reason when nothing
// usable came back. Two lines, CR LF between them; empty for a newer
// version, which the notice announces.
std::u16string UpdateAnswerMessage(const UpdateAnswer& answer, std::u16string_view programVersion);

}  // namespace lg
