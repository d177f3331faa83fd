// The update list and the version comparison: what "/updates.txt" says, and
// whether it names a version newer than the running program's.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lg {

// The pieces of `text` between the delimiter characters, in order; empty
// pieces count. An empty text gives no pieces.
std::vector<std::u16string> SplitByDelimiter(std::u16string_view text,
                                             std::u16string_view delimiters);

// Whether `remote` is newer than `current`, comparing 2 parts (`shortForm`)
// or 4. A part that is not a decimal number counts as 0; equal versions are
// not newer; a `remote` of any other number of parts counts as newer.
bool IsNewerVersion(std::u16string_view current, std::u16string_view remote, bool shortForm);

// The version a reply names: the text after its first "=" (all of it when
// there is none), cut before the first CR LF. Not trimmed.
std::u16string UpdateReplyVersion(std::u16string_view reply);

// A reply of white space only (or nothing) ends the check silently.
bool UpdateReplyIsBlank(std::u16string_view reply);

// The day the check may run again after the notice was closed without
// updating: tomorrow when no day was stored yet (`next` 0), else today + 5.
double UpdateDateAfterClose(double today, double next);

}  // namespace lg
