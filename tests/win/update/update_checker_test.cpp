// The update check over fake services: when it asks, what a reply brings
// up, and which day the next check may run.
#include "update/update_checker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/settings_date.h"
#include "support/memory_registry_store.h"
#include "update/feedback.h"

namespace lg::win {
namespace {

constexpr double kToday = 46091;

class UpdateCheckerTest : public ::testing::Test {
protected:
    UpdateChecker Make() {
        UpdateCheckServices s;
        s.store = &store_;
        s.today = [] { return kToday; };
        s.programVersion = [] { return std::u16string(u"2.0"); };
        s.fetch = [this](std::function<void(std::optional<std::string>)> done) {
            ++fetches_;
            done(reply_);
            return true;
        };
        s.showNotice = [this](HWND) {
            ++notices_;
            if (duringNotice_) duringNotice_();
            return noticeResult_;
        };
        s.openPage = [this](std::string_view path) { pages_.emplace_back(path); };
        return UpdateChecker(std::move(s));
    }

    MemoryRegistryStore store_;
    std::optional<std::string> reply_;
    int fetches_ = 0;
    int notices_ = 0;
    int noticeResult_ = 2;
    std::function<void()> duringNotice_;
    std::vector<std::string> pages_;
};

TEST_F(UpdateCheckerTest, RepliesThatShowNothing) {
    const std::optional<std::string> replies[] = {
        std::nullopt,  // no connection, a certificate refused or an error status
        std::string(""), std::string("  \r\n"), std::string("ver=2.0\r\n"),
        std::string("ver=1.9\r\n")};
    for (const auto& r : replies) {
        reply_ = r;
        UpdateChecker checker = Make();
        checker.Check(nullptr);
        EXPECT_EQ(notices_, 0) << r.value_or("(none)");
        EXPECT_FALSE(checker.Fetching());
    }
    EXPECT_EQ(ReadSettingsDate(store_, kUpdateDate), 0) << "nothing was stored";
}

TEST_F(UpdateCheckerTest, ANewerVersionClosedWaitsADayThenFive) {
    reply_ = "ver=2.1\r\n";
    UpdateChecker checker = Make();
    checker.Check(nullptr);
    EXPECT_EQ(notices_, 1);
    EXPECT_EQ(ReadSettingsDate(store_, kUpdateDate), kToday + 1);

    checker.Check(nullptr);
    EXPECT_EQ(fetches_, 1) << "not before the stored day";

    ASSERT_TRUE(WriteSettingsDate(store_, kUpdateDate, kToday));
    checker.Check(nullptr);
    EXPECT_EQ(notices_, 2);
    EXPECT_EQ(ReadSettingsDate(store_, kUpdateDate), kToday + 5);
    EXPECT_TRUE(pages_.empty());
}

TEST_F(UpdateCheckerTest, UpdatingOpensTheDownloadAndKeepsTheDay) {
    reply_ = "ver=2.1\r\n";
    noticeResult_ = 1;
    UpdateChecker checker = Make();
    checker.Check(nullptr);
    EXPECT_EQ(pages_, std::vector<std::string>{"/download.php"});
    EXPECT_EQ(ReadSettingsDate(store_, kUpdateDate), 0);
    checker.Check(nullptr);
    EXPECT_EQ(notices_, 2) << "the next check shows it again";
}

TEST_F(UpdateCheckerTest, NoSecondCheckWhileTheNoticeShows) {
    reply_ = "ver=3.0\r\n";
    UpdateChecker checker = Make();
    duringNotice_ = [&] {
        EXPECT_TRUE(checker.NoticeShowing());
        checker.Check(nullptr);  // the hourly timer during the modal loop
    };
    checker.Check(nullptr);
    EXPECT_EQ(fetches_, 1);
    EXPECT_EQ(notices_, 1);
}

}  // namespace
}  // namespace lg::win
