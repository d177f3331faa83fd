// The update check of the tray program: about a second after start, every
// hour, again soon after an automatic check could not reach the server,
// and from the tray menu. The list is fetched off the GUI thread with a
// bounded time; the decisions are the core's (UpdateCheckFlow), this class
// gives them the notice, the notification and the retry timer.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "platform/window.h"
#include "settings/registry_store.h"
#include "update/update_check_flow.h"

namespace lg::win {

// What the check needs from the rest of the program, so it can be tested.
struct UpdateCheckServices {
    RegistryStore* store = nullptr;
    std::function<double()> today;
    std::function<std::u16string()> programVersion;  // "2.0"
    // Fetches the list and calls back on the GUI thread with how it ended;
    // false when no fetch could start.
    std::function<bool(std::function<void(FetchOutcome)>)> fetch;
    // Shows the notice modally; 1 for "ОБНОВИТЬ", anything else closed.
    std::function<int(HWND owner)> showNotice;
    std::function<void(std::string_view path)> openPage;
    // The notification window with a message.
    std::function<void(std::u16string_view text)> notify;
    // Tests shorten the waits to see the retry timer in milliseconds.
    UpdateRetryPolicy retry{};
};

class UpdateChecker : public Window, private UpdateCheckHost {
public:
    explicit UpdateChecker(UpdateCheckServices services);
    ~UpdateChecker() override;
    UpdateChecker(const UpdateChecker&) = delete;
    UpdateChecker& operator=(const UpdateChecker&) = delete;

    // CheckForUpdate, with `owner` (the main window) owning the notice.
    void Check(HWND owner, UpdateTrigger trigger);

    bool NoticeShowing() const { return flow_.NoticeShowing(); }
    bool Fetching() const { return flow_.Fetching(); }
    bool RetryPending() const { return retryPending_; }

protected:
    bool OnTimer(UINT_PTR id) override;

private:
    double Today() const override;
    std::u16string ProgramVersion() const override;
    bool StartFetch() override;
    bool ShowNotice() override;
    void OpenDownloadPage() override;
    void ShowNotification(std::u16string_view text) override;
    void ScheduleRetry(std::uint32_t delayMs) override;

    void FetchEnded(const FetchOutcome& outcome);

    UpdateCheckServices services_;
    UpdateCheckFlow flow_;
    HWND owner_ = nullptr;
    bool retryPending_ = false;
};

}  // namespace lg::win
