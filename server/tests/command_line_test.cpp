#include "http/command_line.h"

#include <gtest/gtest.h>

#include <vector>

#include "http/request_router.h"

namespace lg::srv {
namespace {

std::variant<ServerOptions, std::string> Parse(std::vector<std::string_view> args) {
    return ParseServerCommandLine(args);
}

TEST(CommandLine, ReadsEveryOption) {
    const auto parsed = Parse({"--data",
                               "/srv/lg",
                               "--listen",
                               "0.0.0.0:443",
                               "--public-url",
                               "https://x.example/",
                               "--cert",
                               "c.pem",
                               "--key",
                               "k.pem",
                               "--latest-version",
                               "2.13",
                               "--base-path",
                               "/k3y_Z-9",
                               "--installer-url",
                               "https://x.example/setup.exe",
                               "--max-upload-mb",
                               "5",
                               "--hash-rate",
                               "0",
                               "--address-rate",
                               "7",
                               "--trust-forwarded-for",
                               "--threads",
                               "4",
                               "--quiet"});
    ASSERT_TRUE(std::holds_alternative<ServerOptions>(parsed)) << std::get<std::string>(parsed);
    const ServerOptions& o = std::get<ServerOptions>(parsed);
    EXPECT_EQ(o.dataDir, "/srv/lg");
    EXPECT_EQ(o.listenHost, "0.0.0.0");
    EXPECT_EQ(o.listenPort, 443);
    EXPECT_EQ(o.publicUrl, "https://x.example");
    EXPECT_EQ(o.certFile, "c.pem");
    EXPECT_EQ(o.keyFile, "k.pem");
    EXPECT_FALSE(o.plainHttp);
    EXPECT_EQ(o.latestVersion, "2.13");
    EXPECT_EQ(o.basePath, "/k3y_Z-9");
    EXPECT_EQ(o.installerUrl, "https://x.example/setup.exe");
    EXPECT_EQ(o.maxUploadBytes, 5u * 1024 * 1024);
    EXPECT_EQ(o.uploadsPerHashPerMinute, 0u);
    EXPECT_EQ(o.uploadsPerAddressPerMinute, 7u);
    EXPECT_TRUE(o.trustForwardedFor);
    EXPECT_EQ(o.threads, 4);
    EXPECT_FALSE(o.accessLog);
}

TEST(CommandLine, DefaultsOfCapAndRates) {
    const auto parsed = Parse({"--data", "d", "--listen", "127.0.0.1:8080", "--public-url",
                               "https://x.example", "--http"});
    ASSERT_TRUE(std::holds_alternative<ServerOptions>(parsed));
    const ServerOptions& o = std::get<ServerOptions>(parsed);
    EXPECT_EQ(o.maxUploadBytes, 25u * 1024 * 1024);
    EXPECT_EQ(o.uploadsPerHashPerMinute, 20u);
    EXPECT_EQ(o.uploadsPerAddressPerMinute, 60u);
    EXPECT_TRUE(o.plainHttp);
    EXPECT_TRUE(o.basePath.empty());
}

TEST(CommandLine, RefusesIncompleteOrWrongCommandLines) {
    const std::vector<std::string_view> base = {"--data",       "d",        "--listen", "h:1",
                                                "--public-url", "https://x"};
    auto with = [&](std::vector<std::string_view> extra) {
        std::vector<std::string_view> args = base;
        args.insert(args.end(), extra.begin(), extra.end());
        return args;
    };
    const std::vector<std::vector<std::string_view>> cases = {
        with({}),                                                    // neither TLS nor --http
        with({"--http", "--cert", "c", "--key", "k"}),               // both
        with({"--cert", "c"}),                                       // key missing
        with({"--http", "--latest-version", "2"}),                   // one number
        with({"--http", "--latest-version", "2.x"}),                 //
        with({"--http", "--base-path", "secret"}),                   // no leading '/'
        with({"--http", "--base-path", "/a/b"}),                     // two segments
        with({"--http", "--base-path", "/"}),                        //
        with({"--http", "--max-upload-mb", "0"}),                    //
        with({"--http", "--threads"}),                               // value missing
        with({"--http", "--bogus", "1"}),                            //
        {"--listen", "h:1", "--public-url", "https://x", "--http"},  // no --data
        {"--data", "d", "--listen", "h", "--public-url", "https://x", "--http"},
        {"--data", "d", "--listen", "h:1", "--public-url", "ftp://x", "--http"},
    };
    for (const auto& args : cases) {
        const auto parsed = Parse(args);
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << args.size();
        EXPECT_FALSE(std::get<std::string>(parsed).empty());
    }
}

TEST(BasePath, OnlyPathsInsideItAreAnswered) {
    struct Case {
        std::string_view path;
        std::optional<std::string_view> inside;
    };
    const Case cases[] = {
        {"/k3y/updates.txt", "/updates.txt"},
        {"/k3y/", "/"},
        {"/k3y", "/"},
        {"/k3y/s/abc", "/s/abc"},
        {"/updates.txt", std::nullopt},
        {"/k3yy/updates.txt", std::nullopt},
        {"/K3Y/updates.txt", std::nullopt},
        {"/x/k3y/updates.txt", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(StripBasePath(c.path, "/k3y"), c.inside) << c.path;
    EXPECT_EQ(StripBasePath("/updates.txt", ""), "/updates.txt");
}

}  // namespace
}  // namespace lg::srv
