// The update check over a fake host with its own clock: what a check the
// user asked for answers, what the automatic check keeps quiet about, the
// days it keeps to, and when it tries again after it could not connect.
#include "update/update_check_flow.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "settings/settings_date.h"
#include "support/memory_registry_store.h"
#include "update/feedback.h"

namespace lg {
namespace {

constexpr double kToday = 46091;  // 10 March 2026, as a settings date

FetchOutcome Reply(std::u16string body) {
    return {FetchFailure::None, 200, 0, std::move(body)};
}
FetchOutcome Failed(FetchFailure failure, int status = 0) {
    return {failure, status, 0, {}};
}

// The program's side: the notice, the notification, the pages, and the
// timers on a clock in milliseconds that only moves when the test says.
class FakeHost final : public UpdateCheckHost {
public:
    double Today() const override { return kToday; }
    std::u16string ProgramVersion() const override { return u"2.0"; }
    bool StartFetch() override {
        fetchTimes.push_back(now);
        if (deferred) return true;
        FetchOutcome next = replies.empty() ? Reply(u"ver=2.0\r\n") : replies.front();
        if (!replies.empty()) replies.pop_front();
        flow->FetchDone(next);
        return true;
    }
    bool ShowNotice() override {
        ++notices;
        if (duringNotice) duringNotice();
        return chooseUpdate;
    }
    void OpenDownloadPage() override { ++downloadPages; }
    void ShowNotification(std::u16string_view text) override { notifications.emplace_back(text); }
    void ScheduleRetry(std::uint32_t delayMs) override {
        retryAt = delayMs ? std::optional<std::uint64_t>(now + delayMs) : std::nullopt;
    }

    // The main window's timers: the start-up check a second after start,
    // the hourly one from start, and the retry. Runs every check that falls
    // due up to `until`.
    void RunUntil(std::uint64_t until) {
        for (;;) {
            std::uint64_t due = nextHourly;
            if (!startupDone) due = 1000;
            if (retryAt && *retryAt < due) due = *retryAt;
            if (due > until) break;
            now = due;
            if (!startupDone && due == 1000) {
                startupDone = true;
            } else if (retryAt && *retryAt == due) {
                retryAt.reset();
            } else {
                nextHourly += 3'600'000;
            }
            flow->Check(UpdateTrigger::Automatic);
        }
        now = until;
    }

    UpdateCheckFlow* flow = nullptr;
    std::deque<FetchOutcome> replies;
    bool deferred = false;  // the fetch answers only when the test says
    bool chooseUpdate = false;
    std::function<void()> duringNotice;

    std::uint64_t now = 0;
    bool startupDone = false;
    std::uint64_t nextHourly = 3'600'000;
    std::optional<std::uint64_t> retryAt;

    std::vector<std::uint64_t> fetchTimes;
    int notices = 0;
    int downloadPages = 0;
    std::vector<std::u16string> notifications;
};

class UpdateCheckFlowTest : public testing::Test {
protected:
    UpdateCheckFlowTest() { host_.flow = &flow_; }

    void StoreNextDay(double day) { ASSERT_TRUE(WriteSettingsDate(store_, kUpdateDate, day)); }
    double StoredNextDay() const { return ReadSettingsDate(store_, kUpdateDate); }

