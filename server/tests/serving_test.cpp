// Pictures, their pages, the update list and the site pages over HTTP.
#include <gtest/gtest.h>

#include <fstream>

#include "support/running_server.h"
#include "support/test_pictures.h"
#include "support/upload_client.h"

namespace lg::srv {
namespace {

class Serving : public ::testing::Test {
protected:
    void SetUp() override {
        const test::UploadReply reply =
            test::PostUpload(*client_, test::ClientParts(test::kTestUserHash, ".PNG", picture_));
        ASSERT_EQ(reply.status, 200);
        path_ = test::PathOfLink(reply.screenLink());
        id_ = path_.substr(3, 12);
    }

    test::RunningServer server_{[](ServerOptions& o) { o.latestVersion = "2.7"; }};
    std::unique_ptr<httplib::Client> client_ = server_.Client();
    const std::string picture_ = test::MakePng(40, 30, 51);
    std::string path_, id_;
};

TEST_F(Serving, RangesOfThePicture) {
    const size_t n = picture_.size();
    struct Case {
        const char* range;
        int status;
        std::string body;
        std::string contentRange;
    };
    const Case cases[] = {
        {"bytes=0-9", 206, picture_.substr(0, 10), "bytes 0-9/" + std::to_string(n)},
        {"bytes=10-", 206, picture_.substr(10),
         "bytes 10-" + std::to_string(n - 1) + "/" + std::to_string(n)},
        {"bytes=-12", 206, picture_.substr(n - 12),
         "bytes " + std::to_string(n - 12) + "-" + std::to_string(n - 1) + "/" + std::to_string(n)},
        // An end past the picture is cut to its last byte.
        {"bytes=5-99999999", 206, picture_.substr(5),
         "bytes 5-" + std::to_string(n - 1) + "/" + std::to_string(n)},
        {"bytes=99999999-", 416, "", "bytes */" + std::to_string(n)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.range);
        const httplib::Result got = client_->Get(path_.c_str(), {{"Range", c.range}});
        ASSERT_TRUE(got);
        EXPECT_EQ(got->status, c.status);
        EXPECT_EQ(got->body, c.body);
        EXPECT_EQ(got->get_header_value("Content-Range"), c.contentRange);
    }
}

TEST_F(Serving, HeadAndConditionalRequests) {
    const httplib::Result head = client_->Head(path_.c_str());
    ASSERT_TRUE(head);
    EXPECT_EQ(head->status, 200);
    EXPECT_TRUE(head->body.empty());
    EXPECT_EQ(head->get_header_value("Content-Type"), "image/png");
    const std::string etag = head->get_header_value("ETag");
    ASSERT_FALSE(etag.empty());

    const httplib::Result again = client_->Get(path_.c_str(), {{"If-None-Match", etag}});
    ASSERT_TRUE(again);
    EXPECT_EQ(again->status, 304);
    EXPECT_TRUE(again->body.empty());
    const httplib::Result other = client_->Get(path_.c_str(), {{"If-None-Match", "\"other\""}});
    ASSERT_TRUE(other);
    EXPECT_EQ(other->status, 200);
    EXPECT_EQ(other->body, picture_);
}

TEST_F(Serving, PageOfThePictureShowsItWithSizeAndDate) {
    const httplib::Result page = client_->Get(("/s/" + id_).c_str());
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200);
    EXPECT_EQ(page->get_header_value("Content-Type"), "text/html; charset=utf-8");
    EXPECT_NE(page->body.find("<img src=\"/s/" + id_ + ".png\""), std::string::npos);
    EXPECT_NE(page->body.find("40 × 30"), std::string::npos);
    EXPECT_NE(page->body.find(" UTC"), std::string::npos);
    EXPECT_NE(page->get_header_value("Content-Security-Policy").find("default-src 'none'"),
              std::string::npos);
}

TEST_F(Serving, AnythingButAWellFormedStoredIdIsNotFound) {
    const std::string other = id_.substr(0, 11) + (id_[11] == 'a' ? "b" : "a");
    for (const std::string& path : std::vector<std::string>{
             "/s/" + id_ + ".jpg", "/s/" + id_ + ".PNG", "/s/" + id_ + ".png/",
             "/s/" + other + ".png", "/s/" + id_.substr(0, 11) + ".png", "/s/../index.sqlite3",
             "/s/%2e%2e/index.sqlite3", "/pictures/" + id_.substr(0, 2) + "/" + id_ + ".png",
             "/index.sqlite3", "/s/", "/i/index.php", "/nothing"}) {
        SCOPED_TRACE(path);
        const httplib::Result got = client_->Get(path.c_str());
        ASSERT_TRUE(got);
        EXPECT_EQ(got->status, 404);
        EXPECT_EQ(got->body.find("\x89PNG"), std::string::npos);
    }
    // The gate takes only its own query.
    const test::UploadReply wrongQuery =
        test::PostUpload(*client_, test::ClientParts(test::kTestUserHash, ".PNG", picture_),
                         "/i/index.php?r=user/other");
    EXPECT_EQ(wrongQuery.status, 404);
}

TEST_F(Serving, UpdateListAndPages) {
    const httplib::Result updates = client_->Get("/updates.txt");
    ASSERT_TRUE(updates);
    EXPECT_EQ(updates->status, 200);
    EXPECT_EQ(updates->body, "ver=2.7\r\n");

    struct Page {
        const char* path;
        const char* heading;
    };
    const Page pages[] = {
        {"/", "<h1>ЛюмиГРАБ</h1>"},
        {"/support.php", "<h1>Поддержка</h1>"},
        {"/survey200.php", "<h1>Спасибо"},
        {"/welcome.php", "<h1>Добро пожаловать!</h1>"},
        {"/take-screenshot.php", "<h1>Как сделать снимок экрана</h1>"},
        {"/versiya-pro.php", "<h1>Версия Pro</h1>"},
        {"/download.php", "<h1>Скачать ЛюмиГРАБ</h1>"},
    };
    for (const Page& p : pages) {
        SCOPED_TRACE(p.path);
        const httplib::Result got = client_->Get(p.path);
        ASSERT_TRUE(got);
        EXPECT_EQ(got->status, 200);
        EXPECT_EQ(got->get_header_value("Content-Type"), "text/html; charset=utf-8");
        EXPECT_NE(got->body.find(p.heading), std::string::npos);
    }

    // A file in the data folder replaces a built-in page.
    std::filesystem::create_directories(server_.dataDir() / "pages");
    std::ofstream(server_.dataDir() / "pages" / "support.html") << "<p>Звоните: 01</p>";
    const httplib::Result replaced = client_->Get("/support.php");
    ASSERT_TRUE(replaced);
    EXPECT_EQ(replaced->body, "<p>Звоните: 01</p>");
}

TEST(Download, RedirectsToTheInstallerOrServesItFromTheDataFolder) {
    test::RunningServer redirecting(
        [](ServerOptions& o) { o.installerUrl = "https://files.example/LumigrabSetup.exe"; });
    const httplib::Result moved = redirecting.Client()->Get("/download.php");
    ASSERT_TRUE(moved);
    EXPECT_EQ(moved->status, 302);
    EXPECT_EQ(moved->get_header_value("Location"), "https://files.example/LumigrabSetup.exe");

    test::RunningServer serving;
    std::ofstream(serving.dataDir() / "LumigrabSetup.exe", std::ios::binary) << "MZ-installer";
    const httplib::Result file = serving.Client()->Get("/download.php");
    ASSERT_TRUE(file);
    EXPECT_EQ(file->status, 200);
    EXPECT_EQ(file->body, "MZ-installer");
    EXPECT_EQ(file->get_header_value("Content-Type"), "application/octet-stream");
}

}  // namespace
}  // namespace lg::srv
