#include "controls/list_letter_jump.h"

namespace lg {
namespace {

bool In(char32_t c, char32_t first, char32_t last) {
    return c >= first && c <= last;
}

// In blocks where capitals and small letters alternate: the small one of
// a pair whose capital sits on an even (or, with `oddUpper`, odd) code.
char32_t PairLower(char32_t c, bool oddUpper) {
    const bool upper = ((c & 1u) != 0) == oddUpper;
    return upper ? c + 1 : c;
}

// The first code point of `s`, or 0 for an empty string.
char32_t FirstCodePoint(const std::u16string& s) {
    if (s.empty()) return 0;
    const char32_t hi = s[0];
    if (In(hi, 0xD800, 0xDBFF) && s.size() > 1 && In(s[1], 0xDC00, 0xDFFF)) {
        return 0x10000 + ((hi - 0xD800) << 10) + (s[1] - 0xDC00);
    }
    return hi;
}

}  // namespace

char32_t FoldLetterCase(char32_t c) noexcept {
    // Basic Latin and Latin-1 (not the multiplication sign).
    if (In(c, U'A', U'Z')) return c + 0x20;
    if (In(c, 0xC0, 0xDE) && c != 0xD7) return c + 0x20;
    // Latin Extended-A: pairs, with the runs where the capital is odd.
    if (c == 0x130) return U'i';
    if (c == 0x178) return 0xFF;
    if (In(c, 0x100, 0x12F) || In(c, 0x132, 0x137) || In(c, 0x14A, 0x177)) {
        return PairLower(c, false);
    }
    if (In(c, 0x139, 0x148) || In(c, 0x179, 0x17E)) return PairLower(c, true);
    // Greek: the accented capitals, the alphabet, and final sigma as sigma.
    if (c == 0x386) return 0x3AC;
    if (In(c, 0x388, 0x38A)) return c + 37;
    if (c == 0x38C) return 0x3CC;
    if (In(c, 0x38E, 0x38F)) return c + 63;
    if (In(c, 0x391, 0x3AB) && c != 0x3A2) return c + 0x20;
    if (c == 0x3C2) return 0x3C3;
    // Cyrillic: Ѐ..Џ, А..Я, and the paired letters of the other languages.
    if (In(c, 0x400, 0x40F)) return c + 0x50;
    if (In(c, 0x410, 0x42F)) return c + 0x20;
    if (c == 0x4C0) return 0x4CF;
    if (In(c, 0x460, 0x481) || In(c, 0x48A, 0x4BF) || In(c, 0x4D0, 0x52F)) {
        return PairLower(c, false);
    }
    if (In(c, 0x4C1, 0x4CE)) return PairLower(c, true);
    return c;
}

int ListIndexForLetter(std::span<const std::u16string> items, int current,
                       char32_t typed) noexcept {
    if (typed < 0x20 || typed == 0x7F || In(typed, 0xD800, 0xDFFF)) return -1;
    const char32_t want = FoldLetterCase(typed);
    const int count = static_cast<int>(items.size());
    const auto startsWith = [&](int i) {
        return FoldLetterCase(FirstCodePoint(items[static_cast<std::size_t>(i)])) == want;
    };
    // On an item with that letter already: the next one, round to the start.
    // Otherwise: the first one.
    const bool onIt = current >= 0 && current < count && startsWith(current);
    const int from = onIt ? current + 1 : 0;
    for (int n = 0; n < count; ++n) {
        const int i = (from + n) % count;
        if (startsWith(i)) return i;
    }
    return -1;
}

}  // namespace lg
