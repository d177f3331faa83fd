// Reading the image server's reply: when it is a link and when a failure,
// for the replies a real server (or something in front of it) sends.
#include "output/upload/upload_reply.h"

#include <gtest/gtest.h>

namespace lg {
namespace {

std::optional<std::string> LinkOf(std::string_view reply) {
    const std::optional<UploadedPicture> uploaded = ReadUploadReply(reply);
    if (!uploaded) return std::nullopt;
    return uploaded->link;
}

TEST(UploadReplyTest, LinkOrFailure) {
    struct Case {
        std::string_view reply;
        std::optional<std::string> link;
        const char* why;
    };
    const std::optional<std::string> failed;
    const Case cases[] = {
        {R"({"screen_link":"https://img.example/a.png"})", "https://img.example/a.png",
         "a link and no error"},
        {R"({"error":"","screen_link":"https://img.example/b"})", "https://img.example/b",
         "an empty error"},
        {R"({"error":null,"screen_link":"https://img.example/c"})", "https://img.example/c",
         "a null error is no error"},
        {R"({"error":"quota","screen_link":"https://img.example/d"})", failed,
         "a non-empty error wins over the link"},
        {R"({"error":0,"screen_link":"https://img.example/d"})", failed,
         "a number error reads as \"0\""},
        {R"({"error":false,"screen_link":"https://img.example/d"})", failed,
         "a boolean error reads as \"false\""},
        {R"({"error":{"code":5},"screen_link":"https://img.example/d"})", failed,
         "an error object"},
        {R"({"error":""})", failed, "no link"},
        {R"({"screen_link":""})", failed, "an empty link"},
        {R"({"screen_link":null})", failed, "a null link"},
        {R"({"screen_link":12345})", "12345", "a number link reads by its text"},
        {R"({"screen_link":true})", "true", "a boolean link reads by its text"},
        {R"({"screen_link":["x"]})", failed, "an array is no link"},
        {R"(["screen_link","x"])", failed, "not an object"},
        {"  {\"screen_link\":\"https://img.example/e\"}\r\n", "https://img.example/e",
         "white space around it"},
        {R"({"screen_link":"https://img.example/f"}<!-- served by x -->)", "https://img.example/f",
         "text after the first complete value is ignored"},
        {R"({"screen_link":"https://img.example/g"}{"error":"late"})", "https://img.example/g",
         "even a second value"},
        {R"({"screen_link":"https://img.example/\u0436"})", "https://img.example/\xD0\xB6",
         "escapes decoded to UTF-8"},
        {"<html><body>502 Bad Gateway</body></html>", failed, "an HTML error page"},
        {R"({"screen_link":"https://img.example/h")", failed, "cut off"},
        {"", failed, "empty"},
        {"   ", failed, "only white space"},
    };
    for (const Case& c : cases) EXPECT_EQ(LinkOf(c.reply), c.link) << c.why;
}

TEST(UploadReplyTest, TheDeleteLinkIsKeptBesideTheLinkAndDecidesNothing) {
    struct Case {
        std::string_view reply;
        std::optional<UploadedPicture> uploaded;
        const char* why;
    };
    const Case cases[] = {
        {R"({"error":"","screen_link":"https://i.example/s/1.png","delete_link":"https://i.example/d/1/k"})",
         UploadedPicture{"https://i.example/s/1.png", "https://i.example/d/1/k"},
         "the image server's reply"},
        {R"({"screen_link":"https://i.example/s/2.png"})",
         UploadedPicture{"https://i.example/s/2.png", ""}, "a server without delete links"},
        {R"({"screen_link":"https://i.example/s/3.png","delete_link":{"url":"x"}})",
         UploadedPicture{"https://i.example/s/3.png", ""}, "an object is no delete link"},
        {R"({"screen_link":"","delete_link":"https://i.example/d/4/k"})", std::nullopt,
         "a delete link without a link is still a failure"},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadUploadReply(c.reply), c.uploaded) << c.why;
}

TEST(UploadReplyTest, OnlyWebAddressesGoToTheBrowser) {
    struct Case {
        std::string_view link;
        bool web;
    };
    const Case cases[] = {
        {"https://img.example/a", true},
        {"HTTP://img.example/a", true},
        {"file:///C:/Windows/a.exe", false},
        {"C:\\Windows\\system32\\calc.exe", false},
        {"https:", false},
        {"", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsWebLink(c.link), c.web) << c.link;
}

}  // namespace
}  // namespace lg
