#include <gtest/gtest.h>

#include <thread>

#include "support/running_server.h"
#include "support/stored_state.h"
#include "support/test_pictures.h"
#include "support/upload_client.h"

namespace lg::srv {
namespace {

TEST(ParallelUploads, SixtyFourAtOnceAreAllServedBackIntact) {
    constexpr int kUploads = 64;
    test::RunningServer server([](ServerOptions& o) {
        o.uploadsPerAddressPerMinute = 0;
        o.uploadsPerHashPerMinute = 0;
        o.threads = 16;
    });
    std::vector<std::string> pictures;
    for (int i = 0; i < kUploads; ++i) {
        pictures.push_back(i % 2 ? test::MakeJpeg(64 + i, 48, 100 + i)
                                 : test::MakePng(64 + i, 48, 100 + i));
    }
    std::vector<test::UploadReply> replies(kUploads);
    std::vector<std::thread> threads;
    for (int i = 0; i < kUploads; ++i) {
        threads.emplace_back([&, i] {
            auto client = server.Client();
            replies[i] = test::PostUpload(
                *client,
                test::ClientParts(test::kTestUserHash, i % 2 ? ".JPG" : ".PNG", pictures[i]));
        });
    }
    for (std::thread& t : threads) t.join();

    auto client = server.Client();
    std::set<std::string> links;
    for (int i = 0; i < kUploads; ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(replies[i].status, 200) << replies[i].json.dump();
        const std::string path = test::PathOfLink(replies[i].screenLink());
        links.insert(path);
        const httplib::Result got = client->Get(path.c_str());
        ASSERT_TRUE(got);
        EXPECT_EQ(got->body, pictures[i]);
    }
    EXPECT_EQ(links.size(), size_t{kUploads});
    const test::StoredState state = test::ReadStoredState(server.dataDir());
    EXPECT_EQ(state.rowIds.size(), size_t{kUploads});
    EXPECT_EQ(state.fileIds, state.rowIds);
    EXPECT_EQ(state.otherFiles, 0u);
}

}  // namespace
}  // namespace lg::srv
