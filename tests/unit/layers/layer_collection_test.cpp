// The layer collection: ownership, order and indices.
#include <gtest/gtest.h>

#include "layer_test_support.h"
#include "layers/layer_collection.h"
#include "layers/rubberband_layer.h"

namespace lg {
namespace {

using layers_test::TProbeLayer;

TEST(LayerCollection, AddAppendsAndInsertPutsAtIndexClamped) {
    TLayerCollection layers;
    auto& a = layers.Add<TProbeLayer>("A", TFloatRect{0, 0, 1, 1});
    auto& c = layers.Add<TProbeLayer>("C", TFloatRect{0, 0, 1, 1});
    auto& b = layers.Insert<TProbeLayer>(1, "B", TFloatRect{0, 0, 1, 1});
    auto& bottom = layers.Insert<TProbeLayer>(-5, "bottom", TFloatRect{0, 0, 1, 1});
    auto& top = layers.Insert<TProbeLayer>(99, "top", TFloatRect{0, 0, 1, 1});

    ASSERT_EQ(layers.Count(), 5);
    const TCustomLayer* expected[] = {&bottom, &a, &b, &c, &top};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(layers.Items(i), expected[i]) << i;
        EXPECT_EQ(expected[i]->Index(), i);
        EXPECT_EQ(expected[i]->LayerCollection(), &layers);
    }
    EXPECT_EQ(layers.Items(-1), nullptr);
    EXPECT_EQ(layers.Items(5), nullptr);
}

TEST(LayerCollection, DeleteFreesTheLayerAndLaterIndicesMoveDown) {
    int destroyed = 0;
    {
        TLayerCollection layers;
        auto& a = layers.Add<TProbeLayer>("A", TFloatRect{}, 0, nullptr, &destroyed);
        layers.Add<TProbeLayer>("B", TFloatRect{}, 0, nullptr, &destroyed);
        auto& c = layers.Add<TProbeLayer>("C", TFloatRect{}, 0, nullptr, &destroyed);
        auto& d = layers.Add<TProbeLayer>("D", TFloatRect{}, 0, nullptr, &destroyed);

        EXPECT_TRUE(layers.Delete(1));
        EXPECT_EQ(destroyed, 1);
        ASSERT_EQ(layers.Count(), 3);
        EXPECT_EQ(layers.Items(0), &a);
        EXPECT_EQ(layers.Items(1), &c);
        EXPECT_EQ(layers.Items(2), &d);
        EXPECT_EQ(c.Index(), 1);
        EXPECT_EQ(d.Index(), 2);

        // Out of range: refused, nothing freed.
        EXPECT_FALSE(layers.Delete(3));
        EXPECT_FALSE(layers.Delete(-1));
        EXPECT_EQ(destroyed, 1);
        EXPECT_EQ(layers.Count(), 3);
    }
    // The rest go with the collection.
    EXPECT_EQ(destroyed, 4);
}

TEST(LayerCollection, ViewFreesItsLayers) {
    int destroyed = 0;
    {
        TImgView32 view;
        view.Layers().Add<TProbeLayer>("A", TFloatRect{}, 0, nullptr, &destroyed);
        view.Layers().Add<TProbeLayer>("B", TFloatRect{}, 0, nullptr, &destroyed);
        EXPECT_EQ(view.Layers().Items(0)->View(), &view);
    }
    EXPECT_EQ(destroyed, 2);
}

TEST(LayerCollection, RubberbandLetsGoOfADeletedChild) {
    TImgView32 view;
    view.SetBitmap(TBitmap32(300, 300));
    auto& child = view.Layers().Add<TProbeLayer>("child", TFloatRect{10, 10, 50, 50});
    auto& band = view.Layers().Add<TRubberbandLayer>();
    ASSERT_TRUE(band.SetChildLayer(&child));

    view.Layers().Delete(child.Index());
    EXPECT_EQ(band.ChildLayer(), nullptr);
    // Moving the band afterwards must not reach the freed child.
    band.SetLocation(TFloatRect{100, 100, 150, 150});
    view.MouseDown(mbLeft, 0, 120, 120);
    view.MouseMove(ssLeft, 130, 130);
    view.MouseUp(mbLeft, 0, 130, 130);
    EXPECT_EQ(band.Location(), (TFloatRect{110, 110, 160, 160}));
}

}  // namespace
}  // namespace lg
