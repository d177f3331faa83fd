// The upload worker's logic with a fake HTTP client and a fake GUI thread:
// what each upload sends, the order in which the window steps run, a
// second picture while one is being sent, failures, stopping, and the
// end of the program letting the upload under way finish.
#include "output/upload/screen_uploader.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "output/upload/multipart_body.h"
#include "output/upload/upload_names.h"

namespace lg {
namespace {

constexpr char kHash[] = "0123456789abcdef0123456789abcdef";

// The GUI thread's side: counts the wake-ups and, unless told to leave
// them for the test, answers each at once as an idle GUI thread would.
struct FakeGui : GuiThreadWake {
    bool Wake() override {
        ++wakes;
        if (deliverAtOnce) Deliver();
        return accepts;
    }
    void Deliver() {
        inside = true;
        uploader->DeliverToGui();
        inside = false;
    }
    ScreenUploader* uploader = nullptr;
    bool deliverAtOnce = true;
    bool accepts = true;
    int wakes = 0;
    bool inside = false;
};

struct SentRequest {
    std::string contentType;
    std::string body;
};

// Writes each body in `chunk`-byte pieces and answers with the next reply
// of `replies` (nothing = a failed request). `during` runs after the first
// piece, as if the GUI thread acted while the upload is under way.
struct FakeTransport : UploadTransport {
    std::optional<std::string> Post(const UploadRequest& request,
                                    const std::function<void(std::int64_t)>& written) override {
        sent.push_back({std::string(request.contentType),
                        std::string(request.body.begin(), request.body.end())});
        std::int64_t count = 0;
        bool first = true;
        while (count < static_cast<std::int64_t>(request.body.size())) {
            if (cancelled) return std::nullopt;
            count = std::min<std::int64_t>(count + chunk, request.body.size());
            written(count);
            if (first && during) {
                first = false;
                auto act = std::move(during);
                during = nullptr;
                act();
            }
        }
        if (cancelled || replies.empty()) return std::nullopt;
        std::optional<std::string> reply = replies.front();
        replies.erase(replies.begin());
        return reply;
    }
    void Cancel() override { cancelled = true; }

    std::int64_t chunk = 1 << 20;
    std::vector<std::optional<std::string>> replies;
    std::function<void()> during;
    std::vector<SentRequest> sent;
    bool cancelled = false;
};

class ScreenUploaderTest : public ::testing::Test {
protected:
    ScreenUploaderTest()
        : uploader_(kHash, transport_, gui_,
                    {.ShowProgress =
                         [this](int pos) {
                             EXPECT_TRUE(gui_.inside) << "ShowProgress off the GUI thread";
                             log_.push_back("progress " + std::to_string(pos));
                         },
                     .DeliverLink =
                         [this](const std::string& reply) {
                             EXPECT_TRUE(gui_.inside) << "DeliverLink off the GUI thread";
                             log_.push_back("link " + reply);
                             if (duringLink_) duringLink_();
                         }},
                    [this] { return randoms_.at(nextRandom_++); }) {
        gui_.uploader = &uploader_;
    }

    static std::vector<std::uint8_t> Picture(std::string_view bytes) {
        return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
    }

