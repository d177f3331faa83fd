// Captions of one or several lines: measured as a block and drawn line by
// line, each aligned within the block.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "raster/bitmap32.h"

namespace lg {

// Horizontal placement of a button's picture and caption.
enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

// The lines of `text`, split at CR LF, CR or LF.
std::vector<std::u16string_view> SplitCaptionLines(std::u16string_view text);

// Width and height of the block of lines in `canvas`'s font: the widest
// line, and one line height per line.
TSize MeasureCaptionBlock(const TBitmap32& canvas, std::u16string_view text);

// Draws the block with its top-left at (x, y), every line aligned left,
// right or centred within the block's width.
void DrawCaptionBlock(TBitmap32& canvas, int x, int y, std::u16string_view text, TAlignment align);

}  // namespace lg
