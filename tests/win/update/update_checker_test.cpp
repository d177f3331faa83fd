// The update check in the shell: the retry timer really fires after a
// failed connection and stops once the list comes, and a refused
// connection on this system reads as "no connection" to the user.
#include "update/update_checker.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "output/message_pump.h"
#include "support/memory_registry_store.h"
#include "update/background_get.h"
#include "update/fetch_outcome_of.h"

namespace lg::win {
namespace {

constexpr double kToday = 46091;
// Short waits, so the real timer is seen in milliseconds.
constexpr UpdateRetryPolicy kQuickRetry{100, 1000};

class UpdateCheckerTest : public ::testing::Test {
protected:
    UpdateCheckServices Services() {
        UpdateCheckServices s;
        s.store = &store_;
        s.today = [] { return kToday; };
        s.programVersion = [] { return std::u16string(u"2.0"); };
        s.showNotice = [this](HWND) {
            ++notices_;
            return 2;
        };
        s.openPage = [](std::string_view) {};
        s.notify = [this](std::u16string_view text) { told_.emplace_back(text); };
        s.retry = kQuickRetry;
        return s;
    }

    MemoryRegistryStore store_;
    int notices_ = 0;
    std::vector<std::u16string> told_;
};

TEST_F(UpdateCheckerTest, RetryTimerFetchesAgainUntilTheListComes) {
    std::deque<FetchOutcome> replies = {
        {FetchFailure::NoConnection, 0, 12029, {}},
        {FetchFailure::NoConnection, 0, 12029, {}},
        {FetchFailure::None, 200, 0, u"ver=2.1\r\n"},
    };
    std::vector<ULONGLONG> fetchedAt;
    UpdateCheckServices s = Services();
    s.fetch = [&](std::function<void(FetchOutcome)> done) {
        fetchedAt.push_back(GetTickCount64());
        FetchOutcome next = replies.front();
        replies.pop_front();
        done(next);
        return true;
    };
    UpdateChecker checker(std::move(s));
    checker.Check(nullptr, UpdateTrigger::Automatic);
    EXPECT_TRUE(checker.RetryPending());
    ASSERT_NE(test::PumpUntil([&] { return fetchedAt.size() == 3; }, 5000), -1);
    EXPECT_GE(fetchedAt[1] - fetchedAt[0], 90u) << "after the first wait";
    EXPECT_GE(fetchedAt[2] - fetchedAt[1], 190u) << "the second wait is twice as long";
    EXPECT_EQ(notices_, 1);
    EXPECT_FALSE(checker.RetryPending());
    test::PumpFor(400);
    EXPECT_EQ(fetchedAt.size(), 3u) << "no retry once the list came";
    EXPECT_TRUE(told_.empty()) << "the automatic check says nothing";
}

// A loopback port nothing listens on.
int ClosedPort() {
    WSADATA wsa;
    if (WSAStartup(MAKEWORD(2, 2), &wsa) != 0) return 0;
    const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in at{};
    at.sin_family = AF_INET;
    at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int port = 0;
    if (bind(s, reinterpret_cast<sockaddr*>(&at), sizeof(at)) == 0) {
        int size = sizeof(at);
        getsockname(s, reinterpret_cast<sockaddr*>(&at), &size);
        port = ntohs(at.sin_port);
    }
    closesocket(s);
    WSACleanup();
    return port;
}

TEST_F(UpdateCheckerTest, ARefusedConnectionIsNoConnectionForTheUser) {
    const int port = ClosedPort();
    ASSERT_NE(port, 0);
    BackgroundGet fetcher;
    UpdateCheckServices s = Services();
    s.fetch = [&](std::function<void(FetchOutcome)> done) {
        return fetcher.Start(
            L"https://localhost:" + std::to_wstring(port) + L"/updates.txt", 5000, 1024,
            [done = std::move(done)](HttpGetResult result) { done(FetchOutcomeOf(result)); });
    };
    UpdateChecker checker(std::move(s));
    checker.Check(nullptr, UpdateTrigger::Asked);
    ASSERT_NE(test::PumpUntil([&] { return !told_.empty(); }, 10000), -1);
    EXPECT_EQ(told_, std::vector<std::u16string>{
                         u"Не удалось проверить обновление.\r\nНет соединения с сервером."});
    EXPECT_FALSE(checker.RetryPending()) << "asked for: the user was told instead";
}

}  // namespace
}  // namespace lg::win
