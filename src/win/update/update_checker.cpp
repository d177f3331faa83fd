#include "update/update_checker.h"

#include <string>

#include "app/endpoints.h"
#include "platform/trace.h"

namespace lg::win {
namespace {

constexpr wchar_t kClassName[] = L"TLumigrabUpdateCheck";
constexpr UINT_PTR kRetryTimer = 1;

const wchar_t* FailureName(FetchFailure failure) {
    switch (failure) {
        case FetchFailure::None:
            return L"none";
        case FetchFailure::NoConnection:
            return L"no connection";
        case FetchFailure::Certificate:
            return L"certificate refused";
        case FetchFailure::Status:
            return L"status";
        case FetchFailure::Unreadable:
            return L"unreadable";
    }
    return L"?";
}

// "update check: no reply (no connection, error 12029)" and the like: what
// the end-to-end scenarios and a person with a debugger read. A newer
// version is traced as the notice comes up.
void TraceAnswer(const UpdateAnswer& answer, const FetchOutcome& outcome) {
    if (answer.verdict == UpdateVerdict::Newer) return;
    if (answer.verdict == UpdateVerdict::UpToDate) {
        Trace(L"update check: up to date");
        return;
    }
    std::wstring line = L"update check: no reply (";
    line += FailureName(answer.why);
    if (outcome.status != 0) line += L", status " + std::to_wstring(outcome.status);
    if (outcome.error != 0) line += L", error " + std::to_wstring(outcome.error);
    line += L")";
    Trace(line.c_str());
}

}  // namespace

UpdateChecker::UpdateChecker(UpdateCheckServices services)
    : services_(std::move(services)), flow_(*this, *services_.store, services_.retry) {}

UpdateChecker::~UpdateChecker() {
    if (hwnd()) DestroyWindow(hwnd());
}

void UpdateChecker::Check(HWND owner, UpdateTrigger trigger) {
    owner_ = owner;
    switch (flow_.Check(trigger)) {
        case CheckStart::NotDue:
            Trace(L"update check: not due");
            break;
        case CheckStart::Busy:
            Trace(L"update check: one is running");
            break;
        case CheckStart::Fetching:
            break;
    }
}

bool UpdateChecker::OnTimer(UINT_PTR id) {
    if (id != kRetryTimer) return false;
    KillTimer(hwnd(), kRetryTimer);
    retryPending_ = false;
    Trace(L"update check: retry");
    Check(owner_, UpdateTrigger::Automatic);
    return true;
}

double UpdateChecker::Today() const {
    return services_.today();
}

std::u16string UpdateChecker::ProgramVersion() const {
    return services_.programVersion();
}

bool UpdateChecker::StartFetch() {
    const bool started = services_.fetch([this](FetchOutcome outcome) { FetchEnded(outcome); });
    if (!started) Trace(L"update check: no request");
    return started;
}

void UpdateChecker::FetchEnded(const FetchOutcome& outcome) {
    TraceAnswer(flow_.FetchDone(outcome), outcome);
}

bool UpdateChecker::ShowNotice() {
    Trace(L"update check: newer version");
    return services_.showNotice(owner_) == 1;
}

void UpdateChecker::OpenDownloadPage() {
    services_.openPage(endpoint::kDownload);
}

void UpdateChecker::ShowNotification(std::u16string_view text) {
    Trace(L"update check: answer shown");
    services_.notify(text);
}

void UpdateChecker::ScheduleRetry(std::uint32_t delayMs) {
    if (!hwnd() && !CreateMessageOnly(kClassName)) return;
    if (delayMs == 0) {
        if (retryPending_) KillTimer(hwnd(), kRetryTimer);
        retryPending_ = false;
        return;
    }
    // SetTimer on the running id starts its count again.
    retryPending_ = SetTimer(hwnd(), kRetryTimer, delayMs, nullptr) != 0;
    Trace((L"update check: retry in " + std::to_wstring(delayMs / 1000) + L" s").c_str());
}

}  // namespace lg::win
