#include "update/update_check_flow.h"

#include "settings/settings_date.h"
#include "update/feedback.h"
#include "update/update_check.h"

namespace lg {

std::uint32_t UpdateRetryDelay(const UpdateRetryPolicy& policy, int failures) {
    if (failures < 1) return 0;
    std::uint64_t wait = policy.firstMs;
    for (int i = 1; i < failures && wait < policy.hourlyMs; ++i) wait *= 2;
    return wait < policy.hourlyMs ? static_cast<std::uint32_t>(wait) : 0;
}

UpdateCheckFlow::UpdateCheckFlow(UpdateCheckHost& host, RegistryStore& store,
                                 UpdateRetryPolicy policy)
    : host_(host), store_(store), policy_(policy) {}

CheckStart UpdateCheckFlow::Check(UpdateTrigger trigger) {
    // The notice on the screen is the answer; the hourly timer keeps
    // running during its modal loop.
    if (noticeShowing_) return CheckStart::Busy;
    const bool asked = trigger == UpdateTrigger::Asked;
    if (fetching_) {
        userWaiting_ = userWaiting_ || asked;
        return CheckStart::Busy;
    }
    const double next = ReadSettingsDate(store_, kUpdateDate);
    const double today = host_.Today();
    if (!asked && today < next) return CheckStart::NotDue;

    fetching_ = true;
    automaticFetch_ = !asked;
    userWaiting_ = asked;
    today_ = today;
    next_ = next;
    // Set first: a fetch may answer before StartFetch returns.
    if (!host_.StartFetch() && fetching_) FetchDone(FetchOutcome{});
    return CheckStart::Fetching;
}

UpdateAnswer UpdateCheckFlow::FetchDone(const FetchOutcome& outcome) {
    if (!fetching_) return {};
    fetching_ = false;
    const bool tell = userWaiting_;
    userWaiting_ = false;

    if (outcome.CouldNotConnect()) {
        // Only the timer's own checks keep a retry going; a user who asked
        // is told instead.
        if (automaticFetch_) {
            ++connectFailures_;
            host_.ScheduleRetry(UpdateRetryDelay(policy_, connectFailures_));
        }
    } else if (connectFailures_ > 0) {
        // The server is reachable again: the hourly check is the next one.
        connectFailures_ = 0;
        host_.ScheduleRetry(0);
    }

    const std::u16string version = host_.ProgramVersion();
    const UpdateAnswer answer = JudgeUpdateReply(version, outcome);
    if (answer.verdict != UpdateVerdict::Newer) {
        if (tell) host_.ShowNotification(UpdateAnswerMessage(answer, version));
        return answer;
    }
    noticeShowing_ = true;
    const bool update = host_.ShowNotice();
    noticeShowing_ = false;
    if (update) {
        // "UpdateDate" stays: the next check shows the notice again.
        host_.OpenDownloadPage();
    } else {
        WriteSettingsDate(store_, kUpdateDate, UpdateDateAfterClose(today_, next_));
    }
    return answer;
}

}  // namespace lg
