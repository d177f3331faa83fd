// How far an upload has come, as the progress window shows it. The count
// of bytes written includes the multipart headers while the whole is the
// picture's size alone, so the percentage passes 100 just before the last
// bytes go out; the window closes there.
#pragma once

#include <cstdint>
#include <optional>

namespace lg {

// count * 100 / whole, halves to even. A whole of 0 (nothing to send)
// counts as done.
int ProgressPercent(std::int64_t count, std::int64_t whole) noexcept;

// The last percentage shown. It starts at 0 and is kept from one upload to
// the next, so the first upload shows the window at 0 when it starts.
class UploadProgress {
public:
    int LastPos() const { return lastPos_; }
    // A write notification: the new percentage when it differs from the
    // last one shown (and becomes it), nothing otherwise.
    std::optional<int> Written(std::int64_t count, std::int64_t whole) noexcept;

private:
    int lastPos_ = 0;
};

// What the progress window does with a percentage: below 0 or from 100 on
// it closes; otherwise it shows (if hidden) at that position.
struct ProgressWindowStep {
    bool close = false;
    int position = 0;  // when shown
    friend bool operator==(const ProgressWindowStep&, const ProgressWindowStep&) = default;
};
ProgressWindowStep ProgressStepFor(int lastPos) noexcept;

}  // namespace lg
