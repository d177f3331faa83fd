#include "capture/store_list_bitmap32.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <optional>
#include <utility>

#include "capture/changed_rect.h"

namespace lg {

TStoreListBitmap32::TStoreListBitmap32(int& stampCounter, DeltaPacking packing) noexcept
    : stampCounter_(stampCounter), packing_(packing) {}

TStoreListBitmap32::~TStoreListBitmap32() {
    Clear(true);
}

bool TStoreListBitmap32::AddBitmap(const TBitmap32& b, bool stamp) noexcept {
    try {
        // Everything that can fail comes first; the store changes only after.
        Step step;
        step.stamp = stamp;
        std::optional<TBitmap32Ex> whole;
        TRect changed{};
        if (steps_.empty()) {
            whole.emplace(b, stamp);
        } else if (b.Width() == current_.Width() && b.Height() == current_.Height()) {
            changed = ChangedRect(current_, b);
            step.change = PackXor(&current_, b, changed, packing_);
        } else {
            step.resized = true;
            step.olderSize = TSize{current_.Width(), current_.Height()};
            step.newerSize = TSize{b.Width(), b.Height()};
            step.olderPixels = PackXor(nullptr, current_, current_.BoundsRect(), packing_);
            step.newerPixels = PackXor(nullptr, b, b.BoundsRect(), packing_);
            whole.emplace(b, stamp);
        }
        const std::size_t needed = static_cast<std::size_t>(position_) + 2;
        if (steps_.capacity() < needed) steps_.reserve(std::max(needed, steps_.capacity() * 2));

        // Nothing below allocates.
        if (!steps_.empty()) steps_.erase(steps_.begin() + position_ + 1, steps_.end());
        steps_.push_back(std::move(step));
        if (whole) {
            current_ = std::move(*whole);
        } else {
            // Outside the changed rectangle the pictures are already equal.
            const auto rowBytes = static_cast<std::size_t>(changed.Width()) * sizeof(TColor32);
            for (int y = changed.Top; y < changed.Bottom; ++y) {
                std::memcpy(current_.PixelPtr(changed.Left, y), b.PixelPtr(changed.Left, y),
                            rowBytes);
            }
        }
        current_.Stamp = stamp;
        position_ = Count() - 1;
    } catch (const std::exception&) {
        return false;
    }
    UpdateState();
    return true;
}

const TBitmap32Ex* TStoreListBitmap32::UndoGet() noexcept {
    const TBitmap32Ex* result = nullptr;
    if (position_ >= 1) {
        const Step& step = steps_[static_cast<std::size_t>(position_)];
        if (Apply(step, false)) {
            if (step.stamp) --stampCounter_;
            --position_;
            current_.Stamp = steps_[static_cast<std::size_t>(position_)].stamp;
            result = &current_;
        }
    }
    UpdateState();
    return result;
}

const TBitmap32Ex* TStoreListBitmap32::RedoGet() noexcept {
    const TBitmap32Ex* result = nullptr;
    if (position_ < Count() - 1) {
        const Step& step = steps_[static_cast<std::size_t>(position_) + 1];
        if (Apply(step, true)) {
            ++position_;
            if (step.stamp) ++stampCounter_;
            current_.Stamp = step.stamp;
            result = &current_;
        }
    }
    UpdateState();
    return result;
}

bool TStoreListBitmap32::Apply(const Step& step, bool forward) {
    try {
        if (!step.resized) return ApplyXor(step.change, current_);
        const TSize size = forward ? step.newerSize : step.olderSize;
        TBitmap32 picture(size.cx, size.cy);  // zero, so XOR gives the packed pixels
        if (!ApplyXor(forward ? step.newerPixels : step.olderPixels, picture)) return false;
        current_ = TBitmap32Ex(std::move(picture), current_.Stamp);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void TStoreListBitmap32::Clear(bool isFree) noexcept {
    std::vector<Step>().swap(steps_);  // give the memory back, not just the elements
    current_ = TBitmap32Ex();
    position_ = 0;
    if (!isFree) UpdateState();
}

TNotifyChangeUndoRedo TStoreListBitmap32::OnChangeState() const {
    return onChangeState_ ? *onChangeState_ : TNotifyChangeUndoRedo();
}

void TStoreListBitmap32::SetOnChangeState(TNotifyChangeUndoRedo listener) {
    if (listener) {
        onChangeState_ = std::make_shared<const TNotifyChangeUndoRedo>(std::move(listener));
    } else {
        onChangeState_.reset();
    }
}

std::size_t TStoreListBitmap32::HeldBytes() const {
    std::size_t bytes = current_.Pixels().size_bytes() + steps_.capacity() * sizeof(Step);
    for (const Step& s : steps_) {
        bytes += s.change.HeldBytes() + s.olderPixels.HeldBytes() + s.newerPixels.HeldBytes();
    }
    return bytes;
}

void TStoreListBitmap32::UpdateState() {
    // Kept alive by this copy even if the listener replaces itself.
    const std::shared_ptr<const TNotifyChangeUndoRedo> listener = onChangeState_;
    if (listener) (*listener)(AvailUndo(), AvailRedo());
}

}  // namespace lg
