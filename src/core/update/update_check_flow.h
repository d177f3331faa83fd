// The update check's decisions, apart from the windows and the network:
// when a check fetches the list, what its reply brings up, which day the
// next automatic check may run, and when an automatic check that could not
// reach the server tries again. The platform fetches off the GUI thread,
// shows the notice and the notification and keeps the retry timer
// (UpdateCheckHost).
//
// Two kinds of check: the automatic one (a second after start, then
// hourly) stays quiet and keeps to the stored "UpdateDate"; the one the
// user asks for from the tray menu always answers, whatever the date —
// the notice, "up to date" with the version, or why it could not check.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "settings/registry_store.h"
#include "update/fetch_outcome.h"
#include "update/update_answer.h"

namespace lg {

enum class UpdateTrigger : std::uint8_t { Automatic, Asked };

// An automatic check that could not reach the server tries again after
// `firstMs`, each further failure doubling the wait; once the wait would
// reach `hourlyMs` the hourly check is the next try.
struct UpdateRetryPolicy {
    std::uint32_t firstMs = 60'000;
    std::uint32_t hourlyMs = 3'600'000;
};

// The wait before the try that follows `failures` failed connections in a
// row (1 after the first); 0 when the hourly check comes first.
std::uint32_t UpdateRetryDelay(const UpdateRetryPolicy& policy, int failures);

class UpdateCheckHost {
public:
    virtual ~UpdateCheckHost() = default;

    // Today as a settings date (a day count).
    virtual double Today() const = 0;
    // The running program's version, major.minor ("2.0").
    virtual std::u16string ProgramVersion() const = 0;
    // Starts fetching the update list off the GUI thread; the outcome comes
    // back through UpdateCheckFlow::FetchDone on the GUI thread, perhaps
    // before this returns. False when no fetch could start.
    virtual bool StartFetch() = 0;
    // The new-version notice, modal; true when the user chose "ОБНОВИТЬ".
    virtual bool ShowNotice() = 0;
    virtual void OpenDownloadPage() = 0;
    // The notification window with `text`.
    virtual void ShowNotification(std::u16string_view text) = 0;
    // An automatic check after `delayMs`, in place of one already waiting;
    // 0 drops a waiting one.
    virtual void ScheduleRetry(std::uint32_t delayMs) = 0;
};

// What Check did.
enum class CheckStart : std::uint8_t {
    Fetching,  // the list is being fetched
    NotDue,    // an automatic check before the stored day: nothing asked
    Busy,      // the notice shows, or a fetch runs (whose reply answers a user who asked)
};

class UpdateCheckFlow {
public:
    UpdateCheckFlow(UpdateCheckHost& host, RegistryStore& store, UpdateRetryPolicy policy = {});

    // CheckForUpdate.
    CheckStart Check(UpdateTrigger trigger);
    // The fetch's outcome; what it meant. Ignored (NoAnswer) without a fetch.
    UpdateAnswer FetchDone(const FetchOutcome& outcome);

    bool Fetching() const { return fetching_; }
    bool NoticeShowing() const { return noticeShowing_; }
    // Automatic fetches in a row that could not reach the server.
    int ConnectFailures() const { return connectFailures_; }

private:
    UpdateCheckHost& host_;
    RegistryStore& store_;
    const UpdateRetryPolicy policy_;
    bool fetching_ = false;
    bool noticeShowing_ = false;
    bool automaticFetch_ = false;  // the running fetch was started by the timer
    bool userWaiting_ = false;     // the user asked while it runs
    double today_ = 0;             // as the fetch started
    double next_ = 0;              // "UpdateDate" as the fetch started
    int connectFailures_ = 0;
};

}  // namespace lg
