#include "controls/label.h"

#include "controls/caption_text.h"

namespace lg {
namespace {

bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

// How many characters of `rest` fit on a line after `lead`: the most that
// stay within `width`, at least one (a surrogate pair counts as one), never
// ending inside a pair.
std::size_t FittingCount(const TBitmap32& canvas, std::u16string_view lead,
                         std::u16string_view rest, int width) {
    std::size_t fit = 0;
    std::u16string probe(lead);
    for (std::size_t n = 1; n <= rest.size(); ++n) {
        probe += rest[n - 1];
        if (n < rest.size() && IsHighSurrogate(rest[n - 1])) continue;
        if (fit > 0 && canvas.TextWidth(probe) > width) break;
        fit = n;
    }
    return fit;
}

// One paragraph (no line breaks in it) broken into lines of `width`.
void WrapParagraph(const TBitmap32& canvas, std::u16string_view text, int width,
                   std::vector<std::u16string>& lines) {
    const std::size_t linesBefore = lines.size();
    std::u16string line;
    bool hasWord = false;  // the current line holds a word
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t wordStart = pos;
        while (wordStart < text.size() && text[wordStart] == u' ') ++wordStart;
        std::size_t wordEnd = wordStart;
        while (wordEnd < text.size() && text[wordEnd] != u' ') ++wordEnd;
        if (wordStart == wordEnd) break;  // spaces at the end show nothing

        // Spaces before a word stay between words and at the start of the
        // paragraph; at a break they vanish.
        std::u16string lead = line;
        lead.append(text.substr(pos, wordStart - pos));
        std::u16string_view rest = text.substr(wordStart, wordEnd - wordStart);
        while (!rest.empty()) {
            std::u16string candidate = lead + std::u16string(rest);
            if (canvas.TextWidth(candidate) <= width) {
                line = std::move(candidate);
                hasWord = true;
                break;
            }
            if (hasWord) {
                // The word starts the next line.
                lines.push_back(std::move(line));
                line.clear();
                lead.clear();
                hasWord = false;
                continue;
            }
            // Alone on its line and still too wide: what fits, the rest on
            // the next line.
            const std::size_t fit = FittingCount(canvas, lead, rest, width);
            lines.push_back(lead + std::u16string(rest.substr(0, fit)));
            lead.clear();
            rest.remove_prefix(fit);
        }
        pos = wordEnd;
    }
    if (hasWord || lines.size() == linesBefore) lines.push_back(std::move(line));
}

}  // namespace

std::vector<std::u16string> WrapTextLines(const TBitmap32& canvas, std::u16string_view text,
                                          int width) {
    std::vector<std::u16string> lines;
    for (std::u16string_view paragraph : SplitCaptionLines(text)) {
        if (width <= 0) {
            lines.emplace_back(paragraph);
        } else {
            WrapParagraph(canvas, paragraph, width, lines);
        }
    }
    return lines;
}

std::u16string ElideMiddle(const TBitmap32& canvas, std::u16string_view text, int width) {
    std::u16string flat(text);
    for (char16_t& c : flat) {
        if (c == u'\r' || c == u'\n') c = u' ';
    }
    const std::size_t n = flat.size();
    if (n == 0 || canvas.TextWidth(flat) <= width) return flat;
    // Fewer and fewer characters kept until the line fits; at worst the
    // ellipsis alone.
    for (std::size_t kept = n - 1;; --kept) {
        std::size_t head = kept / 2;
        std::size_t tail = kept - head;
        // Both cuts between whole characters.
        if (head > 0 && IsHighSurrogate(flat[head - 1])) --head;
        if (tail > 0 && tail < n && IsHighSurrogate(flat[n - tail - 1])) --tail;
        std::u16string line = flat.substr(0, head) + u"\u2026" + flat.substr(n - tail);
        if (kept == 0 || canvas.TextWidth(line) <= width) return line;
    }
}

void TLabel::SetCaption(std::u16string_view caption) {
    if (caption == caption_) return;
    caption_.assign(caption);
    Invalidate();
}

void TLabel::SetWordWrap(bool wordWrap) {
    if (wordWrap == wordWrap_) return;
    wordWrap_ = wordWrap;
    Invalidate();
}

void TLabel::SetElideInMiddle(bool elide) {
    if (elide == elide_) return;
    elide_ = elide;
    Invalidate();
}

std::vector<std::u16string> TLabel::LinesIn(const TBitmap32& canvas) const {
    if (elide_) return {ElideMiddle(canvas, caption_, Width())};
    return WrapTextLines(canvas, caption_, wordWrap_ ? Width() : 0);
}

std::vector<std::u16string> TLabel::Lines() const {
    TBitmap32 measurer;  // no pixels: only its font and rasterizer are used
    measurer.SetFont(Font);
    return LinesIn(measurer);
}

void TLabel::Paint(TBitmap32& canvas, int originX, int originY) {
    if (caption_.empty()) return;
    canvas.SetFont(Font);
    // One line height for every line, empty ones included, as the caption
    // blocks of the buttons measure it.
    const int lineHeight = canvas.TextHeight(u"Ay");
    int y = originY;
    for (const std::u16string& line : LinesIn(canvas)) {
        if (y >= originY + Height()) break;  // below the label: clipped anyway
        if (!line.empty()) canvas.Textout(originX, y, line);
        y += lineHeight;
    }
}

}  // namespace lg
