#include "raster/blend.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>

#include "raster/bitmap32.h"

namespace lg {
namespace {

// The blend rule for one byte, straight from its definition.
std::uint32_t RefBlendByte(int f, int b, int w) {
    if (w == 0) return b;
    if (w == 255) return f;
    return static_cast<std::uint32_t>((256 * b + (f - b) * w + 128) / 256);
}

std::uint32_t Byte(TColor32 c, int shift) {
    return (c >> shift) & 0xFF;
}

// The merge rule from its definition, in floating point; round() is to the
// nearest, halves upwards.
TColor32 RefMerge(TColor32 f, TColor32 b) {
    const int fa = static_cast<int>(f >> 24), ba = static_cast<int>(b >> 24);
    if (fa == 255) return f;
    if (fa == 0) return b;
    if (ba == 0) return f;
    auto round = [](double v) { return static_cast<int>(std::floor(v + 0.5)); };
    const int ra = 255 - round((255.0 - fa) * (255.0 - ba) / 255.0);
    const int w = round(255.0 * fa / ra);
    TColor32 out = static_cast<TColor32>(ra) << 24;
    for (int shift : {16, 8, 0}) {
        const double mix = (w * static_cast<double>(Byte(f, shift)) +
                            (255.0 - w) * static_cast<double>(Byte(b, shift))) /
                           255.0;
        out |= static_cast<TColor32>(round(mix)) << shift;
    }
    return out;
}

TEST(BlendRule, TranslucentBlueOntoTransparentWhite) {
    // The figure the translucent tools depend on: alpha $78, red and green
    // $51, blue $FF.
    EXPECT_EQ(BlendByAlpha(0xAF0000FFu, 0x00FFFFFFu), 0x785151FFu);
    TBitmap32 bmp(3, 2);
    bmp.Clear(0x00FFFFFFu);
    bmp.FillRectTS(0, 0, 3, 2, 0xAF0000FFu);
    for (TColor32 p : bmp.Pixels()) EXPECT_EQ(p, 0x785151FFu);
}

// Every weight, every pair of bytes, in each of the four channel positions
// (each position gets the pairs in a different arrangement, so a mix-up of
// lanes shows).
TEST(BlendRule, PackedBlendMatchesByteRuleExhaustively) {
    int failures = 0;
    for (int w = 0; w < 256 && failures < 10; ++w) {
        for (int f = 0; f < 256; ++f) {
            for (int b = 0; b < 256; ++b) {
                const int fs[4] = {f, b, 255 - f, f ^ 0x5A};
                const int bs[4] = {b, f, b, 255 - b};
                TColor32 fc = 0, bc = 0;
                for (int ch = 0; ch < 4; ++ch) {
                    fc |= static_cast<TColor32>(fs[ch]) << (8 * ch);
                    bc |= static_cast<TColor32>(bs[ch]) << (8 * ch);
                }
                const TColor32 got = BlendWeighted(fc, bc, static_cast<std::uint32_t>(w));
                for (int ch = 0; ch < 4; ++ch) {
                    const std::uint32_t want = RefBlendByte(fs[ch], bs[ch], w);
                    if (Byte(got, 8 * ch) != want && ++failures <= 10) {
                        ADD_FAILURE()
                            << "w=" << w << " f=" << fs[ch] << " b=" << bs[ch] << " channel " << ch
                            << ": got " << Byte(got, 8 * ch) << " want " << want;
                    }
                }
            }
        }
    }
    // The one-byte helper agrees too.
    for (int w = 1; w < 255; ++w) {
        for (int f = 0; f < 256; f += 5) {
            for (int b = 0; b < 256; b += 3) {
                ASSERT_EQ(BlendChannel(f, b, w), RefBlendByte(f, b, w));
            }
        }
    }
}

TEST(BlendRule, OpaqueColourIsExactAndTransparentOneChangesNothing) {
    std::mt19937 rng(20240611u);
    std::uniform_int_distribution<std::uint32_t> any;
    for (int i = 0; i < 10000; ++i) {
        const TColor32 c = any(rng), under = any(rng);
        EXPECT_EQ(BlendByAlpha(WithAlpha(c, 0xFF), under), WithAlpha(c, 0xFF));
        EXPECT_EQ(BlendByAlpha(WithAlpha(c, 0), under), under);
    }
}

TEST(BlendRule, ScaleAlphaRoundsTheProductOverEveryPair) {
    for (std::uint32_t a = 0; a < 256; ++a) {
        for (std::uint32_t m = 0; m < 256; ++m) {
            ASSERT_EQ(ScaleAlpha(a, m), (a * m + 127) / 255) << a << " * " << m;
        }
    }
}

struct MergeCase {
    const char* why;
    TColor32 f, b, want;
};

TEST(MergeRule, Cases) {
    const MergeCase cases[] = {
        {"opaque source replaces", 0xFF123456u, 0x80ABCDEFu, 0xFF123456u},
        {"transparent source keeps", 0x00123456u, 0x80ABCDEFu, 0x80ABCDEFu},
        {"onto transparent takes the source as it is", 0x40123456u, 0x00ABCDEFu, 0x40123456u},
        // Ra = 255 - round(127*127/255) = 192; w = round(255*128/192) = 170;
        // red = round(170*255/255) = 170, blue = round(85*255/255) = 85.
        {"half red over half blue", 0x80FF0000u, 0x800000FFu, 0xC0AA0055u},
        // Onto opaque: Ra = 255, w = Fa; channel = round((Fa*F + (255-Fa)*B)/255):
        // round(100*200/255 + 155*50/255) = round(108.82) = 109.
        {"onto opaque is plain mixing", 0x64C8C8C8u, 0xFF323232u, 0xFF6D6D6Du},
    };
    for (const MergeCase& c : cases) {
        EXPECT_EQ(Merge(c.f, c.b), c.want) << c.why;
        EXPECT_EQ(RefMerge(c.f, c.b), c.want) << c.why << " (reference)";
    }
}

TEST(MergeRule, MatchesDefinitionForEveryAlphaPair) {
    int failures = 0;
    for (std::uint32_t fa = 0; fa < 256; ++fa) {
        for (std::uint32_t ba = 0; ba < 256; ++ba) {
            // Four colour pairs per alpha pair, spread over the byte range.
            for (std::uint32_t v = 0; v < 4; ++v) {
                const std::uint32_t s = fa * 4 + v, t = ba * 4 + v;
                const TColor32 f =
                    fa << 24 | ((s * 37) & 0xFF) << 16 | ((t * 11) & 0xFF) << 8 | ((s ^ t) & 0xFF);
                const TColor32 b =
                    ba << 24 | ((t * 53) & 0xFF) << 16 | ((s * 29) & 0xFF) << 8 | ((s + t) & 0xFF);
                if (Merge(f, b) != RefMerge(f, b) && ++failures <= 10) {
                    ADD_FAILURE() << std::hex << "f=" << f << " b=" << b << " got " << Merge(f, b)
                                  << " want " << RefMerge(f, b);
                }
            }
        }
    }
}

TEST(MergeRule, MatchesDefinitionForEveryChannelPair) {
    // Every pair of colour bytes under a few alpha pairs, including the
    // ones where the weight rounds at a half (Ra even).
    const std::uint32_t alphas[][2] = {{1, 1}, {128, 128}, {127, 200}, {254, 3}, {10, 254}};
    for (const auto& a : alphas) {
        for (std::uint32_t fc = 0; fc < 256; ++fc) {
            for (std::uint32_t bc = 0; bc < 256; ++bc) {
                const TColor32 f = a[0] << 24 | fc << 16 | bc << 8 | (255 - fc);
                const TColor32 b = a[1] << 24 | bc << 16 | fc << 8 | (255 - bc);
                ASSERT_EQ(Merge(f, b), RefMerge(f, b)) << std::hex << f << " " << b;
            }
        }
    }
}

TEST(ColorConversion, SwapsToArgbOpaque) {
    EXPECT_EQ(Color32(TColor{0x000000FFu}), 0xFFFF0000u);  // red
    EXPECT_EQ(Color32(TColor{0x00321A09u}), 0xFF091A32u);  // the panels' dark blue
    // A system colour is looked up first, then swapped.
    auto lookup = [](int index) -> TColor { return index == 15 ? 0x00F0F0F0u : 0x00010203u; };
    EXPECT_EQ(Color32(kSystemColorFlag | 15u, +lookup), 0xFFF0F0F0u);
    EXPECT_EQ(Color32(kSystemColorFlag | 5u, +lookup), 0xFF030201u);
    EXPECT_EQ(WinColor(0xFF091A32u), 0x00321A09u);
}

}  // namespace
}  // namespace lg
