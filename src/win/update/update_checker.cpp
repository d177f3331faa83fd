#include "update/update_checker.h"

#include "app/endpoints.h"
#include "platform/trace.h"
#include "platform/u16.h"
#include "settings/settings_date.h"
#include "update/feedback.h"
#include "update/update_check.h"

namespace lg::win {

void UpdateChecker::Check(HWND owner) {
    if (noticeShowing_ || fetching_) return;
    const double next = ReadSettingsDate(*services_.store, kUpdateDate);
    const double today = services_.today();
    if (today < next) {
        Trace(L"update check: not due");
        return;
    }
    // Set first: a fetch may answer before it returns.
    fetching_ = true;
    const bool started =
        services_.fetch([this, owner, today, next](std::optional<std::string> body) {
            ReplyArrived(owner, today, next, std::move(body));
        });
    if (!started) {
        fetching_ = false;
        Trace(L"update check: no request");
    }
}

void UpdateChecker::ReplyArrived(HWND owner, double today, double next,
                                 std::optional<std::string> body) {
    fetching_ = false;
    // An error status counts as no reply: an error page is no update list.
    const std::wstring wide = body ? Utf8ToWide(*body) : std::wstring();
    const std::u16string_view reply = AsU16(wide);
    if (UpdateReplyIsBlank(reply)) {
        Trace(L"update check: no reply");
        return;
    }
    if (!IsNewerVersion(services_.programVersion(), UpdateReplyVersion(reply), true)) {
        Trace(L"update check: up to date");
        return;
    }
    Trace(L"update check: newer version");
    noticeShowing_ = true;
    const int result = services_.showNotice(owner);
    noticeShowing_ = false;
    if (result == 1) {
        // "UpdateDate" stays: the next hourly check shows the notice again.
        services_.openPage(endpoint::kDownload);
    } else {
        WriteSettingsDate(*services_.store, kUpdateDate, UpdateDateAfterClose(today, next));
    }
}

}  // namespace lg::win
