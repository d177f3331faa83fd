#include "capture/pixel_rle.h"

#include <algorithm>
#include <cstring>

namespace lg {
namespace {

// count << 2 must fit the 32-bit header; longer runs are split.
constexpr std::uint32_t kMaxRun = (std::uint32_t{1} << 30) - 1;

constexpr std::uint32_t kSkip = 0;
constexpr std::uint32_t kRepeat = 1;
constexpr std::uint32_t kLiteral = 2;

}  // namespace

void PixelXorRleEncoder::Push(std::span<const TColor32> older, std::span<const TColor32> newer) {
    const std::size_t n = std::min(older.size(), newer.size());
    std::size_t i = 0;
    while (i < n) {
        if (older[i] == newer[i]) {
            std::size_t j = i + 1;
            while (j < n && older[j] == newer[j]) ++j;
            std::size_t run = j - i;
            while (run > 0) {
                const auto part = static_cast<std::uint32_t>(std::min<std::size_t>(run, kMaxRun));
                AddSkip(part);
                run -= part;
            }
            i = j;
        } else {
            AddValue(older[i] ^ newer[i]);
            ++i;
        }
    }
}

void PixelXorRleEncoder::AddSkip(std::uint32_t count) {
    if (kind_ == Kind::kSkip && count_ <= kMaxRun - count) {
        count_ += count;
        return;
    }
    Finish();
    kind_ = Kind::kSkip;
    count_ = count;
}

void PixelXorRleEncoder::AddValue(TColor32 v) {
    if (kind_ == Kind::kRepeat && v == value_ && count_ < kMaxRun) {
        ++count_;
        return;
    }
    if (kind_ == Kind::kLiteral && literal_.size() < kMaxRun) {
        if (v != literal_.back()) {
            literal_.push_back(v);
            return;
        }
        // Two equal values in a row: the literal ends before them and a
        // repeat begins, which costs no more and wins on any longer run.
        literal_.pop_back();
        if (!literal_.empty()) Finish();
        kind_ = Kind::kRepeat;
        value_ = v;
        count_ = 2;
        literal_.clear();
        return;
    }
    Finish();
    kind_ = Kind::kLiteral;
    literal_.push_back(v);
}

void PixelXorRleEncoder::Finish() {
    switch (kind_) {
        case Kind::kNone:
            return;
        case Kind::kSkip:
            WriteHeader(count_, kSkip);
            break;
        case Kind::kRepeat:
            WriteHeader(count_, kRepeat);
            WriteWord(value_);
            break;
        case Kind::kLiteral: {
            WriteHeader(static_cast<std::uint32_t>(literal_.size()), kLiteral);
            const std::size_t at = out_.size();
            out_.resize(at + literal_.size() * sizeof(TColor32));
            std::memcpy(out_.data() + at, literal_.data(), literal_.size() * sizeof(TColor32));
            literal_.clear();
            break;
        }
    }
    kind_ = Kind::kNone;
    count_ = 0;
}

void PixelXorRleEncoder::WriteHeader(std::uint32_t count, std::uint32_t kind) {
    std::uint32_t h = count << 2 | kind;
    while (h >= 0x80) {
        out_.push_back(static_cast<std::uint8_t>(h | 0x80));
        h >>= 7;
    }
    out_.push_back(static_cast<std::uint8_t>(h));
}

void PixelXorRleEncoder::WriteWord(TColor32 v) {
    const std::size_t at = out_.size();
    out_.resize(at + sizeof v);
    std::memcpy(out_.data() + at, &v, sizeof v);
}

namespace {

// Reads the stream and walks the block in row order.
class XorCursor {
public:
    XorCursor(std::span<const std::uint8_t> in, const PixelBlock& block)
        : in_(in),
          block_(block),
          total_(static_cast<std::uint64_t>(block.width) * static_cast<std::uint64_t>(block.rows)) {
    }

    bool Run() {
        while (at_ < in_.size()) {
            std::uint32_t header = 0;
            if (!ReadHeader(header)) return false;
            const std::uint32_t count = header >> 2;
            const std::uint32_t kind = header & 3;
            if (count == 0 || count > total_ - pos_) return false;
            if (kind == kSkip) {
                pos_ += count;
            } else if (kind == kRepeat) {
                TColor32 v = 0;
                if (!ReadWords(&v, 1)) return false;
                ForEachSpan(count, [v](TColor32* p, std::size_t n, std::size_t) {
                    for (std::size_t i = 0; i < n; ++i) p[i] ^= v;
                });
            } else if (kind == kLiteral) {
                if (in_.size() - at_ < std::size_t{count} * sizeof(TColor32)) return false;
                const std::uint8_t* src = in_.data() + at_;
                ForEachSpan(count, [src](TColor32* p, std::size_t n, std::size_t done) {
                    for (std::size_t i = 0; i < n; ++i) {
                        TColor32 v;
                        std::memcpy(&v, src + (done + i) * sizeof v, sizeof v);
                        p[i] ^= v;
                    }
                });
                at_ += std::size_t{count} * sizeof(TColor32);
            } else {
                return false;
            }
        }
        return pos_ == total_;
    }

private:
    bool ReadHeader(std::uint32_t& h) {
        h = 0;
        for (int shift = 0; shift < 35; shift += 7) {
            if (at_ == in_.size()) return false;
            const std::uint8_t b = in_[at_++];
            if (shift == 28 && b > 0x0F) return false;  // beyond 32 bits
            h |= static_cast<std::uint32_t>(b & 0x7F) << shift;
            if ((b & 0x80) == 0) return true;
        }
        return false;
    }

    bool ReadWords(TColor32* dst, std::size_t n) {
        if (in_.size() - at_ < n * sizeof(TColor32)) return false;
        std::memcpy(dst, in_.data() + at_, n * sizeof(TColor32));
        at_ += n * sizeof(TColor32);
        return true;
    }

    // Calls f(pixels, length, pixels already done) for the row pieces of the
    // next `count` pixels and moves past them.
    template <class F>
    void ForEachSpan(std::uint32_t count, F f) {
        const auto width = static_cast<std::uint64_t>(block_.width);
        std::size_t done = 0;
        while (done < count) {
            const std::uint64_t row = pos_ / width;
            const std::uint64_t x = pos_ % width;
            const auto n =
                static_cast<std::size_t>(std::min<std::uint64_t>(count - done, width - x));
            TColor32* p = block_.first + static_cast<std::size_t>(row) * block_.stride +
                          static_cast<std::size_t>(x);
            f(p, n, done);
            done += n;
            pos_ += n;
        }
    }

    std::span<const std::uint8_t> in_;
    const PixelBlock& block_;
    std::uint64_t total_;
    std::uint64_t pos_ = 0;
    std::size_t at_ = 0;
};

}  // namespace

bool ApplyPixelXorRle(std::span<const std::uint8_t> stream, const PixelBlock& block) {
    if (block.width < 0 || block.rows < 0) return false;
    return XorCursor(stream, block).Run();
}

}  // namespace lg
