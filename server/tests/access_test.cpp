// The secret base path and the delete link.
#include <gtest/gtest.h>

#include "support/running_server.h"
#include "support/stored_state.h"
#include "support/test_pictures.h"
#include "support/upload_client.h"

namespace lg::srv {
namespace {

TEST(BasePath, EveryAddressLivesOnlyUnderIt) {
    test::RunningServer server([](ServerOptions& o) { o.basePath = "/k3y"; });
    auto client = server.Client();
    const std::string png = test::MakePng(12, 12, 61);
    const auto parts = test::ClientParts(test::kTestUserHash, ".PNG", png);

    // Outside: nothing answers, not even the upload gate.
    EXPECT_EQ(test::PostUpload(*client, parts).status, 404);
    EXPECT_EQ(test::PostUpload(*client, parts, "/k3yy/i/index.php?r=user/imggate").status, 404);
    EXPECT_TRUE(test::ReadStoredState(server.dataDir()).rowIds.empty());

    const test::UploadReply reply =
        test::PostUpload(*client, parts, std::string("/k3y") + test::kUploadPath);
    ASSERT_EQ(reply.status, 200);
    const std::string link = test::PathOfLink(reply.screenLink());
    ASSERT_TRUE(link.starts_with("/k3y/s/")) << link;
    ASSERT_TRUE(test::PathOfLink(reply.deleteLink()).starts_with("/k3y/d/"));
    const std::string inner = link.substr(4);

    for (const std::string& path : std::vector<std::string>{
             "/", "/updates.txt", "/support.php", "/download.php", inner, inner.substr(0, 15),
             "/K3Y/updates.txt", "/k3yy/updates.txt", "/x/k3y/updates.txt"}) {
        SCOPED_TRACE(path);
        const httplib::Result got = client->Get(path.c_str());
        ASSERT_TRUE(got);
        EXPECT_EQ(got->status, 404);
        EXPECT_EQ(got->body.find("ver="), std::string::npos);
    }
    for (const std::string& path :
         std::vector<std::string>{"/k3y", "/k3y/", "/k3y/updates.txt", "/k3y/support.php"}) {
        SCOPED_TRACE(path);
        const httplib::Result got = client->Get(path.c_str());
        ASSERT_TRUE(got);
        EXPECT_EQ(got->status, 200);
    }
    const httplib::Result picture = client->Get(link.c_str());
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->body, png);
}

TEST(DeleteLink, RemovesExactlyItsPictureAndAWrongSecretRemovesNothing) {
    test::RunningServer server;
    auto client = server.Client();
    const std::string first = test::MakePng(10, 10, 71), second = test::MakePng(10, 10, 72);
    const test::UploadReply a =
        test::PostUpload(*client, test::ClientParts(test::kTestUserHash, ".PNG", first));
    const test::UploadReply b =
        test::PostUpload(*client, test::ClientParts(test::kTestUserHash, ".PNG", second));
    ASSERT_EQ(a.status, 200);
    ASSERT_EQ(b.status, 200);
    const std::string deleteA = test::PathOfLink(a.deleteLink());
    const std::string linkA = test::PathOfLink(a.screenLink());
    const std::string linkB = test::PathOfLink(b.screenLink());
    const std::string idA = linkA.substr(3, 12);
    const std::string secretA = deleteA.substr(deleteA.rfind('/') + 1);
    const std::string secretB = test::PathOfLink(b.deleteLink()).substr(deleteA.rfind('/') + 1);
    ASSERT_EQ(secretA.size(), 32u);
    std::string flipped = secretA;
    flipped[31] = flipped[31] == '0' ? '1' : '0';

    auto status = [&](const httplib::Result& r) { return r ? r->status : 0; };
    // Wrong secrets, in every shape, and B's secret on A: nothing happens.
    for (const std::string& wrong :
         {flipped, secretB, secretA.substr(0, 31), secretA + "0", std::string("x")}) {
        SCOPED_TRACE(wrong);
        const std::string path = "/d/" + idA + "/" + wrong;
        EXPECT_EQ(status(client->Get(path.c_str())), 404);
        EXPECT_EQ(status(client->Post(path.c_str(), "", "application/x-www-form-urlencoded")), 404);
    }
    EXPECT_EQ(test::ReadStoredState(server.dataDir()).rowIds.size(), 2u);

    // GET only asks.
    const httplib::Result confirm = client->Get(deleteA.c_str());
    ASSERT_TRUE(confirm);
    EXPECT_EQ(confirm->status, 200);
    EXPECT_NE(confirm->body.find("<form method=\"post\">"), std::string::npos);
    EXPECT_EQ(status(client->Get(linkA.c_str())), 200);

    const httplib::Result done =
        client->Post(deleteA.c_str(), "", "application/x-www-form-urlencoded");
    ASSERT_TRUE(done);
    EXPECT_EQ(done->status, 200);
    EXPECT_EQ(status(client->Get(linkA.c_str())), 404);
    EXPECT_EQ(status(client->Get(("/s/" + idA).c_str())), 404);
    const httplib::Result stillB = client->Get(linkB.c_str());
    ASSERT_TRUE(stillB);
    EXPECT_EQ(stillB->body, second);
    // The link works once.
    EXPECT_EQ(status(client->Post(deleteA.c_str(), "", "application/x-www-form-urlencoded")), 404);

    const test::StoredState state = test::ReadStoredState(server.dataDir());
    EXPECT_EQ(state.rowIds, std::set<std::string>{linkB.substr(3, 12)});
    EXPECT_EQ(state.fileIds, state.rowIds);
}

}  // namespace
}  // namespace lg::srv
