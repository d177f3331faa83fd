// Reading PCM WAV files: the formats taken, the ones refused, and files
// cut short.
#include "sound/wav_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace lg {
namespace {

void Put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void Put16(std::vector<std::uint8_t>& b, std::uint16_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Tag(std::vector<std::uint8_t>& b, const char* t) {
    b.insert(b.end(), t, t + 4);
}

struct Fmt {
    std::uint16_t encoding = 1, channels = 1;
    std::uint32_t rate = 44100;
    std::uint16_t bits = 16;
    std::uint16_t align = 2;
    std::uint32_t perSecond = 88200;
};

// A file with an optional chunk before the format, and `claimed` data
// bytes of which `present` are there.
std::vector<std::uint8_t> Wav(const Fmt& f, std::uint32_t claimed, std::uint32_t present,
                              bool extraChunk = false) {
    std::vector<std::uint8_t> b;
    Tag(b, "RIFF");
    Put32(b, 0);  // readers do not rely on it
    Tag(b, "WAVE");
    if (extraChunk) {
        Tag(b, "LIST");
        Put32(b, 3);
        b.insert(b.end(), {1, 2, 3, 0});  // odd size, one pad byte
    }
    Tag(b, "fmt ");
    Put32(b, 16);
    Put16(b, f.encoding);
    Put16(b, f.channels);
    Put32(b, f.rate);
    Put32(b, f.perSecond);
    Put16(b, f.align);
    Put16(b, f.bits);
    Tag(b, "data");
    Put32(b, claimed);
    for (std::uint32_t i = 0; i < present; ++i) b.push_back(static_cast<std::uint8_t>(i));
    return b;
}

TEST(ParseWav, MonoAndStereoSixteenBitWithChunksBefore) {
    const auto mono = ParseWav(Wav(Fmt{}, 8, 8, true));
    ASSERT_TRUE(mono);
    EXPECT_EQ(mono->channels, 1);
    EXPECT_EQ(mono->bytesPerSecond, 88200u);
    EXPECT_EQ(mono->data.size(), 8u);
    EXPECT_EQ(mono->data[3], 3);

    const auto stereo = ParseWav(Wav(Fmt{1, 2, 22050, 16, 4, 88200}, 8, 8));
    ASSERT_TRUE(stereo);
    EXPECT_EQ(stereo->blockAlign, 4);
}

TEST(ParseWav, ACutFileKeepsItsWholeBlocks) {
    const auto cut = ParseWav(Wav(Fmt{}, 1000, 7));
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->data.size(), 6u);
}

TEST(ParseWav, RefusedFiles) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
    };
    Fmt adpcm;
    adpcm.encoding = 2;
    Fmt threeChannels{1, 3, 44100, 16, 6, 264600};
    Fmt bits24{1, 1, 44100, 24, 3, 132300};
    Fmt wrongAlign{1, 2, 44100, 16, 2, 88200};
    Fmt wrongRate{1, 1, 44100, 16, 2, 44100};
    std::vector<std::uint8_t> notRiff = Wav(Fmt{}, 4, 4);
    notRiff[0] = 'X';
    std::vector<std::uint8_t> headerOnly = Wav(Fmt{}, 0, 0);
    headerOnly.resize(20);
    std::vector<std::uint8_t> dataFirst;
    Tag(dataFirst, "RIFF");
    Put32(dataFirst, 0);
    Tag(dataFirst, "WAVE");
    Tag(dataFirst, "data");
    Put32(dataFirst, 2);
    Put16(dataFirst, 0);
    const Case cases[] = {
        {"empty", {}},
        {"notRiff", notRiff},
        {"compressed", Wav(adpcm, 4, 4)},
        {"threeChannels", Wav(threeChannels, 6, 6)},
        {"24bit", Wav(bits24, 3, 3)},
        {"inconsistentAlign", Wav(wrongAlign, 4, 4)},
        {"inconsistentRate", Wav(wrongRate, 4, 4)},
        {"dataBeforeFormat", dataFirst},
        {"headerOnly", headerOnly},
    };
    for (const Case& c : cases) EXPECT_FALSE(ParseWav(c.bytes)) << c.name;
}

}  // namespace
}  // namespace lg
