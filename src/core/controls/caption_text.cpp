#include "controls/caption_text.h"

#include <algorithm>

namespace lg {

std::vector<std::u16string_view> SplitCaptionLines(std::u16string_view text) {
    std::vector<std::u16string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c != u'\r' && c != u'\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

namespace {

// Empty lines keep their height, as the platform's block layout does.
int LineHeight(const TBitmap32& canvas) {
    return canvas.TextHeight(u"Ay");
}

}  // namespace

TSize MeasureCaptionBlock(const TBitmap32& canvas, std::u16string_view text) {
    const auto lines = SplitCaptionLines(text);
    TSize size{0, LineHeight(canvas) * static_cast<int>(lines.size())};
    for (auto line : lines) size.cx = std::max(size.cx, canvas.TextWidth(line));
    return size;
}

void DrawCaptionBlock(TBitmap32& canvas, int x, int y, std::u16string_view text, TAlignment align) {
    const TSize block = MeasureCaptionBlock(canvas, text);
    const int lineHeight = LineHeight(canvas);
    for (auto line : SplitCaptionLines(text)) {
        const int w = canvas.TextWidth(line);
        int lx = x;
        if (align == taRightJustify) lx = x + block.cx - w;
        if (align == taCenter) lx = x + (block.cx - w) / 2;
        if (!line.empty()) canvas.Textout(lx, y, line);
        y += lineHeight;
    }
}

}  // namespace lg
