// The upload worker over real WinHTTP against a plain local listener (the
// program itself only ever sends over https): the request on the wire,
// the reply handed to the GUI thread, an error status, and a clean stop
// while the server never answers.
#include "output/send_screen.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "http_stub.h"
#include "message_pump.h"
#include "output/load_form.h"
#include "output/upload/multipart_body.h"
#include "output/winhttp_transport.h"
#include "platform/gdi_text_rasterizer.h"
#include "raster/text_rasterizer.h"

namespace lg::win {
namespace {

// A picture file of `size` bytes that holds every byte value.
std::vector<std::uint8_t> PictureBytes(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(i * 31 + i / 7);
    return bytes;
}

class SendScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetDefaultTextRasterizer(&text_);
        ASSERT_TRUE(loadForm_.CreateForm());
    }
    void TearDown() override { SetDefaultTextRasterizer(nullptr); }

    GdiTextRasterizer text_;
    TLoadForm loadForm_;
};

TEST_F(SendScreenTest, TheFormGoesOutWholeAndTheReplyComesBackOnTheGuiThread) {
    struct Case {
        const char* why;
        std::string response;
        std::string reply;  // what OnRedyLink gets
    };
    const std::string json = R"({"screen_link":"https://img.example/a"})";
    const Case cases[] = {
        {"a success status: the body",
         "HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: " +
             std::to_string(json.size()) + "\r\nConnection: close\r\n\r\n" + json,
         json},
        {"an error status: nothing, whatever its body",
         "HTTP/1.1 500 Internal Server Error\r\nContent-Length: " + std::to_string(json.size()) +
             "\r\nConnection: close\r\n\r\n" + json,
         ""},
    };
    const std::vector<std::uint8_t> picture = PictureBytes(100 * 1024);
    for (const Case& c : cases) {
        test::HttpStub stub(c.response);
        ASSERT_NE(stub.port(), 0);
        std::vector<std::string> replies;
        DWORD replyThread = 0;
        {
            TThreadSendScreen worker(WinHttpTransport::ToAddressForTests(stub.Url()));
            worker.OnRedyLink = [&](const std::string& reply) {
                replies.push_back(reply);
                replyThread = GetCurrentThreadId();
            };
            worker.SendScreen(picture, ".JPG");
            ASSERT_NE(test::PumpUntil([&] { return !replies.empty(); }, 30000), -1) << c.why;
            const std::string& hash = worker.SystemHashText();
            EXPECT_TRUE(std::regex_match(hash, std::regex("[0-9a-f]{32}"))) << hash;

            // The request on the wire: the path, the boundary the header
            // names, and the body built from the picture's own bytes.
            ASSERT_TRUE(stub.RequestComplete()) << c.why;
            const std::string& request = stub.Request();
            EXPECT_EQ(request.rfind("POST /i/index.php?r=user/imggate HTTP/1.1\r\n", 0), 0u);
            std::smatch m;
            ASSERT_TRUE(std::regex_search(
                request, m,
                std::regex("\r\nContent-Type: multipart/form-data; boundary=([^\r]+)\r\n")))
                << request.substr(0, 400);
            const std::string boundary = m[1];
            const std::string body = request.substr(request.find("\r\n\r\n") + 4);
            ASSERT_TRUE(std::regex_search(
                body, m, std::regex("filename=\"(TMP_SCREEN_NAME[0-9a-f]{32})\"")));
            const std::vector<std::uint8_t> expected = BuildMultipartBody(
                {.userHash = hash, .format = ".JPG", .fileName = m[1].str(), .file = picture},
                boundary);
            EXPECT_TRUE(body == std::string(expected.begin(), expected.end())) << c.why;
        }
        ASSERT_EQ(replies.size(), 1u) << c.why;
        EXPECT_EQ(replies[0], c.reply) << c.why;
        EXPECT_EQ(replyThread, GetCurrentThreadId()) << "on the GUI thread";
        // The window closed when the reply came. (How far the bar got on
        // the way depends on how often the GUI thread caught up: progress
        // is coalesced, so a fast upload may show only its end.)
        EXPECT_FALSE(loadForm_.Showing()) << c.why;
    }
}

TEST_F(SendScreenTest, ExitDuringAnUploadIsNeverHeldUpAndTheRequestEnds) {
    test::HttpStub silent(std::nullopt);
    ASSERT_NE(silent.port(), 0);
    bool replied = false;
    auto worker =
        std::make_unique<TThreadSendScreen>(WinHttpTransport::ToAddressForTests(silent.Url()));
    worker->OnRedyLink = [&](const std::string&) { replied = true; };
    worker->SendScreen(PictureBytes(4096), ".PNG");
    ASSERT_NE(test::PumpUntil([&] { return silent.RequestComplete(); }, 30000), -1);
    test::PumpFor(300);  // the worker is now blocked waiting for the reply

    // The program exits: the panel goes, stopping the worker and waiting
    // for it while the worker is blocked on a reply that never comes.
    const ULONGLONG start = GetTickCount64();
    worker.reset();
    const ULONGLONG waited = GetTickCount64() - start;
    EXPECT_LE(waited, TThreadSendScreen::kStopWaitMs + 500u) << "the wait is bounded";

    // The request ends by itself: cancelled where the system can, else
    // at the 10 s read time-out; either way nothing reaches the window.
    const long closed = test::PumpUntil([&] { return silent.ClientClosed(); }, 15000);
    EXPECT_NE(closed, -1) << "the connection was let go";
    EXPECT_LT(static_cast<ULONGLONG>(closed) + waited, WinHttpTransport::kReceiveTimeoutMs + 2000u);
    EXPECT_FALSE(replied) << "nothing reaches a program that is stopping";
}

}  // namespace
}  // namespace lg::win