    FakeGui gui_;
    FakeTransport transport_;
    std::vector<std::string> log_;
    std::function<void()> duringLink_;
    std::vector<std::uint64_t> randoms_;
    std::size_t nextRandom_ = 0;
    ScreenUploader uploader_;
};

TEST_F(ScreenUploaderTest, SendsTheFormAndReportsProgressThenTheReply) {
    // 9,999,999 is one past the name's range: it wraps to 0.
    randoms_ = {9'999'999, 0xABCDull};
    const std::vector<std::uint8_t> picture(1000, 0x5A);
    transport_.chunk = 250;
    transport_.replies = {R"({"screen_link":"https://img.example/1"})"};
    uploader_.SendScreen(picture, ".JPG");
    uploader_.UploadPending();

    ASSERT_EQ(transport_.sent.size(), 1u);
    const std::string boundary = MultipartBoundary(0xABCD);
    EXPECT_EQ(transport_.sent[0].contentType, MultipartContentType(boundary));
    const std::vector<std::uint8_t> expected = BuildMultipartBody(
        {.userHash = kHash, .format = ".JPG", .fileName = UploadFileName(0), .file = picture},
        boundary);
    EXPECT_EQ(transport_.sent[0].body, std::string(expected.begin(), expected.end()));

    // The body is the picture and about 500 bytes of headers, written 250
    // at a time, against the picture's 1000 bytes.
    std::vector<std::string> want = {"progress 0"};
    for (std::int64_t count = 250;; count += 250) {
        const std::int64_t written = std::min<std::int64_t>(count, expected.size());
        want.push_back("progress " + std::to_string(ProgressPercent(written, 1000)));
        if (written == static_cast<std::int64_t>(expected.size())) break;
    }
    want.push_back(R"(link {"screen_link":"https://img.example/1"})");
    EXPECT_EQ(log_, want);
    EXPECT_GT(uploader_.LastPos(), 100) << "the headers carry the count past the picture";
}

TEST_F(ScreenUploaderTest, AFailedRequestDeliversAnEmptyReplyAndTheNextOneStillGoes) {
    randoms_ = {1, 2, 3, 4};
    transport_.replies = {std::nullopt, R"({"screen_link":"x"})"};
    uploader_.SendScreen(Picture("first"), ".PNG");
    uploader_.UploadPending();
    ASSERT_FALSE(log_.empty());
    EXPECT_EQ(log_.back(), "link ");
    log_.clear();
    uploader_.SendScreen(Picture("second"), ".PNG");
    uploader_.UploadPending();
    ASSERT_FALSE(log_.empty());
    EXPECT_EQ(log_.back(), R"(link {"screen_link":"x"})");
    // The last percentage of the first upload (past 100) opens the second:
    // the window is told to close before the new bytes reopen it.
    EXPECT_EQ(log_.front(),
              "progress " + std::to_string(ProgressPercent(
                                static_cast<std::int64_t>(transport_.sent[0].body.size()), 5)));
}

TEST_F(ScreenUploaderTest, APictureDuringAnUploadIsQueuedNotWrittenOverTheOneBeingSent) {
    randoms_ = {1, 2, 3, 4};
    std::vector<std::uint8_t> first = Picture("FIRST-PICTURE-BYTES");
    std::vector<std::uint8_t> second = Picture("second picture");
    transport_.chunk = 8;
    transport_.replies = {R"({"screen_link":"one"})", R"({"screen_link":"two"})"};
    transport_.during = [&] {
        uploader_.SendScreen(second, ".JPG");
        // The caller's buffer is free to go once SendScreen returns.
        second.assign(second.size(), '#');
        EXPECT_EQ(uploader_.Queued(), 1u);
    };
    uploader_.SendScreen(first, ".PNG");
    first.assign(first.size(), '#');
    uploader_.UploadPending();

    ASSERT_EQ(transport_.sent.size(), 2u) << "both pictures went, one after the other";
    EXPECT_NE(transport_.sent[0].body.find("FIRST-PICTURE-BYTES\r\n--"), std::string::npos);
    EXPECT_NE(transport_.sent[0].body.find("\r\n.PNG\r\n"), std::string::npos);
    EXPECT_NE(transport_.sent[1].body.find("second picture\r\n--"), std::string::npos);
    EXPECT_NE(transport_.sent[1].body.find("\r\n.JPG\r\n"), std::string::npos);
    std::vector<std::string> links;
    for (const std::string& line : log_) {
        if (line.starts_with("link ")) links.push_back(line);
    }
    EXPECT_EQ(links, (std::vector<std::string>{R"(link {"screen_link":"one"})",
                                               R"(link {"screen_link":"two"})"}));
    EXPECT_EQ(uploader_.Queued(), 0u);
}

TEST_F(ScreenUploaderTest, ABusyGuiThreadGetsOneWakeUpAndOnlyTheLatestProgress) {
    randoms_ = {1, 2, 3, 4, 5, 6};
    gui_.deliverAtOnce = false;  // the GUI thread is busy elsewhere
    transport_.chunk = 8;
    transport_.replies = {R"({"screen_link":"one"})", R"({"screen_link":"two"})"};
    uploader_.SendScreen(Picture("a picture of some length"), ".PNG");
    uploader_.UploadPending();
    EXPECT_EQ(gui_.wakes, 1) << "one message pending at most";
    EXPECT_TRUE(log_.empty()) << "nothing ran before the GUI thread came";

    gui_.Deliver();
    const std::string last = "progress " + std::to_string(uploader_.LastPos());
    EXPECT_EQ(log_, (std::vector<std::string>{last, R"(link {"screen_link":"one"})"}))
        << "the percentages collapsed into the last one, before the reply";

    // Once collected, the next upload wakes the GUI thread again.
    log_.clear();
    uploader_.SendScreen(Picture("another"), ".PNG");
    uploader_.UploadPending();
    EXPECT_EQ(gui_.wakes, 2);
    gui_.Deliver();
    ASSERT_EQ(log_.size(), 2u);
    EXPECT_EQ(log_.back(), R"(link {"screen_link":"two"})");
}

TEST_F(ScreenUploaderTest, AWakeUpThatCouldNotBePostedIsTriedAgainByTheNextEvent) {
    randoms_ = {1, 2};
    gui_.deliverAtOnce = false;
    gui_.accepts = false;
    transport_.chunk = 8;
    transport_.replies = {R"({"screen_link":"one"})"};
    uploader_.SendScreen(Picture("a picture of some length"), ".PNG");
    uploader_.UploadPending();
    EXPECT_GT(gui_.wakes, 1) << "a failed post leaves no wake-up pending";
    gui_.Deliver();
    ASSERT_FALSE(log_.empty());
    EXPECT_EQ(log_.back(), R"(link {"screen_link":"one"})") << "nothing was lost";
}

TEST_F(ScreenUploaderTest, StopCancelsTheUploadDropsTheQueueAndReachesNoWindow) {
    randoms_ = {1, 2, 3, 4};
    transport_.chunk = 4;
    transport_.replies = {R"({"screen_link":"one"})", R"({"screen_link":"two"})"};
    transport_.during = [&] {
        uploader_.SendScreen(Picture("queued"), ".PNG");
        log_.push_back("stop");
        uploader_.Stop();
    };
    uploader_.SendScreen(Picture("being sent"), ".PNG");
    uploader_.UploadPending();

    EXPECT_TRUE(transport_.cancelled);
    EXPECT_EQ(transport_.sent.size(), 1u) << "the queued picture never went";
    ASSERT_FALSE(log_.empty());
    EXPECT_EQ(log_.back(), "stop") << "nothing reached the GUI thread after Stop";
    uploader_.SendScreen(Picture("late"), ".PNG");
    EXPECT_EQ(uploader_.Queued(), 0u) << "nothing is queued once stopping";
}

TEST_F(ScreenUploaderTest, FinishLetsTheUploadUnderWayReachItsReplyAndDropsTheQueue) {
    randoms_ = {1, 2, 3, 4};
    transport_.chunk = 4;
    transport_.replies = {R"({"screen_link":"one"})", R"({"screen_link":"two"})"};
    FinishingUploads finishing;
    transport_.during = [&] {
        uploader_.SendScreen(Picture("queued first"), ".PNG");
        uploader_.SendScreen(Picture("queued second"), ".PNG");
        finishing = uploader_.Finish();
        uploader_.SendScreen(Picture("after the end was asked"), ".PNG");
    };
    uploader_.SendScreen(Picture("being sent"), ".PNG");
    uploader_.UploadPending();

    EXPECT_EQ(finishing.repliesToCome, 1u) << "the one being sent";
    EXPECT_EQ(finishing.dropped, 2u);
    EXPECT_FALSE(transport_.cancelled);
    EXPECT_EQ(transport_.sent.size(), 1u) << "nothing queued went, nothing new was queued";
    ASSERT_FALSE(log_.empty());
    EXPECT_EQ(log_.back(), R"(link {"screen_link":"one"})");
    EXPECT_EQ(uploader_.Queued(), 0u);
}

TEST_F(ScreenUploaderTest, AReplyIsStillToComeUntilItsHandlerHasRun) {
    randoms_ = {1, 2};
    gui_.deliverAtOnce = false;  // the reply waits for a busy GUI thread
    transport_.replies = {R"({"screen_link":"one"})"};
    uploader_.SendScreen(Picture("picture"), ".PNG");
    uploader_.UploadPending();
    EXPECT_EQ(uploader_.Finish().repliesToCome, 1u) << "sent, but not yet delivered";

    // Asked again from inside the handler (a message sent to the GUI
    // thread while it waits for the clipboard): this reply still counts.
    std::optional<FinishingUploads> inside;
    duringLink_ = [&] { inside = uploader_.Finish(); };
    gui_.Deliver();
    ASSERT_TRUE(inside);
    EXPECT_EQ(inside->repliesToCome, 1u);
    EXPECT_EQ(uploader_.Finish().repliesToCome, 0u) << "counted off once its handler returned";
}

}  // namespace
}  // namespace lg
