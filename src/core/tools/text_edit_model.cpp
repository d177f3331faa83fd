#include "tools/text_edit_model.h"

#include <algorithm>
#include <utility>

#include "raster/text_rasterizer.h"

namespace lg {

namespace {

constexpr bool IsHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
constexpr bool IsLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Whether `col` falls between the two halves of a pair.
bool InsidePair(std::u16string_view line, std::size_t col) {
    return col > 0 && col < line.size() && IsHighSurrogate(line[col - 1]) &&
           IsLowSurrogate(line[col]);
}

// The column one character before `col`: a pair is stepped over whole.
int PrevColumn(std::u16string_view line, int col) {
    if (col <= 0) return 0;
    const int prev = col - 1;
    return InsidePair(line, static_cast<std::size_t>(prev)) ? prev - 1 : prev;
}

// The column one character after `col` (col is before the line's end).
int NextColumn(std::u16string_view line, int col) {
    const int next = col + 1;
    return InsidePair(line, static_cast<std::size_t>(next)) ? next + 1 : next;
}

int Length(std::u16string_view line) {
    return static_cast<int>(line.size());
}

// A column kept from another line, limited to this line's length; when it
// falls inside a pair it goes before the pair.
int ClampColumn(std::u16string_view line, int col) {
    col = std::min(col, Length(line));
    return InsidePair(line, static_cast<std::size_t>(col)) ? col - 1 : col;
}

// What a paste inserts: the clipboard's text on one line (bell, line feed
// and carriage return removed), without halves of pairs that lack their
// partner, which the caret could otherwise end up between, and at most
// kMaxPasteChars characters. Reads no further than the bound needs.
std::u16string PasteInsertion(std::u16string_view clip, TextEditModel::PasteResult& result) {
    const auto dropped = [](char16_t c) { return c == 7 || c == 10 || c == 13; };
    std::u16string out;
    int& chars = result.inserted;
    chars = 0;
    result.cut = false;
    for (std::size_t i = 0; i < clip.size(); ++i) {
        const char16_t c = clip[i];
        // A low half met here had no high half before it.
        if (dropped(c) || IsLowSurrogate(c)) continue;
        char16_t low = 0;
        if (IsHighSurrogate(c)) {
            // The partner may follow only after removed line breaks.
            std::size_t j = i + 1;
            while (j < clip.size() && dropped(clip[j])) ++j;
            if (j == clip.size() || !IsLowSurrogate(clip[j])) continue;
            low = clip[j];
            i = j;
        }
        if (chars == kMaxPasteChars) {
            result.cut = true;
            break;
        }
        out += c;
        if (low != 0) out += low;
        ++chars;
    }
    return out;
}

}  // namespace

bool TextEditModel::KeyPress(char16_t key, const ClipboardText& clipboard) {
    const char16_t high = std::exchange(pendingHigh_, char16_t{0});
    if (key == kCharCtrlBackspace) key = kCharBackspace;
    if (key < kFirstTypedChar && key != kCharBackspace && key != kCharEnter && key != kCharPaste) {
        return false;
    }
    if (IsHighSurrogate(key)) {
        pendingHigh_ = key;
        return false;
    }
    switch (key) {
        case kCharBackspace:
            Backspace();
            break;
        case kCharEnter:
            SplitLine();
            break;
        case kCharPaste:
            Paste(clipboard ? clipboard() : std::u16string());
            break;
        default:
            if (IsLowSurrogate(key)) {
                if (high == 0) return false;
                const char16_t pair[] = {high, key};
                Insert(std::u16string_view(pair, 2));
            } else {
                Insert(std::u16string_view(&key, 1));
            }
            break;
    }
    return true;
}

TextEditModel::PasteResult TextEditModel::Paste(std::u16string_view clip) {
    pendingHigh_ = 0;
    PasteResult result;
    Insert(PasteInsertion(clip, result));
    return result;
}

void TextEditModel::Backspace() {
    if (FCaretPos_LX > 0) {
        std::u16string& line = CaretLine();
        const int from = PrevColumn(line, FCaretPos_LX);
        line.erase(static_cast<std::size_t>(from), static_cast<std::size_t>(FCaretPos_LX - from));
        FCaretPos_LX = from;
    } else if (FCaretPos_LY > 0) {
        std::u16string& prev = FLines[static_cast<std::size_t>(FCaretPos_LY - 1)];
        const int joinAt = Length(prev);
        prev += CaretLine();
        FLines.erase(FLines.begin() + FCaretPos_LY);
        --FCaretPos_LY;
        FCaretPos_LX = joinAt;
    }
}

void TextEditModel::SplitLine() {
    std::u16string& line = CaretLine();
    std::u16string rest = line.substr(static_cast<std::size_t>(FCaretPos_LX));
    line.resize(static_cast<std::size_t>(FCaretPos_LX));
    FLines.insert(FLines.begin() + FCaretPos_LY + 1, std::move(rest));
    ++FCaretPos_LY;
    FCaretPos_LX = 0;
}

void TextEditModel::Insert(std::u16string_view s) {
    CaretLine().insert(static_cast<std::size_t>(FCaretPos_LX), s);
    FCaretPos_LX += Length(s);
}

void TextEditModel::Delete() {
    std::u16string& line = CaretLine();
    if (FCaretPos_LX >= Length(line)) {
        if (FCaretPos_LY + 1 < static_cast<int>(FLines.size())) {
            line += FLines[static_cast<std::size_t>(FCaretPos_LY + 1)];
            FLines.erase(FLines.begin() + FCaretPos_LY + 1);
        }
        return;
    }
    const int to = NextColumn(line, FCaretPos_LX);
    line.erase(static_cast<std::size_t>(FCaretPos_LX), static_cast<std::size_t>(to - FCaretPos_LX));
}

void TextEditModel::KeyDown(std::uint16_t key) {
    pendingHigh_ = 0;
    const int lineCount = static_cast<int>(FLines.size());
    switch (key) {
        case kVkLeft:
            if (FCaretPos_LX > 0) {
                FCaretPos_LX = PrevColumn(CaretLine(), FCaretPos_LX);
            } else if (FCaretPos_LY > 0) {
                --FCaretPos_LY;
                FCaretPos_LX = Length(CaretLine());
            }
            break;
        case kVkRight:
            if (FCaretPos_LX < Length(CaretLine())) {
                FCaretPos_LX = NextColumn(CaretLine(), FCaretPos_LX);
            } else if (FCaretPos_LY + 1 < lineCount) {
                ++FCaretPos_LY;
                FCaretPos_LX = 0;
            }
            break;
        case kVkUp:
            if (FCaretPos_LY > 0) {
                --FCaretPos_LY;
                FCaretPos_LX = ClampColumn(CaretLine(), FCaretPos_LX);
            }
            break;
        case kVkDown:
            if (FCaretPos_LY + 1 < lineCount) {
                ++FCaretPos_LY;
                FCaretPos_LX = ClampColumn(CaretLine(), FCaretPos_LX);
            }
            break;
        case kVkHome:
            FCaretPos_LX = 0;
            break;
        case kVkEnd:
            FCaretPos_LX = Length(CaretLine());
            break;
        case kVkDelete:
            Delete();
            break;
        default:
            break;
    }
}

std::u16string TextEditModel::Text() const {
    std::u16string text;
    for (const std::u16string& line : FLines) {
        text += line;
        text += u"\r\n";
    }
    return text;
}

TextBlockSize TextEditModel::Measure(TextRasterizer& rasterizer, TFontDesc font,
                                     DisplayScale scale) const {
    font.Dpi = scale.Dpi();
    const TSize a = rasterizer.Measure(font, u"A");
    TextBlockSize size;
    size.lineHeight = a.cy;
    size.block.cx = a.cx;
    for (const std::u16string& line : FLines) {
        size.block.cx = std::max(size.block.cx, rasterizer.Measure(font, line).cx);
    }
    size.block.cy = a.cy * static_cast<int>(FLines.size());
    const int margin = scale.Px(kTextMargin);
    size.box = TSize{size.block.cx + 2 * margin, size.block.cy + 2 * margin};
    return size;
}

TextCaret TextEditModel::Caret(TextRasterizer& rasterizer, TFontDesc font,
                               DisplayScale scale) const {
    font.Dpi = scale.Dpi();
    const int lineHeight = rasterizer.Measure(font, u"A").cy;
    const std::u16string_view line = FLines[static_cast<std::size_t>(FCaretPos_LY)];
    int x =
        FCaretPos_LX > 0
            ? rasterizer.Measure(font, line.substr(0, static_cast<std::size_t>(FCaretPos_LX))).cx
            : 0;
    if (x == 0) x = scale.Px(kCaretInset);
    return TextCaret{x, FCaretPos_LY * lineHeight + scale.Px(kCaretInset),
                     (FCaretPos_LY + 1) * lineHeight - scale.Px(kCaretInset),
                     scale.PxF(static_cast<float>(kCaretWidth))};
}

}  // namespace lg
