// Typing in the open list: a letter goes to the first item starting with
// it, the same letter again to the next such item, round to the first;
// case does not matter, in Latin, Cyrillic and Greek alike.
#include "controls/list_letter_jump.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lg {
namespace {

struct FoldCase {
    char32_t in, out;
};

TEST(ListLetterJumpTest, LettersFoldToTheirSmallForm) {
    const FoldCase cases[] = {
        {U'A', U'a'}, {U'z', U'z'}, {U'1', U'1'}, {U'É', U'é'}, {U'×', U'×'},   {U'ß', U'ß'},
        {U'Ł', U'ł'}, {U'ł', U'ł'}, {U'Ž', U'ž'}, {U'Ÿ', U'ÿ'}, {U'İ', U'i'},   {U'Я', U'я'},
        {U'Ё', U'ё'}, {U'Ї', U'ї'}, {U'Ґ', U'ґ'}, {U'Ӂ', U'ӂ'}, {U'Ә', U'ә'},   {U'ш', U'ш'},
        {U'Σ', U'σ'}, {U'ς', U'σ'}, {U'Ά', U'ά'}, {U'Ώ', U'ώ'}, {U'中', U'中'},
    };
    for (const FoldCase& c : cases) {
        EXPECT_EQ(FoldLetterCase(c.in), c.out) << static_cast<std::uint32_t>(c.in);
    }
}

struct JumpCase {
    const char* why;
    int current;
    char32_t typed;
    int expected;
};

TEST(ListLetterJumpTest, ALetterFindsTheFirstThenTheNextItemWithIt) {
    const std::vector<std::u16string> items = {
        u"Arial",     u"bitstream Vera", u"Bookman",  u"Cantarell", u"",       u"Щека",   u"шрифт",
        u"Шрифт Два", u"Ёлка",           u"Ελληνικά", u"123 Font",  u"Émigré", u"𝔉raktur"};
    const JumpCase cases[] = {
        {"no item at hand: the first with b", -1, U'b', 1},
        {"a capital finds a small letter", -1, U'B', 1},
        {"on the first b: the next b", 1, U'b', 2},
        {"on the last b: round to the first b", 2, U'B', 1},
        {"on an item of another letter: the first b, not the next", 0, U'b', 1},
        {"a later letter from an earlier item", 1, U'c', 3},
        {"Cyrillic: the first ш, small and capital alike", -1, U'Ш', 6},
        {"Cyrillic: the next ш", 6, U'ш', 7},
        {"Cyrillic: round to the first ш", 7, U'Ш', 6},
        {"the only щ stays where it is", 5, U'щ', 5},
        {"ё finds Ё", 0, U'ё', 8},
        {"Greek ε finds Ε", 0, U'ε', 9},
        {"a digit", 0, U'1', 10},
        {"an accented capital", 0, U'é', 11},
        {"a letter outside the 16-bit range", 0, U'𝔉', 12},
        {"no item with z", 3, U'z', -1},
        {"Backspace is no letter", 3, U'\b', -1},
        {"Enter is no letter", 3, U'\r', -1},
        {"an index beyond the items counts as none", 99, U'b', 1},
    };
    for (const JumpCase& c : cases) {
        EXPECT_EQ(ListIndexForLetter(items, c.current, c.typed), c.expected) << c.why;
    }
    EXPECT_EQ(ListIndexForLetter({}, -1, U'a'), -1) << "an empty list";
}

}  // namespace
}  // namespace lg
