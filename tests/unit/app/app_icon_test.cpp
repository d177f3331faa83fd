#include "app/app_icon.h"

#include <gtest/gtest.h>

namespace lg {
namespace {

uint32_t At(const std::vector<uint32_t>& px, int size, int x, int y) {
    return px[static_cast<size_t>(y) * size + x];
}

TEST(AppIconTest, ShapesLandWhereTheyBelongAtEverySize) {
    for (int size : {16, 20, 24, 32, 48, 256}) {
        SCOPED_TRACE(size);
        auto px = DrawAppIcon(size);
        ASSERT_EQ(px.size(), static_cast<size_t>(size) * size);
        // Rounded corners: the outermost pixel is clear.
        EXPECT_EQ(At(px, size, 0, 0) >> 24, 0u);
        // The middle of an edge is opaque accent (no mark reaches the edge).
        uint32_t edge = At(px, size, size / 2, 0);
        EXPECT_EQ(edge, 0xFF1CC2F1u);
        // The centre dot is white and opaque.
        uint32_t centre = At(px, size, size / 2, size / 2);
        EXPECT_EQ(centre >> 24, 0xFFu);
        EXPECT_GT((centre >> 16) & 0xFF, 200u);
    }
}

TEST(AppIconTest, DegenerateSizesGiveNothing) {
    EXPECT_TRUE(DrawAppIcon(0).empty());
    EXPECT_TRUE(DrawAppIcon(-3).empty());
}

}  // namespace
}  // namespace lg
