// The editing model of the text tool: the lines typed so far, the caret,
// what each key does to them, and how large the box must be to hold them.
// It knows no window, timer or clipboard: the text layer feeds it the keys,
// restarts the caret blink when a key was taken, and draws what it holds.
//
// Text is UTF-16, as the platform delivers it. A character outside the
// basic plane is a surrogate pair: the caret never stands between its two
// halves, a deletion removes both, and a half without its partner is never
// stored (typed pairs arrive as two key presses and are inserted together).
//
// While nothing has been typed the text is one empty line, so every key
// has a line to act on.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "dpi/display_scale.h"
#include "raster/font.h"
#include "raster/geometry.h"

namespace lg {

class TextRasterizer;

// Characters KeyPress acts on besides the printable ones.
inline constexpr char16_t kCharBackspace = 8;
inline constexpr char16_t kCharEnter = 13;
inline constexpr char16_t kCharPaste = 22;           // Ctrl+V
inline constexpr char16_t kCharCtrlBackspace = 127;  // acts as a backspace
// Below this, characters other than the three above are ignored.
inline constexpr char16_t kFirstTypedChar = 30;

// Virtual keys KeyDown acts on; every other key leaves the text as it is.
inline constexpr std::uint16_t kVkEnd = 35;
inline constexpr std::uint16_t kVkHome = 36;
inline constexpr std::uint16_t kVkLeft = 37;
inline constexpr std::uint16_t kVkUp = 38;
inline constexpr std::uint16_t kVkRight = 39;
inline constexpr std::uint16_t kVkDown = 40;
inline constexpr std::uint16_t kVkDelete = 46;

// The most characters one paste inserts (a pair counts as one). The paste
// goes on one line: a thousand characters already run past any screen,
// and a clipboard of megabytes would make a box no bitmap can hold.
inline constexpr int kMaxPasteChars = 1000;

// 96-DPI pixels: the gap between the box's edge and the text on every side
// (FMagrin), which is also the border the box is dragged by.
inline constexpr int kTextMargin = 10;
// 96-DPI pixels: the caret is this wide, stands this far from the text
// area's left edge when it is at a line start, and stops this far short of
// the line's top and bottom.
inline constexpr int kCaretWidth = 3;
inline constexpr int kCaretInset = 2;

// The sizes the text needs in a font at a display scale.
struct TextBlockSize {
    int lineHeight = 0;  // the height of "A"
    TSize block;         // the text block: widest line (at least "A") × lines
    TSize box;           // the block with the margin on every side
    friend constexpr bool operator==(const TextBlockSize&, const TextBlockSize&) = default;
};

// The caret as a vertical segment in text-block coordinates.
struct TextCaret {
    int x = 0;
    int top = 0;
    int bottom = 0;
    float width = 0;
    friend constexpr bool operator==(const TextCaret&, const TextCaret&) = default;
};

class TextEditModel {
public:
    // Reads the clipboard's text; called only for Ctrl+V.
    using ClipboardText = std::function<std::u16string()>;

    // What a paste did: the characters it inserted, and whether it left
    // some out for the bound.
    struct PasteResult {
        int inserted = 0;
        bool cut = false;
        friend constexpr bool operator==(const PasteResult&, const PasteResult&) = default;
    };

    // A typed character. Returns whether the key was taken (the caret is
    // then shown at once and its blink restarted); ignored control
    // characters, and the first half of a typed pair, are not.
    bool KeyPress(char16_t key, const ClipboardText& clipboard = {});
    // A navigation key (virtual-key code). Every forwarded key counts as
    // taken, also one that changes nothing.
    void KeyDown(std::uint16_t key);
    // Ctrl+V with `clip` on the clipboard: its text at the caret on one
    // line, at most kMaxPasteChars characters of it.
    PasteResult Paste(std::u16string_view clip);

    // Never empty: at least one (possibly empty) line.
    const std::vector<std::u16string>& Lines() const { return FLines; }
    // Caret column: code units of the caret line before the caret.
    int CaretPos_LX() const { return FCaretPos_LX; }
    // Caret line: index into Lines().
    int CaretPos_LY() const { return FCaretPos_LY; }

    // The lines joined, each followed by CR LF.
    std::u16string Text() const;

    // The block and box the text needs in `font` (its Size in points) on a
    // display of `scale`: the font is taken at scale.Dpi() and the margin
    // through the scale.
    TextBlockSize Measure(TextRasterizer& rasterizer, TFontDesc font, DisplayScale scale) const;
    // Where the caret is drawn, in the same font and scale.
    TextCaret Caret(TextRasterizer& rasterizer, TFontDesc font, DisplayScale scale) const;

private:
    std::u16string& CaretLine() { return FLines[static_cast<std::size_t>(FCaretPos_LY)]; }
    void Backspace();
    void SplitLine();
    void Insert(std::u16string_view s);
    void Delete();

    std::vector<std::u16string> FLines{std::u16string()};
    int FCaretPos_LX = 0;
    int FCaretPos_LY = 0;
    // The first half of a pair being typed, held until its second half.
    char16_t pendingHigh_ = 0;
};

}  // namespace lg
