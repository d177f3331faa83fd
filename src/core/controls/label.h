// A label: text drawn in its font and colour on the parent's surface, left
// aligned from the top of its bounds. With WordWrap the lines are broken
// between words to fit the label's width; line breaks in the text always
// start a new line. It takes no mouse input of its own.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "controls/graphic_control.h"

namespace lg {

// The lines `text` takes in `canvas`'s font within `width` pixels: a new
// line at every CR LF, CR or LF, and, inside those, a break before the word
// that would overflow; the spaces at a break are dropped. A word wider than
// the whole line is broken between its characters, so nothing is cut off at
// the right edge. A width of 0 or less breaks only at the line breaks.
std::vector<std::u16string> WrapTextLines(const TBitmap32& canvas, std::u16string_view text,
                                          int width);

class TLabel : public TGraphicControl {
public:
    const std::u16string& Caption() const { return caption_; }
    void SetCaption(std::u16string_view caption);

    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);

    // The lines as painted, measured in the control's font by the process's
    // text rasterizer.
    std::vector<std::u16string> Lines() const;

    void Paint(TBitmap32& canvas, int originX, int originY) override;

private:
    std::u16string caption_;
    bool wordWrap_ = false;
};

}  // namespace lg
