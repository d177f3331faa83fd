#include "update/update_answer.h"

#include "update/update_check.h"

namespace lg {
namespace {

std::u16string Decimal(int value) {
    std::u16string digits;
    unsigned v = value < 0 ? 0u : static_cast<unsigned>(value);
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + v % 10));
        v /= 10;
    } while (v != 0);
    return digits;
}

std::u16string Reason(const UpdateAnswer& answer) {
    switch (answer.why) {
        case FetchFailure::NoConnection:
            return u"Нет соединения с сервером.";
        case FetchFailure::Certificate:
            return u"Сертификат сервера не принят.";
        case FetchFailure::Status:
            return u"Сервер ответил с кодом " + Decimal(answer.status) + u".";
        case FetchFailure::None:
        case FetchFailure::Unreadable:
            break;
    }
    return u"Ответ сервера не удалось прочитать.";
}

}  // namespace

UpdateAnswer JudgeUpdateReply(std::u16string_view programVersion, const FetchOutcome& outcome) {
    if (outcome.failure != FetchFailure::None) {
        return {UpdateVerdict::NoAnswer, outcome.failure,
                outcome.failure == FetchFailure::Status ? outcome.status : 0};
    }
    if (UpdateReplyIsBlank(outcome.body)) {
        return {UpdateVerdict::NoAnswer, FetchFailure::Unreadable, 0};
    }
    const bool newer = IsNewerVersion(programVersion, UpdateReplyVersion(outcome.body), true);
    return {newer ? UpdateVerdict::Newer : UpdateVerdict::UpToDate, FetchFailure::None, 0};
}

std::u16string UpdateAnswerMessage(const UpdateAnswer& answer, std::u16string_view programVersion) {
    if (answer.verdict == UpdateVerdict::Newer) return {};  // the notice says it
    if (answer.verdict == UpdateVerdict::UpToDate) {
        return std::u16string(kUpToDateText) + u".\r\nВерсия программы " +
               std::u16string(programVersion) + u".";
    }
    return std::u16string(kCheckFailedText) + u".\r\n" + Reason(answer);
}

}  // namespace lg
