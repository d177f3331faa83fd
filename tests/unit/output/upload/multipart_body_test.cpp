// The request body byte for byte, as the image server parses it.
#include "output/upload/multipart_body.h"

#include <gtest/gtest.h>

#include <string>

namespace lg {
namespace {

std::string AsText(const std::vector<std::uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

TEST(MultipartBodyTest, ThreePartsInOrderWithTheirHeadersAndTheClosingBoundary) {
    // A picture holding the bytes a careless builder would mangle: a zero,
    // CR LF, and something that looks like a boundary line.
    const std::string picture("\x89PNG\r\n\x1a\n\0\xff\r\n--B\r\n", 17);
    ASSERT_EQ(picture.size(), 17u);
    const std::vector<std::uint8_t> file(picture.begin(), picture.end());
    const std::vector<std::uint8_t> body =
        BuildMultipartBody({.userHash = "0123456789abcdef0123456789abcdef",
                            .format = ".PNG",
                            .fileName = "TMP_SCREEN_NAMEcfcd208495d565ef66e7dff9f98764da",
                            .file = file},
                           "XyZ");
    const std::string expected =
        "--XyZ\r\n"
        "Content-Disposition: form-data; name=\"user_hash\"\r\n"
        "Content-Type: text/plain\r\n"
        "Content-Transfer-Encoding: quoted-printable\r\n"
        "\r\n"
        "0123456789abcdef0123456789abcdef\r\n"
        "--XyZ\r\n"
        "Content-Disposition: form-data; name=\"format\"\r\n"
        "Content-Type: text/plain\r\n"
        "Content-Transfer-Encoding: quoted-printable\r\n"
        "\r\n"
        ".PNG\r\n"
        "--XyZ\r\n"
        "Content-Disposition: form-data; name=\"filescreen\"; "
        "filename=\"TMP_SCREEN_NAMEcfcd208495d565ef66e7dff9f98764da\"\r\n"
        "Content-Type: application/octet-stream\r\n"
        "Content-Transfer-Encoding: binary\r\n"
        "\r\n" +
        picture +
        "\r\n"
        "--XyZ--\r\n";
    EXPECT_EQ(AsText(body), expected);
}

TEST(MultipartBodyTest, ContentTypeNamesTheBoundary) {
    EXPECT_EQ(MultipartContentType("XyZ"), "multipart/form-data; boundary=XyZ");
}

TEST(MultipartBodyTest, BoundaryCarriesAllSixtyFourRandomBits) {
    EXPECT_EQ(MultipartBoundary(0x0123456789ABCDEFull), "--------LumigrabBoundary0123456789abcdef");
    EXPECT_NE(MultipartBoundary(1), MultipartBoundary(1ull << 63));
}

}  // namespace
}  // namespace lg
