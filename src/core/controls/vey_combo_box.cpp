#include "controls/vey_combo_box.h"

#include <algorithm>

#include "art/art_colors.h"
#include "art/coverage_mask.h"
#include "art/paths.h"
#include "controls/list_letter_jump.h"
#include "controls/list_scroll_bar_art.h"
#include "raster/blend.h"
#include "raster/shapes.h"

namespace lg {
namespace {

// Text of a list item starts this far in from both sides (96-DPI pixels).
constexpr int kItemTextInset = 5;
// The label sits this far from the face's left and top edges, and is this
// much lower than the face (96-DPI pixels).
constexpr int kLabelLeft = 5;
constexpr int kLabelTop = 1;
constexpr int kLabelShrink = 2;
// A row of the list is this much lower than the face (96-DPI pixels).
constexpr int kItemShrink = 6;
// The list's frame: one line in the outline colour of fields and boxes.
constexpr int kListFrame = 1;
constexpr TColor32 kListFrameColor = art::kOutline;

// Draws with the canvas clipped to r as well; the clip comes back after.
class ScopedClip {
public:
    ScopedClip(TBitmap32& canvas, const TRect& r) : canvas_(canvas), old_(canvas.ClipRect()) {
        canvas_.SetClipRect(IntersectRect(old_, r));
    }
    ~ScopedClip() { canvas_.SetClipRect(old_); }
    ScopedClip(const ScopedClip&) = delete;
    ScopedClip& operator=(const ScopedClip&) = delete;

private:
    TBitmap32& canvas_;
    TRect old_;
};

// Lays `color` over the canvas at (left, top) as much as `mask` covers,
// inside the canvas's clip.
void PaintCoverage(TBitmap32& canvas, const art::CoverageMask& mask, int left, int top,
                   TColor32 color) {
    const TRect clip = canvas.ClipRect();
    for (int y = 0; y < mask.Height(); ++y) {
        const int cy = top + y;
        if (cy < clip.Top || cy >= clip.Bottom) continue;
        for (int x = 0; x < mask.Width(); ++x) {
            const int cx = left + x;
            if (cx < clip.Left || cx >= clip.Right) continue;
            const auto w = static_cast<std::uint32_t>(mask.At(x, y) * 255.0f + 0.5f);
            if (w == 0) continue;
            TColor32* at = canvas.PixelPtr(cx, cy);
            *at = BlendWeighted(color, *at, ScaleAlpha(AlphaOf(color), w));
        }
    }
}

TRect Offset(const TRect& r, int dx, int dy) {
    return TRect{r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

bool Contains(const TRect& r, int x, int y) {
    return x >= r.Left && y >= r.Top && x < r.Right && y < r.Bottom;
}

}  // namespace

VEYComboLayout VEYComboLayoutFor(int width, int height, int borderWidth, DisplayScale scale) {
    const int b = scale.Px(borderWidth);
    const int s = height - 2 * b;
    VEYComboLayout l;
    l.button = TRect{width - height + b, b, width - height + b + s, b + s};
    // As far from the bottom as from the top: at 150 % the two design
    // pixels of its shrink round to three and would cover the border.
    l.label = TRect{scale.Px(kLabelLeft), scale.Px(kLabelTop), scale.Px(kLabelLeft) + width - s - b,
                    height - scale.Px(kLabelShrink - kLabelTop)};
    l.itemHeight = height - scale.Px(kItemShrink);
    // The list hangs from the inner list box, which sits a border lower
    // than the face and is as high as the face.
    l.listTop = b + height;
    return l;
}

TVEYComboBox::TVEYComboBox(DisplayScale scale) : scale_(scale) {
    Cursor = crIBeam;
    Font.Family = u"Roboto";
    Font.Size = 12;
    Font.Color = Color32(255, 255, 255);
    SetBounds(0, 0, scale_.Px(185), scale_.Px(41));
    SyncButton();
}

void TVEYComboBox::SetScale(DisplayScale scale) {
    if (scale == scale_) return;
    scale_ = scale;
    Invalidate();
}

void TVEYComboBox::SetBorderColor(TColor32 c) {
    if (c == FBorderColor) return;
    FBorderColor = c;
    Invalidate();
}

void TVEYComboBox::SetFillColor(TColor32 c) {
    if (c == FFillColor) return;
    FFillColor = c;
    Invalidate();
}

void TVEYComboBox::SetBorderWidth(int v) {
    v = std::max(0, v);
    if (v == FBorderWidth) return;
    FBorderWidth = v;
    Invalidate();
}

void TVEYComboBox::SetFont(const TFontDesc& font) {
    Font = font;
    Invalidate();
}

TFontDesc TVEYComboBox::ScaledFont() const {
    TFontDesc f = Font;
    if (f.PixelHeight > 0) {
        f.PixelHeight = scale_.Px(f.PixelHeight);
    } else {
        f.Dpi = scale_.Dpi();
    }
    return f;
}

VEYComboLayout TVEYComboBox::Layout() const {
    const TSize size{Width(), Height()};
    if (size != layoutSize_ || scale_ != layoutScale_) {
        layout_ = VEYComboLayoutFor(size.cx, size.cy, FBorderWidth, scale_);
        layoutSize_ = size;
        layoutScale_ = scale_;
    }
    return layout_;
}

// ---- Button pictures -------------------------------------------------

void TVEYComboBox::SetNormalImage(const TBitmap32& b) {
    FNormalImage = b;
    FDOWN.SetNormalImage(b);
    Invalidate();
}

void TVEYComboBox::SetDownImage(const TBitmap32& b) {
    FDownImage = b;
    FDOWN.SetDownImage(b);
    Invalidate();
}

void TVEYComboBox::SetMoveImage(const TBitmap32& b) {
    FMoveImage = b;
    FDOWN.SetMoveImage(b);
    Invalidate();
}

void TVEYComboBox::HandPicturesToButton() {
    fFirstLoad = false;
    FDOWN.SetNormalImage(FNormalImage);
    FDOWN.SetDownImage(FDownImage);
    FDOWN.SetMoveImage(FMoveImage);
    Invalidate();
}

void TVEYComboBox::LoadImg() {
    if (fFirstLoad) HandPicturesToButton();
}

// ---- Items -----------------------------------------------------------

void TVEYComboBox::UpdateLabel() {
    const std::u16string text = FItemIndex >= 0 ? FItems[FItemIndex] : std::u16string{};
    if (text == FLabelText) return;
    FLabelText = text;
    Invalidate();
}

void TVEYComboBox::SetItems(std::vector<std::u16string> items) {
    FItems = std::move(items);
    FItemIndex = -1;
    FTopIndex = 0;
    FHighlighted = -1;
    UpdateLabel();
    if (FDroppedDown && FItems.empty()) SetDroppedDown(false);
}

void TVEYComboBox::SetItemIndex(int index) {
    const int count = static_cast<int>(FItems.size());
    FItemIndex = index >= 0 && index < count ? index : -1;
    UpdateLabel();
}

// ---- The list --------------------------------------------------------

ComboListGeometry TVEYComboBox::ListGeometry() const {
    const VEYComboLayout l = Layout();
    return ComboListGeometryFor(Width(), l.listTop, l.itemHeight, scale_.Px(kListFrame),
                                static_cast<int>(FItems.size()), DropDownCount,
                                scale_.Px(kListScrollBarWidth));
}

ListScrollBar TVEYComboBox::ScrollBar() const {
    const ComboListGeometry g = ListGeometry();
    return ListScrollBarFor(g.scrollBar, static_cast<int>(FItems.size()), g.rows, FTopIndex,
                            scale_.Px(kListScrollMinThumb));
}

void TVEYComboBox::SetDroppedDown(bool dropped) {
    if (dropped && FItems.empty()) dropped = false;
    if (dropped == FDroppedDown) return;
    FDroppedDown = dropped;
    if (dropped) {
        FHighlighted = FItemIndex;
        FTopIndex = ComboListTopIndexFor(FItemIndex, FTopIndex, static_cast<int>(FItems.size()),
                                         ListGeometry().rows);
        if (OnDropDown) OnDropDown(*this);
    } else {
        scrollHot_ = scrollPressed_ = ListScrollPart::None;
        if (OnCloseUp) OnCloseUp(*this);
    }
}

void TVEYComboBox::ScrollList(int rows) {
    const int count = static_cast<int>(FItems.size());
    const int visible = ListGeometry().rows;
    FTopIndex = std::clamp(FTopIndex + rows, 0, std::max(0, count - visible));
}

int TVEYComboBox::ListItemAt(int x, int y) const {
    return ComboListItemAt(ListGeometry(), FTopIndex, static_cast<int>(FItems.size()), x, y);
}

bool TVEYComboBox::ListMouseMove(int x, int y) {
    const int top = FTopIndex, highlighted = FHighlighted;
    const ListScrollPart hot = scrollHot_;
    const ListScrollBar bar = ScrollBar();
    if (scrollPressed_ == ListScrollPart::Thumb) {
        // Dragging: the pointer moves the thumb, the rows follow; the
        // highlight stays where the keyboard or the pointer left it.
        FTopIndex = ListScrollTopForThumb(bar, static_cast<int>(FItems.size()), ListGeometry().rows,
                                          y - thumbGrab_);
    } else {
        scrollHot_ = ListScrollPartAt(bar, x, y);
        const int item = ListItemAt(x, y);
        if (item >= 0) FHighlighted = item;
    }
    return FTopIndex != top || FHighlighted != highlighted || scrollHot_ != hot;
}

bool TVEYComboBox::ListMouseDown(int x, int y) {
    const ListScrollBar bar = ScrollBar();
    const ListScrollPart part = ListScrollPartAt(bar, x, y);
    if (part == ListScrollPart::None) return false;
    scrollPressed_ = part;
    scrollHot_ = part;
    if (part == ListScrollPart::Thumb) {
        thumbGrab_ = y - bar.thumb.Top;
    } else {
        FTopIndex = ListScrollTopAfter(part, FTopIndex, static_cast<int>(FItems.size()),
                                       ListGeometry().rows);
    }
    return true;
}

void TVEYComboBox::ListMouseUp() {
    scrollPressed_ = ListScrollPart::None;
}

bool TVEYComboBox::ListScrollRepeat(int x, int y) {
    if (scrollPressed_ == ListScrollPart::None || scrollPressed_ == ListScrollPart::Thumb) {
        return false;
    }
    // A held track stops once the thumb has come under the pointer, and
    // goes on if the pointer moves further along.
    if (ListScrollPartAt(ScrollBar(), x, y) == scrollPressed_) {
        FTopIndex = ListScrollTopAfter(scrollPressed_, FTopIndex, static_cast<int>(FItems.size()),
                                       ListGeometry().rows);
    }
    return true;
}

void TVEYComboBox::MoveHighlight(int rows) {
    const int count = static_cast<int>(FItems.size());
    if (!FDroppedDown || count == 0) return;
    FHighlighted = FHighlighted < 0 ? 0 : std::clamp(FHighlighted + rows, 0, count - 1);
    FTopIndex = ComboListTopIndexFor(FHighlighted, FTopIndex, count, ListGeometry().rows);
}

bool TVEYComboBox::TypeLetter(char32_t c) {
    if (!FDroppedDown) return false;
    const int index = ListIndexForLetter(FItems, FHighlighted, c);
    if (index < 0 || index == FHighlighted) return false;
    const int count = static_cast<int>(FItems.size());
    FHighlighted = index;
    FTopIndex = ComboListTopIndexFor(index, FTopIndex, count, ListGeometry().rows);
    return true;
}

ComboClickDecision TVEYComboBox::HandleClick(ComboClickPlace place, int x, int y) {
    const int under = place == ComboClickPlace::List ? ListItemAt(x, y) : -1;
    const ComboClickDecision d =
        DecideComboClick(FDroppedDown, place, under, static_cast<int>(FItems.size()));
    switch (d.action) {
        case ComboClickAction::Open:
            SetDroppedDown(true);
            break;
        case ComboClickAction::Close:
            SetDroppedDown(false);
            break;
        case ComboClickAction::Pick:
            Pick(d.item);
            break;
        case ComboClickAction::None:
            break;
    }
    return d;
}

void TVEYComboBox::Pick(int index) {
    if (index < 0 || index >= static_cast<int>(FItems.size())) return;
    FItemIndex = index;
    UpdateLabel();
    SetDroppedDown(false);
    if (OnClick) OnClick(*this);
}

void TVEYComboBox::PaintListItem(TBitmap32& canvas, int index, const TRect& rect,
                                 TOwnerDrawState state) {
    canvas.FillRectTS(rect, state.selected ? FBorderColor : FFillColor);
    if (index >= 0 && index < static_cast<int>(FItems.size())) {
        const int inset = scale_.Px(kItemTextInset);
        const TRect textRect{rect.Left + inset, rect.Top, rect.Right - inset, rect.Bottom};
        canvas.SetFont(ScaledFont());
        const std::u16string& text = FItems[index];
        const int y = textRect.Top + (textRect.Height() - canvas.TextHeight(text)) / 2;
        ScopedClip clip(canvas, textRect);
        canvas.Textout(textRect.Left, y, text);
    }
    // The keyboard's item: a dotted frame in the text's colour, the way
    // the platform marks the focus, in dots as large as a line is thick.
    if (state.focused) FillDottedFrame(canvas, rect, scale_.Px(1), Font.Color);
    if (fFirstLoad) HandPicturesToButton();
}

void TVEYComboBox::PaintList(TBitmap32& canvas) {
    const ComboListGeometry g = ListGeometry();
    const TRect whole{0, 0, g.bounds.Width(), g.bounds.Height()};
    canvas.FillRectTS(whole, FFillColor);
    FillFrame(canvas, whole, g.frame, kListFrameColor);
    const int count = static_cast<int>(FItems.size());
    for (int row = 0; row < g.rows && FTopIndex + row < count; ++row) {
        const int index = FTopIndex + row;
        const bool current = index == FHighlighted;
        PaintListItem(canvas, index, g.RowRect(row), {current, current});
    }
    const ListScrollBarState bar{.hot = scrollHot_,
                                 .pressed = scrollPressed_,
                                 .canGoUp = FTopIndex > 0,
                                 .canGoDown = FTopIndex < ListScrollMaxTop(count, g.rows)};
    PaintListScrollBar(canvas, ScrollBar(), bar, FFillColor, scale_);
}

// ---- The face --------------------------------------------------------

void TVEYComboBox::SetShape(const TComboShape& shape) {
    if (shape == FShape) return;
    FShape = shape;
    Invalidate();
}

void TVEYComboBox::Paint(TBitmap32& canvas, int originX, int originY) {
    const VEYComboLayout l = Layout();
    const TRect face{originX, originY, originX + Width(), originY + Height()};

    if (FShape.Rounded) {
        // The body over whatever lies behind the corners, then the pen as
        // a ring inside its edge.
        const int w = Width(), h = Height();
        const double r = scale_.Px(FShape.Radius);
        const double pen = scale_.Px(std::max(1, FShape.PenWidth));
        art::CoverageMask body(w, h), ring(w, h);
        const Contour outer = art::RoundedRect(0, 0, w, h, r);
        body.Add(std::span(&outer, 1));
        ring.Add(std::span(&outer, 1));
        const Contour inner = art::RoundedRect(pen, pen, w - pen, h - pen, std::max(0.0, r - pen));
        ring.Cut(std::span(&inner, 1));
        PaintCoverage(canvas, body, originX, originY, FFillColor);
        PaintCoverage(canvas, ring, originX, originY, FShape.PenColor);
    } else {
        // The shape: fill, then the border; a border width of 0 still
        // draws the thinnest line, as a pen of width 0 does.
        canvas.FillRectTS(face, FFillColor);
        FillFrame(canvas, face, scale_.Px(std::max(1, FBorderWidth)), FBorderColor);
    }

    // The label: its own fill colour, the text vertically centred.
    const TRect label = Offset(l.label, originX, originY);
    {
        ScopedClip clip(canvas, label);
        canvas.FillRectTS(label, FFillColor);
        if (!FLabelText.empty()) {
            canvas.SetFont(ScaledFont());
            const int y = label.Top + (label.Height() - canvas.TextHeight(FLabelText)) / 2;
            canvas.Textout(label.Left, y, FLabelText);
        }
    }

    // The button on top of the label's right end.
    SyncButton();
    const TRect button = Offset(l.button, originX, originY);
    ScopedClip clip(canvas, button);
    FDOWN.Paint(canvas, button.Left, button.Top);
}

VEYComboLayout TVEYComboBox::SyncButton() {
    const VEYComboLayout l = Layout();
    FDOWN.SetBounds(l.button.Left, l.button.Top, l.button.Width(), l.button.Height());
    return l;
}

bool TVEYComboBox::OnFace(int x, int y) const {
    const VEYComboLayout l = Layout();
    return Contains(l.label, x, y) || Contains(l.button, x, y);
}

// The face forwards the pointer to its button for the hover and pressed
// pictures; a click on the label or the button opens the list. The
// control's own OnClick is kept for the pick.

void TVEYComboBox::MouseEnter() {}

void TVEYComboBox::MouseLeave() {
    if (buttonHovered_) {
        buttonHovered_ = false;
        FDOWN.MouseLeave();
        Invalidate();
    }
}

void TVEYComboBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    const VEYComboLayout l = SyncButton();
    if (button == mbLeft) pressedOnFace_ = OnFace(x, y);
    FDOWN.MouseDown(button, shift, x - l.button.Left, y - l.button.Top);
    Invalidate();
}

void TVEYComboBox::MouseMove(TShiftState shift, int x, int y) {
    const VEYComboLayout l = SyncButton();
    const bool over = Contains(l.button, x, y);
    if (over != buttonHovered_) {
        buttonHovered_ = over;
        over ? FDOWN.MouseEnter() : FDOWN.MouseLeave();
    }
    FDOWN.MouseMove(shift, x - l.button.Left, y - l.button.Top);
    Invalidate();
}

void TVEYComboBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    const VEYComboLayout l = SyncButton();
    FDOWN.MouseUp(button, shift, x - l.button.Left, y - l.button.Top);
    Invalidate();
    if (button != mbLeft) return;
    const bool wasPressed = pressedOnFace_;
    pressedOnFace_ = false;
    if (wasPressed && OnFace(x, y)) HandleClick(ComboClickPlace::Face);
}

void TVEYComboBox::MouseCaptureLost() {
    pressedOnFace_ = false;
    MouseUp(mbLeft, 0, -1, -1);
}

}  // namespace lg
