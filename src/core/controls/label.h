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

// `text` on one line of `width` pixels in `canvas`'s font: whole when it
// fits, otherwise its start and its end with "…" between them, as many
// characters of each as fit (the end gets the odd one: a link's last part
// names the picture). Line breaks count as spaces; a character pair is
// never split.
std::u16string ElideMiddle(const TBitmap32& canvas, std::u16string_view text, int width);

class TLabel : public TGraphicControl {
public:
    const std::u16string& Caption() const { return caption_; }
    void SetCaption(std::u16string_view caption);

    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);

    // One line, shortened in the middle to the label's width (ElideMiddle);
    // word wrapping is then off.
    bool ElideInMiddle() const { return elide_; }
    void SetElideInMiddle(bool elide);

    // The lines as painted, measured in the control's font by the process's
    // text rasterizer.
    std::vector<std::u16string> Lines() const;

    void Paint(TBitmap32& canvas, int originX, int originY) override;

private:
    std::vector<std::u16string> LinesIn(const TBitmap32& canvas) const;

    std::u16string caption_;
    bool wordWrap_ = false;
    bool elide_ = false;
};

}  // namespace lg
