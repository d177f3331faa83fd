#include "layers/layer_collection.h"

#include <algorithm>

#include "layers/img_view32.h"

namespace lg {

TLayerCollection::~TLayerCollection() {
    // The view is being destroyed too: tell it nothing more.
    owner_ = nullptr;
    Clear();
}

TCustomLayer* TLayerCollection::Items(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return items_[static_cast<std::size_t>(index)].get();
}

int TLayerCollection::IndexOf(const TCustomLayer* layer) const {
    for (int i = 0; i < Count(); ++i) {
        if (items_[static_cast<std::size_t>(i)].get() == layer) return i;
    }
    return -1;
}

void TLayerCollection::Adopt(int index, std::unique_ptr<TCustomLayer> layer) {
    index = std::clamp(index, 0, Count());
    TCustomLayer& ref = *layer;
    ref.collection_ = this;
    items_.insert(items_.begin() + index, std::move(layer));
    // A collection change, not a change of the layer: it repaints even a
    // layer whose own changes do not.
    if (owner_ && ref.Visible()) owner_->InvalidateRect(ref.PaintBounds());
}

bool TLayerCollection::Delete(int index) {
    if (index < 0 || index >= Count()) return false;
    auto it = items_.begin() + index;
    std::unique_ptr<TCustomLayer> layer = std::move(*it);
    items_.erase(it);
    const bool visible = layer->Visible();
    const TRect area = layer->PaintBounds();
    layer->collection_ = nullptr;
    Forget(*layer);
    if (owner_ && visible) owner_->InvalidateRect(area);
    // Freed last: the collection is consistent again if its destructor
    // reaches back into it.
    layer.reset();
    return true;
}

void TLayerCollection::Clear() {
    while (!items_.empty()) Delete(Count() - 1);
}

void TLayerCollection::Forget(TCustomLayer& layer) {
    if (mouseListener_ == &layer) mouseListener_ = nullptr;
    if (hover_ == &layer) hover_ = nullptr;
    for (TCustomLayer** slot : watched_) {
        if (*slot == &layer) *slot = nullptr;
    }
    // By index: a layer letting go may change the collection.
    for (int i = 0; i < Count(); ++i) items_[static_cast<std::size_t>(i)]->LayerRemoved(layer);
}

void TLayerCollection::SetMouseListener(TCustomLayer* layer, TMouseButton button) {
    if (layer && IndexOf(layer) < 0) return;
    mouseListener_ = layer;
    listenerButton_ = button;
}

TCustomLayer* TLayerCollection::FindLayerAtPos(int x, int y, TLayerOptions required) const {
    const TLayerOptions mask = required | loVisible;
    for (int i = Count() - 1; i >= 0; --i) {
        TCustomLayer* layer = items_[static_cast<std::size_t>(i)].get();
        if ((layer->LayerOptions() & mask) == mask && layer->HitTest(x, y)) return layer;
    }
    return nullptr;
}

template <class Call>
TCustomLayer* TLayerCollection::Dispatch(TCustomLayer* target, Call call) {
    if (!target) return nullptr;
    TCustomLayer* alive = target;
    watched_.push_back(&alive);
    struct Unwatch {
        std::vector<TCustomLayer**>& list;
        ~Unwatch() { list.pop_back(); }
    } unwatch{watched_};
    call(*target);
    return alive;
}

TCustomLayer* TLayerCollection::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomLayer* target = mouseListener_;
    if (!target) {
        target = FindLayerAtPos(x, y);
        if (target) {
            mouseListener_ = target;
            listenerButton_ = button;
        }
    }
    return Dispatch(target, [&](TCustomLayer& l) { l.MouseDown(button, shift, x, y); });
}

TCustomLayer* TLayerCollection::MouseMove(TShiftState shift, int x, int y) {
    TCustomLayer* target = mouseListener_;
    if (!target) {
        target = FindLayerAtPos(x, y);
        hover_ = target;
    }
    return Dispatch(target, [&](TCustomLayer& l) { l.MouseMove(shift, x, y); });
}

TCustomLayer* TLayerCollection::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomLayer* target = mouseListener_;
    if (target) {
        // Let go before the layer hears of the release, so that whatever
        // its handler does (even a new press) starts from a free mouse.
        if (button == listenerButton_) mouseListener_ = nullptr;
    } else {
        target = FindLayerAtPos(x, y);
    }
    return Dispatch(target, [&](TCustomLayer& l) { l.MouseUp(button, shift, x, y); });
}

}  // namespace lg
