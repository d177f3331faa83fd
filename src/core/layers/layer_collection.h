// The ordered set of layers of an image view, bottom (index 0) to top. It
// owns its layers and routes the mouse to them.
//
// Mouse routing:
//   1. A press goes to the topmost layer that is visible, receives mouse
//      events and whose hit test accepts the point. That layer becomes the
//      mouse listener.
//   2. While there is a listener it receives every move, press and release,
//      wherever the pointer is, until the button that began it is released.
//   3. Moves and releases with no listener go to the topmost accepting layer
//      under the pointer (releases may thus reach a layer that never saw
//      the press; layers ignore those).
// A layer deleted while it has the mouse simply stops having it.
#pragma once

#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

#include "layers/custom_layer.h"

namespace lg {

class TImgView32;

class TLayerCollection {
public:
    // owner: the view that shows the layers and hears of their changes;
    // null for a collection on its own.
    explicit TLayerCollection(TImgView32* owner = nullptr) : owner_(owner) {}
    ~TLayerCollection();
    TLayerCollection(const TLayerCollection&) = delete;
    TLayerCollection& operator=(const TLayerCollection&) = delete;

    TImgView32* Owner() const { return owner_; }

    int Count() const { return static_cast<int>(items_.size()); }
    // The layer at index, or null outside 0 .. Count() - 1.
    TCustomLayer* Items(int index) const;
    // Index of the layer, -1 when it is not in this collection.
    int IndexOf(const TCustomLayer* layer) const;

    // Creates a layer on top of the others and returns it; the collection
    // owns it.
    template <class T, class... Args>
    T& Add(Args&&... args) {
        return Insert<T>(Count(), std::forward<Args>(args)...);
    }
    // The same at index (clamped to 0 .. Count()); the layers from index on
    // move up by one.
    template <class T, class... Args>
    T& Insert(int index, Args&&... args) {
        static_assert(std::is_base_of_v<TCustomLayer, T>, "layers derive from TCustomLayer");
        auto layer = std::make_unique<T>(std::forward<Args>(args)...);
        T& ref = *layer;
        Adopt(index, std::move(layer));
        return ref;
    }

    // Frees the layer at index; the layers above move down by one. Returns
    // false (and does nothing) for an index outside the collection.
    bool Delete(int index);
    // Frees every layer.
    void Clear();

    // The layer that has the mouse between a press and its release.
    TCustomLayer* MouseListener() const { return mouseListener_; }
    // Hands the mouse to a layer of this collection until `button` is
    // released, or takes it away (null). A layer of another collection is
    // ignored.
    void SetMouseListener(TCustomLayer* layer, TMouseButton button = mbLeft);
    // The layer that took the last move made without a listener.
    TCustomLayer* HoverLayer() const { return hover_; }

    // The topmost visible layer that has all the option bits of `required`
    // and whose hit test accepts (x, y); null when there is none.
    TCustomLayer* FindLayerAtPos(int x, int y, TLayerOptions required = loMouseEvents) const;

    // Mouse routing (see the top of this file). Each returns the layer that
    // took the event, or null when none did or it was freed while handling
    // the event.
    TCustomLayer* MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    TCustomLayer* MouseMove(TShiftState shift, int x, int y);
    TCustomLayer* MouseUp(TMouseButton button, TShiftState shift, int x, int y);

private:
    void Adopt(int index, std::unique_ptr<TCustomLayer> layer);
    void Forget(TCustomLayer& layer);
    template <class Call>
    TCustomLayer* Dispatch(TCustomLayer* target, Call call);

    TImgView32* owner_;
    std::vector<std::unique_ptr<TCustomLayer>> items_;
    TCustomLayer* mouseListener_ = nullptr;
    TMouseButton listenerButton_ = mbLeft;
    TCustomLayer* hover_ = nullptr;
    // Layers an event is being delivered to (nested deliveries stack up);
    // an entry is cleared when its layer is freed on the way.
    std::vector<TCustomLayer**> watched_;
};

}  // namespace lg
