// Typing a character in an open list moves to an item that starts with it,
// as lists of the platform do: the first such item, or, when the current
// item already starts with it, the next one (wrapping round), so pressing
// the same letter again walks through the items with that letter. Letters
// match whatever their case, Latin, Greek and Cyrillic alike.
#pragma once

#include <span>
#include <string>

namespace lg {

// The lower-case form of a letter of the Latin, Greek and Cyrillic blocks;
// every other code point as it is.
char32_t FoldLetterCase(char32_t c) noexcept;

// The item to move to when `typed` is typed with `current` the item at
// hand (-1 for none), or -1 when no item starts with it or `typed` is a
// control character.
int ListIndexForLetter(std::span<const std::u16string> items, int current, char32_t typed) noexcept;

}  // namespace lg
