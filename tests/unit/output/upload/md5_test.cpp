// MD5 against the test suite of RFC 1321, and at the lengths where the
// padding changes shape (one block or two, the length field on a block
// edge), against digests from an independent implementation.
#include "output/upload/md5.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lg {
namespace {

TEST(Md5Test, TheVectorsOfRfc1321) {
    struct Case {
        std::string_view text;
        std::string_view digest;
    };
    const Case cases[] = {
        {"", "d41d8cd98f00b204e9800998ecf8427e"},
        {"a", "0cc175b9c0f1b6a831c399e269772661"},
        {"abc", "900150983cd24fb0d6963f7d28e17f72"},
        {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
        {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "d174ab98d277d9f5a5611c2c9f419d9f"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57edf4a22be3c955ac49da2e2107b67a"},
    };
    for (const Case& c : cases) EXPECT_EQ(Md5Hex(c.text), c.digest) << '"' << c.text << '"';
}

TEST(Md5Test, LengthsAroundTheBlockAndPaddingEdges) {
    struct Case {
        std::size_t length;
        std::string_view digest;
        const char* why;
    };
    const Case cases[] = {
        {55, "52c0e574e1198de5fe3f8f11440dcb1b", "the longest tail padded within its block"},
        {56, "46c9907fc908ee68b1e7b8e71286a518", "the shortest tail needing a second block"},
        {63, "a62f6d59e837867693f042f5b8f5a236", "one byte short of a block"},
        {64, "7160b8fb5e9e4023d549c3971fbaeead", "exactly one block, padding on its own"},
        {65, "70bd662e7aefbda85a0f7244167b7897", "one byte into the second block"},
        {119, "e84905d4214f4d1ca56c2cdcc152b143", "second block's longest padded tail"},
        {120, "e3eb5a6c8669ea01a8c185b8abc8a5dc", "second block overflows into a third"},
        {128, "10b2da1a82f16d99a81a7203fe9f02cb", "two whole blocks"},
    };
    for (const Case& c : cases) {
        std::string bytes;
        for (std::size_t i = 0; i < c.length; ++i) bytes += static_cast<char>((i * 7 + 3) & 255);
        EXPECT_EQ(Md5Hex(bytes), c.digest) << c.why;
    }
}

TEST(Md5Test, AMillionBytesThroughManyBlocks) {
    const std::vector<std::uint8_t> million(1000000, 'a');
    const Md5Digest d = Md5(million);
    std::string hex;
    for (const std::uint8_t b : d) {
        static constexpr char kDigits[] = "0123456789abcdef";
        hex += kDigits[b >> 4];
        hex += kDigits[b & 15];
    }
    EXPECT_EQ(hex, "7707d6ae4e027c70eea2a935c2296f21");
}

}  // namespace
}  // namespace lg
