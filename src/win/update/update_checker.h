// The update check of the tray program: about a second after start, every
// hour and from the tray menu. The list is fetched off the GUI thread with
// a bounded time; a newer version brings up the notice on the GUI thread.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "settings/registry_store.h"

namespace lg::win {

// What the check needs from the rest of the program, so it can be tested.
struct UpdateCheckServices {
    RegistryStore* store = nullptr;
    std::function<double()> today;
    std::function<std::u16string()> programVersion;  // "2.0"
    // Fetches the list and calls back on the GUI thread with the body of a
    // 2xx reply or nothing; false when no fetch could start.
    std::function<bool(std::function<void(std::optional<std::string>)>)> fetch;
    // Shows the notice modally; 1 for "ОБНОВИТЬ", anything else closed.
    std::function<int(HWND owner)> showNotice;
    std::function<void(std::string_view path)> openPage;
};

class UpdateChecker {
public:
    explicit UpdateChecker(UpdateCheckServices services) : services_(std::move(services)) {}

    // CheckForUpdate: does nothing while the notice shows or a fetch runs,
    // or before the stored "UpdateDate".
    void Check(HWND owner);

    bool NoticeShowing() const { return noticeShowing_; }
    bool Fetching() const { return fetching_; }

private:
    void ReplyArrived(HWND owner, double today, double next, std::optional<std::string> body);

    UpdateCheckServices services_;
    bool fetching_ = false;
    bool noticeShowing_ = false;
};

}  // namespace lg::win