    MemoryRegistryStore store_;
    FakeHost host_;
    UpdateCheckFlow flow_{host_, store_};
};

// Every reply both ways: the user who asked always hears something; the
// automatic check shows only the notice, on a day it is due.
struct AnswerCase {
    const char* name;
    FetchOutcome outcome;
    double storedNextDay;  // 0: none stored
    bool notice;           // the notice comes up for the user
    const char16_t* told;  // the notification for the user; null: none
    bool automaticNotice;  // the automatic check brings up the notice
};
void PrintTo(const AnswerCase& c, std::ostream* os) {
    *os << c.name;
}

class UpdateAnswerTest : public UpdateCheckFlowTest,
                         public testing::WithParamInterface<AnswerCase> {};

TEST_P(UpdateAnswerTest, AskedAlwaysAnswersAutomaticStaysQuiet) {
    const AnswerCase& c = GetParam();
    if (c.storedNextDay != 0) StoreNextDay(c.storedNextDay);

    host_.replies = {c.outcome};
    EXPECT_EQ(flow_.Check(UpdateTrigger::Asked), CheckStart::Fetching);
    EXPECT_EQ(host_.notices, c.notice ? 1 : 0);
    if (c.told) {
        EXPECT_EQ(host_.notifications, std::vector<std::u16string>{c.told});
    } else {
        EXPECT_TRUE(host_.notifications.empty());
    }
    EXPECT_FALSE(host_.retryAt) << "a check the user asked for sets no retry";

    host_.notifications.clear();
    host_.notices = 0;
    if (c.storedNextDay != 0) {
        StoreNextDay(c.storedNextDay);
    } else {
        ASSERT_TRUE(store_.DeleteValue(kProgramKey, kUpdateDate));
    }
    host_.replies = {c.outcome};
    flow_.Check(UpdateTrigger::Automatic);
    EXPECT_EQ(host_.notices, c.automaticNotice ? 1 : 0);
    EXPECT_TRUE(host_.notifications.empty()) << "the automatic check says nothing else";
}

INSTANTIATE_TEST_SUITE_P(
    Replies, UpdateAnswerTest,
    testing::Values(
        AnswerCase{"newer", Reply(u"ver=2.1\r\n"), 0, true, nullptr, true},
        // Dismissed yesterday: the stored day is tomorrow.
        AnswerCase{"newerWhateverTheStoredDay", Reply(u"ver=2.1\r\n"), kToday + 1, true, nullptr,
                   false},
        AnswerCase{"sameVersion", Reply(u"ver=2.0\r\n"), 0, false,
                   u"Установлена последняя версия.\r\nВерсия программы 2.0.", false},
        AnswerCase{"olderVersion", Reply(u"ver=1.9\r\n"), kToday + 5, false,
                   u"Установлена последняя версия.\r\nВерсия программы 2.0.", false},
        AnswerCase{"noConnection", Failed(FetchFailure::NoConnection), 0, false,
                   u"Не удалось проверить обновление.\r\nНет соединения с сервером.", false},
        AnswerCase{"certificateRefused", Failed(FetchFailure::Certificate), 0, false,
                   u"Не удалось проверить обновление.\r\nСертификат сервера не принят.", false},
        AnswerCase{"errorStatus", Failed(FetchFailure::Status, 404), 0, false,
                   u"Не удалось проверить обновление.\r\nСервер ответил с кодом 404.", false},
        AnswerCase{"bodyCutOff", Failed(FetchFailure::Unreadable), 0, false,
                   u"Не удалось проверить обновление.\r\nОтвет сервера не удалось прочитать.",
                   false},
        AnswerCase{"blankBody", Reply(u"  \r\n"), 0, false,
                   u"Не удалось проверить обновление.\r\nОтвет сервера не удалось прочитать.",
                   false},
        // No list at all still counts as newer, as the list's rules say.
        AnswerCase{"pageThatIsNoList", Reply(u"<html>Welcome</html>"), 0, true, nullptr, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UpdateCheckFlowTest, ClosedNoticeMovesTheDayUpdatingKeepsIt) {
    struct Case {
        const char* name;
        double storedNextDay;
        UpdateTrigger trigger;
        bool chooseUpdate;
        double nextDayAfter;
    };
    const Case cases[] = {
        {"firstClose", 0, UpdateTrigger::Automatic, false, kToday + 1},
        {"laterClose", kToday, UpdateTrigger::Automatic, false, kToday + 5},
        {"askedBeforeTheDay", kToday + 1, UpdateTrigger::Asked, false, kToday + 5},
        {"update", 0, UpdateTrigger::Automatic, true, 0},
        {"updateAsked", kToday + 3, UpdateTrigger::Asked, true, kToday + 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemoryRegistryStore store;
        FakeHost host;
        UpdateCheckFlow flow(host, store);
        host.flow = &flow;
        if (c.storedNextDay != 0) {
            ASSERT_TRUE(WriteSettingsDate(store, kUpdateDate, c.storedNextDay));
        }
        host.replies = {Reply(u"ver=2.1\r\n")};
        host.chooseUpdate = c.chooseUpdate;
        flow.Check(c.trigger);
        EXPECT_EQ(host.notices, 1);
        EXPECT_EQ(host.downloadPages, c.chooseUpdate ? 1 : 0);
        EXPECT_EQ(ReadSettingsDate(store, kUpdateDate), c.nextDayAfter);
    }
}

TEST_F(UpdateCheckFlowTest, AutomaticCheckWaitsForTheStoredDay) {
    StoreNextDay(kToday + 1);
    EXPECT_EQ(flow_.Check(UpdateTrigger::Automatic), CheckStart::NotDue);
    EXPECT_TRUE(host_.fetchTimes.empty());
    StoreNextDay(kToday);
    EXPECT_EQ(flow_.Check(UpdateTrigger::Automatic), CheckStart::Fetching) << "due on the day";
    EXPECT_EQ(host_.fetchTimes.size(), 1u);
}

TEST_F(UpdateCheckFlowTest, NoReplyOrUpToDateKeepsTheDay) {
    StoreNextDay(kToday - 2);
    host_.replies = {Failed(FetchFailure::NoConnection), Reply(u"ver=2.0\r\n"),
                     Failed(FetchFailure::Status, 500)};
    for (int i = 0; i < 3; ++i) flow_.Check(UpdateTrigger::Automatic);
    EXPECT_EQ(host_.fetchTimes.size(), 3u);
    EXPECT_EQ(StoredNextDay(), kToday - 2);
}

// The automatic checks on the clock: a second after start, hourly from
// start, and the retries after failed connections.
struct RetryCase {
    const char* name;
    std::vector<FetchOutcome> replies;  // in order; "ver=2.0" after them
    std::vector<std::uint64_t> fetchSeconds;
};
void PrintTo(const RetryCase& c, std::ostream* os) {
    *os << c.name;
}

class UpdateRetryTest : public UpdateCheckFlowTest,
                        public testing::WithParamInterface<RetryCase> {};

TEST_P(UpdateRetryTest, FetchTimesOverTwoHours) {
    const RetryCase& c = GetParam();
    host_.replies.assign(c.replies.begin(), c.replies.end());
    host_.RunUntil(7'200'000);
    std::vector<std::uint64_t> seconds;
    for (std::uint64_t ms : host_.fetchTimes) seconds.push_back(ms / 1000);
    EXPECT_EQ(seconds, c.fetchSeconds);
    EXPECT_TRUE(host_.notifications.empty());
}

const FetchOutcome kNoConnection = Failed(FetchFailure::NoConnection);

INSTANTIATE_TEST_SUITE_P(
    Clock, UpdateRetryTest,
    testing::Values(
        RetryCase{"reachedAtStart", {}, {1, 3600, 7200}},
        RetryCase{"notReachedAtStartTriesAfterAMinute", {kNoConnection}, {1, 61, 3600, 7200}},
        RetryCase{"certificateRefusedTriesAfterAMinute",
                  {Failed(FetchFailure::Certificate)},
                  {1, 61, 3600, 7200}},
        RetryCase{"eachFailureDoublesTheWait",
                  {kNoConnection, kNoConnection, kNoConnection},
                  {1, 61, 181, 421, 3600, 7200}},
        // The sixth wait (32 min) would end after the hourly check, which
        // takes its place; from then on the hour is the wait.
        RetryCase{"neverReachedFallsBackToTheHour",
                  std::vector<FetchOutcome>(9, kNoConnection),
                  {1, 61, 181, 421, 901, 1861, 3600, 7200}},
        RetryCase{"aReplyStartsTheCountAgain",
                  {kNoConnection, Reply(u"ver=2.0\r\n"), kNoConnection},
                  {1, 61, 3600, 3660, 7200}},
        // The server answered: it is there, the hour is soon enough.
        RetryCase{
            "errorStatusWaitsForTheHour", {Failed(FetchFailure::Status, 503)}, {1, 3600, 7200}},
        RetryCase{
            "unreadableReplyWaitsForTheHour", {Failed(FetchFailure::Unreadable)}, {1, 3600, 7200}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UpdateCheckFlowTest, AskedCheckEndsAPendingRetryWhenItGetsThrough) {
    host_.replies = {kNoConnection};
    host_.RunUntil(2'000);
    ASSERT_EQ(host_.retryAt, std::optional<std::uint64_t>(61'000));
    host_.replies = {kNoConnection};
    flow_.Check(UpdateTrigger::Asked);
    EXPECT_EQ(host_.retryAt, std::optional<std::uint64_t>(61'000))
        << "the user's failure leaves it";
    flow_.Check(UpdateTrigger::Asked);
    EXPECT_FALSE(host_.retryAt) << "the list came: no retry";
    EXPECT_EQ(flow_.ConnectFailures(), 0);
}

TEST_F(UpdateCheckFlowTest, AskingWhileTheTimersFetchRunsIsAnsweredByItsReply) {
    host_.deferred = true;
    ASSERT_EQ(flow_.Check(UpdateTrigger::Automatic), CheckStart::Fetching);
    EXPECT_EQ(flow_.Check(UpdateTrigger::Asked), CheckStart::Busy);
    EXPECT_EQ(host_.fetchTimes.size(), 1u) << "one request";
    flow_.FetchDone(Reply(u"ver=2.0\r\n"));
    EXPECT_EQ(host_.notifications.size(), 1u);
    EXPECT_FALSE(flow_.Fetching());

    // The next automatic reply is quiet again.
    flow_.Check(UpdateTrigger::Automatic);
    flow_.FetchDone(Reply(u"ver=2.0\r\n"));
    EXPECT_EQ(host_.notifications.size(), 1u);
}

TEST_F(UpdateCheckFlowTest, NothingMoreWhileTheNoticeShows) {
    host_.replies = {Reply(u"ver=3.0\r\n")};
    host_.duringNotice = [&] {
        EXPECT_TRUE(flow_.NoticeShowing());
        EXPECT_EQ(flow_.Check(UpdateTrigger::Automatic), CheckStart::Busy);  // the hourly timer
        EXPECT_EQ(flow_.Check(UpdateTrigger::Asked), CheckStart::Busy);      // the tray menu
    };
    flow_.Check(UpdateTrigger::Asked);
    EXPECT_EQ(host_.fetchTimes.size(), 1u);
    EXPECT_EQ(host_.notices, 1);
    EXPECT_TRUE(host_.notifications.empty());
}

TEST_F(UpdateCheckFlowTest, AFetchThatCannotStartCountsAsNoConnection) {
    struct NoThreads final : public UpdateCheckHost {
        double Today() const override { return kToday; }
        std::u16string ProgramVersion() const override { return u"2.0"; }
        bool StartFetch() override { return false; }
        bool ShowNotice() override { return false; }
        void OpenDownloadPage() override {}
        void ShowNotification(std::u16string_view text) override { told.emplace_back(text); }
        void ScheduleRetry(std::uint32_t delayMs) override { retry = delayMs; }
        std::vector<std::u16string> told;
        std::uint32_t retry = 0;
    } host;
    UpdateCheckFlow flow(host, store_);
    flow.Check(UpdateTrigger::Asked);
    EXPECT_EQ(host.told, std::vector<std::u16string>{
                             u"Не удалось проверить обновление.\r\nНет соединения с сервером."});
    EXPECT_FALSE(flow.Fetching());
    flow.Check(UpdateTrigger::Automatic);
    EXPECT_EQ(host.retry, 60'000u);
}

}  // namespace
}  // namespace lg
