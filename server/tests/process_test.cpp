// The real program: killed in the middle of uploads, and stopped by SIGTERM.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "picture/picture_header.h"
#include "store/sha256.h"
#include "store/sqlite_picture_index.h"
#include "support/child_server.h"
#include "support/raw_connection.h"
#include "support/running_server.h"
#include "support/stored_state.h"
#include "support/test_pictures.h"
#include "support/upload_client.h"

namespace lg::srv {
namespace {

using namespace std::chrono_literals;

struct Acknowledged {
    std::string path;
    size_t picture;
};

TEST(KilledServer, EveryAcknowledgedPictureSurvivesAndNothingHalfWrittenIsServed) {
    constexpr int kUploaders = 6;
    constexpr size_t kAcknowledgedBeforeKill = 24;
    test::TempFolder data;
    std::vector<std::string> pictures;
    for (int i = 0; i < kUploaders; ++i) pictures.push_back(test::MakePng(320, 300, 200 + i));

    std::vector<Acknowledged> acknowledged;
    std::mutex mutex;
    std::condition_variable enough;
    std::atomic<bool> stop{false};
    {
        test::ChildServer server(data.path(), {"--hash-rate", "0", "--address-rate", "0"});
        std::vector<std::thread> uploaders;
        for (int i = 0; i < kUploaders; ++i) {
            uploaders.emplace_back([&, i] {
                httplib::Client client("127.0.0.1", server.port());
                client.set_read_timeout(10, 0);
                while (!stop) {
                    const test::UploadReply reply = test::PostUpload(
                        client, test::ClientParts(test::kTestUserHash, ".PNG", pictures[i]));
                    if (reply.status != 200) break;  // the server is gone
                    std::lock_guard lock(mutex);
                    acknowledged.push_back({test::PathOfLink(reply.screenLink()), size_t(i)});
                    enough.notify_all();
                }
            });
        }
        {
            std::unique_lock lock(mutex);
            ASSERT_TRUE(enough.wait_for(
                lock, 60s, [&] { return acknowledged.size() >= kAcknowledgedBeforeKill; }));
        }
        server.Signal(SIGKILL);
        const int status = server.Wait(10s);
        stop = true;
        for (std::thread& t : uploaders) t.join();
        ASSERT_TRUE(WIFSIGNALED(status));
    }

    test::ChildServer restarted(data.path());
    httplib::Client client("127.0.0.1", restarted.port());
    for (const Acknowledged& a : acknowledged) {
        SCOPED_TRACE(a.path);
        const httplib::Result got = client.Get(a.path.c_str());
        ASSERT_TRUE(got);
        EXPECT_EQ(got->status, 200);
        EXPECT_EQ(got->body, pictures[a.picture]);
    }
    // Index and folder agree, no unfinished file is left, and every picture
    // the index lists is whole and the one it recorded.
    const test::StoredState state = test::ReadStoredState(data.path());
    EXPECT_EQ(state.fileIds, state.rowIds);
    EXPECT_EQ(state.otherFiles, 0u);
    EXPECT_GE(state.rowIds.size(), acknowledged.size());
    SqlitePictureIndex index(data.path() / "index.sqlite3");
    for (const PictureRecord& row : index.List()) {
        SCOPED_TRACE(row.id);
        const httplib::Result got = client.Get(("/s/" + row.id + ".png").c_str());
        ASSERT_TRUE(got);
        ASSERT_EQ(got->status, 200);
        EXPECT_EQ(Sha256Hex(got->body), row.sha256);
        const auto header = ReadPictureHeader(
            std::span(reinterpret_cast<const uint8_t*>(got->body.data()), got->body.size()));
        EXPECT_TRUE(header.has_value());
    }
}

TEST(StoppedServer, AnUploadInFlightFinishesAfterTheStop) {
    test::RunningServer server;
    const std::string png = test::MakePng(50, 50, 91);
    const std::string body = test::WireBody(test::ClientParts(test::kTestUserHash, ".PNG", png));
    test::RawConnection upload(server.port());
    // "100 Continue" comes once the server holds the request.
    ASSERT_TRUE(upload.Send(std::string("POST ") + test::kUploadPath + " HTTP/1.1\r\nHost: t\r\n" +
                            "Content-Type: " + test::WireContentType() + "\r\nContent-Length: " +
                            std::to_string(body.size()) + "\r\nExpect: 100-continue\r\n\r\n"));
    ASSERT_TRUE(upload.ReadUntil("100 Continue\r\n\r\n"));
    ASSERT_TRUE(upload.Send(body.substr(0, body.size() / 2)));

    server.server().Stop();
    // No new connection is taken any more ...
    httplib::Client late("127.0.0.1", server.port());
    late.set_connection_timeout(1, 0);
    EXPECT_FALSE(late.Get("/updates.txt"));
    // ... but the upload already under way completes.
    ASSERT_TRUE(upload.Send(body.substr(body.size() / 2)));
    const test::UploadReply reply =
        test::ParseRawReply(upload.ReadAll().substr(upload.received().find("\r\n\r\n") + 4));
    EXPECT_EQ(reply.status, 200);
    EXPECT_EQ(reply.error(), "");
    EXPECT_FALSE(reply.screenLink().empty());
    EXPECT_EQ(test::ReadStoredState(server.dataDir()).rowIds.size(), 1u);
}

TEST(StoppedServer, SigtermEndsTheProgramCleanly) {
    test::TempFolder data;
    test::ChildServer server(data.path());
    server.Signal(SIGTERM);
    const int status = server.Wait(10s);
    ASSERT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace lg::srv
