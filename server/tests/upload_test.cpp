// The upload gate over HTTP, with the server in this process.
#include <gtest/gtest.h>

#include "support/running_server.h"
#include "support/stored_state.h"
#include "support/test_pictures.h"
#include "support/upload_client.h"

namespace lg::srv {
namespace {

using test::ClientParts;
using test::kTestUserHash;
using test::WirePart;

TEST(Upload, WireFormatUploadIsServedBackByteForByte) {
    test::RunningServer server;
    auto client = server.Client();
    struct Case {
        const char* format;
        std::string bytes;
        const char* extension;
        const char* contentType;
    };
    const Case cases[] = {
        {".PNG", test::MakePng(300, 200, 11), ".png", "image/png"},
        {".JPG", test::MakeJpeg(320, 240, 12), ".jpg", "image/jpeg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        const test::UploadReply reply =
            test::PostUpload(*client, ClientParts(kTestUserHash, c.format, c.bytes));
        ASSERT_EQ(reply.status, 200);
        ASSERT_TRUE(reply.json.contains("error"));
        EXPECT_EQ(reply.error(), "");
        const std::string path = test::PathOfLink(reply.screenLink());
        ASSERT_TRUE(path.starts_with("/s/")) << reply.screenLink();
        EXPECT_TRUE(path.ends_with(c.extension)) << path;
        EXPECT_EQ(path.size(), 3 + 12 + 4u);
        EXPECT_FALSE(test::PathOfLink(reply.deleteLink()).empty()) << reply.deleteLink();

        const httplib::Result got = client->Get(path.c_str());
        ASSERT_TRUE(got);
        EXPECT_EQ(got->status, 200);
        EXPECT_EQ(got->body, c.bytes);
        EXPECT_EQ(got->get_header_value("Content-Type"), c.contentType);
        EXPECT_EQ(got->get_header_value("X-Content-Type-Options"), "nosniff");
        EXPECT_EQ(got->get_header_value("Content-Security-Policy"), "default-src 'none'; sandbox");
        EXPECT_EQ(got->get_header_value("Cache-Control"), "public, max-age=31536000, immutable");
        EXPECT_EQ(got->get_header_value("ETag").size(), 66u);
    }
    EXPECT_EQ(test::ReadStoredState(server.dataDir()).rowIds.size(), 2u);
}

// A body cut before its closing boundary, as a dropped connection leaves it.
std::string WithoutClosingBoundary(const std::vector<WirePart>& parts) {
    std::string body = test::WireBody(parts);
    return body.substr(0, body.size() - (std::string(test::kTestBoundary).size() + 6));
}

TEST(Upload, BadRequestsAreRefusedWithAnErrorAndNothingIsStored) {
    constexpr size_t kCap = 64 * 1024;
    test::RunningServer server([](ServerOptions& o) {
        o.maxUploadBytes = kCap;
        o.uploadsPerHashPerMinute = 0;
        o.uploadsPerAddressPerMinute = 0;
    });
    auto client = server.Client();
    const std::string png = test::MakePng(20, 20, 21);
    const std::string jpeg = test::MakeJpeg(20, 20, 22);
    // Just over the cap, so only the form's own count can catch it (the
    // whole body stays under the declared-length limit).
    const std::string overCap = test::MakePng(160, 140, 23);
    ASSERT_GT(overCap.size(), kCap);
    ASSERT_LT(overCap.size(), kCap + 8 * 1024);

    auto parts = [&](const std::string& hash, const std::string& format, const std::string& file) {
        return ClientParts(hash, format, file);
    };
    auto without = [](std::vector<WirePart> p, size_t index) {
        p.erase(p.begin() + static_cast<std::ptrdiff_t>(index));
        return p;
    };
    auto plus = [](std::vector<WirePart> p, WirePart extra) {
        p.push_back(std::move(extra));
        return p;
    };
    auto renamed = [](std::vector<WirePart> p, std::string fileName) {
        p[2].fileName = std::move(fileName);
        return p;
    };
    const auto good = parts(kTestUserHash, ".PNG", png);

    struct Case {
        const char* name;
        std::string body;
        int status = 400;
        std::string contentType = test::WireContentType();
    };
    const Case cases[] = {
        {"no user_hash", test::WireBody(without(good, 0))},
        {"no format", test::WireBody(without(good, 1))},
        {"no file", test::WireBody(without(good, 2))},
        {"upper-case hash", test::WireBody(parts("0CC175B9C0F1B6A831C399E269772661", ".PNG", png))},
        {"short hash", test::WireBody(parts("0cc175b9", ".PNG", png))},
        {"overlong hash", test::WireBody(parts(std::string(200, 'a'), ".PNG", png))},
        {"unknown format", test::WireBody(parts(kTestUserHash, ".GIF", png))},
        {"lower-case format", test::WireBody(parts(kTestUserHash, ".png", png))},
        {"PNG bytes named JPG", test::WireBody(parts(kTestUserHash, ".JPG", png)), 415},
        {"JPEG bytes named PNG", test::WireBody(parts(kTestUserHash, ".PNG", jpeg)), 415},
        {"bytes that are no picture",
         test::WireBody(parts(kTestUserHash, ".PNG", "<html>not a picture</html>")), 415},
        {"empty file", test::WireBody(parts(kTestUserHash, ".PNG", "")), 415},
        {"truncated picture", test::WireBody(parts(kTestUserHash, ".PNG", png.substr(0, 300))),
         415},
        {"../ in the file name", test::WireBody(renamed(good, "../../etc/cron.d/x"))},
        {"empty file name", test::WireBody(renamed(good, ""))},
        {"a second format part", test::WireBody(plus(good, {"format", std::nullopt, ".PNG"}))},
        {"a second file part", test::WireBody(plus(good, good[2]))},
        {"an unknown part", test::WireBody(plus(good, {"comment", std::nullopt, "hi"}))},
        {"truncated body", WithoutClosingBoundary(good)},
        {"not multipart", png, 400, "application/octet-stream"},
        {"multipart without boundary", test::WireBody(good), 400, "multipart/form-data"},
        {"over the cap", test::WireBody(parts(kTestUserHash, ".PNG", overCap)), 413},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const test::UploadReply reply = test::PostBody(*client, c.body, c.contentType);
        EXPECT_EQ(reply.status, c.status);
        EXPECT_FALSE(reply.error().empty()) << reply.json.dump();
        EXPECT_EQ(reply.screenLink(), "");
    }
    const test::StoredState state = test::ReadStoredState(server.dataDir());
    EXPECT_TRUE(state.fileIds.empty());
    EXPECT_TRUE(state.rowIds.empty());
    EXPECT_EQ(state.otherFiles, 0u);
    // The same server still takes a good upload afterwards.
    EXPECT_EQ(test::PostUpload(*client, good).status, 200);
}

TEST(Upload, RefusalsBeforeTheBodyAndOnStalledOrCutConnections) {
    test::RunningServer server([](ServerOptions& o) {
        o.maxUploadBytes = 64 * 1024;
        o.ioTimeoutSeconds = 1;
    });
    const std::string body =
        test::WireBody(ClientParts(kTestUserHash, ".PNG", test::MakePng(20, 20, 31)));
    auto head = [](size_t length) {
        return std::string("POST /i/index.php?r=user/imggate HTTP/1.1\r\nHost: t\r\n") +
               "Content-Type: " + test::WireContentType() +
               "\r\nContent-Length: " + std::to_string(length) + "\r\n\r\n";
    };
    struct Case {
        const char* name;
        std::string request;
        bool closeSending;
        int status;  // 0: no reply expected
    };
    const Case cases[] = {
        // Only the headers are sent: the answer cannot have waited for a body.
        {"declared over the cap", head(26u * 1024 * 1024), false, 413},
        // Half the body, then silence past the server's time limit.
        {"stalled mid-body", head(body.size()) + body.substr(0, body.size() / 2), false, 400},
        // Half the body, then the client closes its side.
        {"cut mid-body", head(body.size()) + body.substr(0, body.size() / 2), true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const test::UploadReply reply =
            test::ParseRawReply(test::RawExchange(server.port(), c.request, c.closeSending));
        EXPECT_EQ(reply.status, c.status);
        if (c.status != 0) {
            EXPECT_FALSE(reply.error().empty());
        }
    }
    const test::StoredState state = test::ReadStoredState(server.dataDir());
    EXPECT_TRUE(state.fileIds.empty());
    EXPECT_TRUE(state.rowIds.empty());
    EXPECT_EQ(state.otherFiles, 0u);
}

TEST(Upload, RateLimitsPerHashAndPerAddress) {
    test::RunningServer server([](ServerOptions& o) {
        o.uploadsPerHashPerMinute = 3;
        o.uploadsPerAddressPerMinute = 5;
    });
    auto client = server.Client();
    const std::string png = test::MakePng(8, 8, 41);
    const std::string hashA = kTestUserHash;
    const std::string hashB = "92eb5ffee6ae2fec3ad71c777531578f";
    struct Step {
        const std::string& hash;
        int status;
    };
    const Step steps[] = {
        {hashA, 200}, {hashA, 200}, {hashA, 200}, {hashA, 429},  // the hash's fourth in a minute
        {hashB, 200},  // another hash, the address's fifth
        {hashB, 429},  // the address's sixth
    };
    for (size_t i = 0; i < std::size(steps); ++i) {
        const test::UploadReply reply =
            test::PostUpload(*client, ClientParts(steps[i].hash, ".PNG", png));
        EXPECT_EQ(reply.status, steps[i].status) << "upload " << i;
        EXPECT_EQ(reply.error().empty(), steps[i].status == 200) << "upload " << i;
    }
    EXPECT_EQ(test::ReadStoredState(server.dataDir()).rowIds.size(), 4u);
}

}  // namespace
}  // namespace lg::srv
