// TStoreListBitmap32: the editing history of one capture, for undo and redo.
//
// How the history is kept
//   The store holds one full picture, the snapshot at Position(), and for
//   every later snapshot the packed XOR against the one before it, over the
//   rectangle where the two differ (snapshot_codec.h). A figure touches a
//   small part of the capture, so a step costs a few KB where a full copy
//   of a three-monitor 4K capture costs 100 MB; a long edit stays far inside
//   a 32-bit process.
//
//   Undo applies the step at Position() to the full picture, redo the step
//   after it: XOR turns either picture into the other. Both cost only the
//   size of that one step's rectangle, however long the history; there are
//   no keyframes and no replay from the start. Adding a snapshot compares
//   the whole new picture with the held one (about one frame copy) and then
//   copies only the changed rectangle into it.
//
//   Only size and pixels are history: the drawing properties of the picture
//   handed back are not restored. A snapshot of another size than the one
//   before it (the store holds one capture at a time, so this is rare) is
//   kept as both whole pictures, packed against zero.
//
// Availability and the stamp counter
//   AvailUndo is Position() > 0, AvailRedo is Count() - Position() - 1 > 0.
//   After every AddBitmap, UndoGet and RedoGet, and after Clear(false), the
//   OnChangeState listener hears both, even when nothing changed. Stepping
//   back over a snapshot flagged Stamp gives its number back to the stamp
//   counter (-1), stepping forward onto one takes it again (+1), so the
//   counter stays 1 + the number of stamps in the picture shown.
//
// GUI thread only. AddBitmap, UndoGet, RedoGet and Clear never throw:
// running out of memory is reported by the result and leaves the store as
// it was.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "capture/snapshot_codec.h"
#include "raster/bitmap32.h"

namespace lg {

// A snapshot: a picture and whether the stamp tool made it.
class TBitmap32Ex : public TBitmap32 {
public:
    TBitmap32Ex() = default;
    TBitmap32Ex(const TBitmap32& b, bool stamp) : TBitmap32(b), Stamp(stamp) {}
    TBitmap32Ex(TBitmap32&& b, bool stamp) noexcept : TBitmap32(std::move(b)), Stamp(stamp) {}

    bool Stamp = false;
};

// Listener of availability changes: (AvailUndo, AvailRedo). Must not throw.
using TNotifyChangeUndoRedo = std::function<void(bool availUndo, bool availRedo)>;

class TStoreListBitmap32 {
public:
    // stampCounter is the number the next stamp will show; it must outlive
    // the store.
    explicit TStoreListBitmap32(int& stampCounter,
                                DeltaPacking packing = DeltaPacking::kRleDeflate) noexcept;
    // Drops the history without notifying (Clear(true)).
    ~TStoreListBitmap32();
    TStoreListBitmap32(const TStoreListBitmap32&) = delete;
    TStoreListBitmap32& operator=(const TStoreListBitmap32&) = delete;

    // Records b as the newest snapshot after Position(), dropping the redo
    // branch. False when memory runs out; the store is then unchanged and
    // the listener is not called.
    bool AddBitmap(const TBitmap32& b, bool stamp) noexcept;

    // One snapshot back or forward, or nullptr at either end. The picture
    // stays the store's and changes with the next call: copy its pixels.
    // nullptr also when memory runs out on a step between two sizes; the
    // position and the stamp counter are then unchanged.
    const TBitmap32Ex* UndoGet() noexcept;
    const TBitmap32Ex* RedoGet() noexcept;

    // Drops every snapshot; the listener hears (false, false) unless isFree.
    void Clear(bool isFree) noexcept;

    int Count() const { return static_cast<int>(steps_.size()); }
    int Position() const { return position_; }
    bool AvailUndo() const { return position_ > 0; }
    bool AvailRedo() const { return Count() - position_ - 1 > 0; }

    // The listener may itself call the store or replace the listener.
    TNotifyChangeUndoRedo OnChangeState() const;
    void SetOnChangeState(TNotifyChangeUndoRedo listener);

    // Memory the history holds: the full picture plus every packed step.
    std::size_t HeldBytes() const;

private:
    // How snapshot i differs from snapshot i - 1; steps_[0] holds only the
    // first snapshot's flag.
    struct Step {
        bool stamp = false;
        PackedXor change;  // same size: older ^ newer over the changed rectangle
        // Across a change of size: both pictures, packed against zero.
        bool resized = false;
        TSize olderSize, newerSize;
        PackedXor olderPixels, newerPixels;
    };

    bool Apply(const Step& step, bool forward);
    void UpdateState();

    int& stampCounter_;
    DeltaPacking packing_;
    std::vector<Step> steps_;
    int position_ = 0;
    TBitmap32Ex current_;  // the snapshot at position_, in full
    // Shared so that a listener replacing itself is not destroyed mid-call.
    std::shared_ptr<const TNotifyChangeUndoRedo> onChangeState_;
};

}  // namespace lg
