// The owner-drawn combo box: a flat face (a bordered rectangle, a label with
// the chosen item's text, a drop-down image button at its right end) and a
// drop-down list twice the face's width. The face is a windowless control;
// the list is a model the shell shows in a window of its own, asking it for
// its geometry, the item under the pointer and the painting of each item,
// and handing it the user's clicks.
//
// Sizes written in 96-DPI pixels (the border width, the label's margins,
// the list's frame, fonts in pixels) reach the screen through the control's
// display scale; the bounds and the button pictures are given already at
// that scale by the owner.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "controls/combo_list.h"
#include "controls/graphic_control.h"
#include "controls/image_button.h"
#include "controls/list_scroll_geometry.h"
#include "dpi/display_scale.h"
#include "raster/color32.h"

namespace lg {

// The parts of the face, in pixels of the display, relative to its
// top-left corner.
struct VEYComboLayout {
    TRect button;        // the square drop-down button inside the border
    TRect label;         // the label showing the chosen item
    int itemHeight = 0;  // one row of the drop-down list
    int listTop = 0;     // where the list starts below the face

    friend bool operator==(const VEYComboLayout&, const VEYComboLayout&) = default;
};

// The layout of a face `width` × `height` with a border of `borderWidth`
// 96-DPI pixels.
VEYComboLayout VEYComboLayoutFor(int width, int height, int borderWidth, DisplayScale scale);

// The face's shape: square (the default, with BorderColor and BorderWidth)
// or rounded, drawn with its own pen; a pen of the fill colour leaves no
// visible outline, only the rounded body.
struct TComboShape {
    bool Rounded = false;
    int Radius = 4;  // 96-DPI pixels
    TColor32 PenColor = 0;
    int PenWidth = 0;  // 96-DPI pixels; 0 draws the thinnest line
    friend bool operator==(const TComboShape&, const TComboShape&) = default;
};

// How one list item is to be drawn.
struct TOwnerDrawState {
    bool selected = false;  // the highlighted row
    bool focused = false;   // the row with the keyboard focus
};

class TVEYComboBox : public TGraphicControl {
public:
    explicit TVEYComboBox(DisplayScale scale = {});

    // The owner lays the face out again (SetBounds) and hands it button
    // pictures drawn at the new scale.
    DisplayScale Scale() const { return scale_; }
    void SetScale(DisplayScale scale);

    // ---- Look --------------------------------------------------------
    TColor32 BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor32 c);
    TColor32 FillColor() const { return FFillColor; }
    void SetFillColor(TColor32 c);
    // In 96-DPI pixels. The face's border shows it at once; the button
    // and the label move at the next resize.
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int v);
    const TComboShape& Shape() const { return FShape; }
    void SetShape(const TComboShape& shape);
    // The font of the label and the list items (the inherited Font) as
    // written: a pixel height or points, taken through the scale when drawn.
    void SetFont(const TFontDesc& font);

    // The drop-down button's pictures: copied here and straight into the
    // button.
    void SetNormalImage(const TBitmap32& b);
    void SetDownImage(const TBitmap32& b);
    void SetMoveImage(const TBitmap32& b);
    // Hands the three pictures to the button once, the first time either
    // this or the first item's drawing comes.
    void LoadImg();
    bool FirstLoad() const { return fFirstLoad; }
    const TImageButton& DropButton() const { return FDOWN; }

    // ---- Items and the chosen one ------------------------------------
    const std::vector<std::u16string>& Items() const { return FItems; }
    // A new list holds no chosen item: the label goes empty.
    void SetItems(std::vector<std::u16string> items);
    // -1 for none. Setting it never fires OnClick; an index outside the
    // items chooses none.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int index);
    // The label's text: the chosen item's, or empty.
    const std::u16string& LabelText() const { return FLabelText; }

    // ---- The drop-down list ------------------------------------------
    // Rows shown at once before the list scrolls.
    int DropDownCount = 8;
    bool DroppedDown() const { return FDroppedDown; }
    // Opening highlights the chosen item and scrolls it into view; a list
    // without items stays closed.
    void SetDroppedDown(bool dropped);
    // The list's place below the face, its rows and their height.
    ComboListGeometry ListGeometry() const;
    // The item shown in the first row, and scrolling by whole rows.
    int TopIndex() const { return FTopIndex; }
    void ScrollList(int rows);
    // The item under (x, y) of the list's coordinates, or -1.
    int ListItemAt(int x, int y) const;
    // The list's scroll bar, in the list's coordinates; not shown when
    // every item fits.
    ListScrollBar ScrollBar() const;
    // The row under the pointer is highlighted; between rows it stays.
    // While the scroll bar's thumb is held, the pointer drags it instead.
    // True when the list looks different afterwards.
    int HighlightedIndex() const { return FHighlighted; }
    bool ListMouseMove(int x, int y);
    // A left press in the open list: on the scroll bar it steps, pages or
    // takes hold of the thumb, and the press is the bar's until
    // ListMouseUp. False when the press is not on the bar (a pick, then,
    // at its release).
    bool ListMouseDown(int x, int y);
    void ListMouseUp();
    // The part of the bar held down, None when none is.
    ListScrollPart ScrollPressed() const { return scrollPressed_; }
    // A held arrow or track steps again, as long as the pointer, at (x, y),
    // is still over that part. True while a part that repeats is held.
    bool ListScrollRepeat(int x, int y);
    // The keyboard in the open list: the highlight moves by `rows` (kept
    // on the items, scrolled into view); Enter picks the highlighted item.
    void MoveHighlight(int rows);
    void PickHighlighted() { Pick(FHighlighted); }
    // A character typed in the open list highlights an item starting with
    // it (the next one when the highlighted item does). True when it moved.
    bool TypeLetter(char32_t c);
    // A click of the user; (x, y) in the list's coordinates for
    // ComboClickPlace::List. Opens, closes or picks, as the decision says,
    // and returns it so the shell shows or hides the list.
    ComboClickDecision HandleClick(ComboClickPlace place, int x = -1, int y = -1);
    // The user chose `index`: the label shows it, the list closes, OnClick
    // runs. An index outside the items does nothing.
    void Pick(int index);

    // One item into `canvas` at `rect`: the highlight or the fill, the text
    // inset on both sides and centred vertically, and for the item the
    // keyboard is on a dotted focus frame.
    void PaintListItem(TBitmap32& canvas, int index, const TRect& rect, TOwnerDrawState state);
    // The whole open list into `canvas` (its size that of ListGeometry):
    // the rows, the highlighted one with the focus frame (the keyboard's
    // item, which the pointer moves too), and the scroll bar.
    void PaintList(TBitmap32& canvas);

    // Runs when the list opens and closes, so the shell shows or hides it.
    std::function<void(TVEYComboBox& sender)> OnDropDown;
    std::function<void(TVEYComboBox& sender)> OnCloseUp;

    // The parts as last laid out: the layout follows the size and the
    // scale, not a change of BorderWidth alone.
    VEYComboLayout Layout() const;

    void Paint(TBitmap32& canvas, int originX, int originY) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseCaptureLost() override;

private:
    // The font at the display's scale.
    TFontDesc ScaledFont() const;
    void UpdateLabel();
    void HandPicturesToButton();
    // The button takes its place from the layout; returns the layout.
    VEYComboLayout SyncButton();
    bool OnFace(int x, int y) const;

    DisplayScale scale_;
    TColor32 FBorderColor = Color32(39, 75, 126);
    int FBorderWidth = 2;
    TColor32 FFillColor = Color32(9, 26, 50);
    TComboShape FShape;
    bool fFirstLoad = true;
    TImageButton FDOWN;
    TBitmap32 FNormalImage, FDownImage, FMoveImage;
    std::vector<std::u16string> FItems;
    int FItemIndex = -1;
    std::u16string FLabelText;

    bool FDroppedDown = false;
    int FTopIndex = 0;
    int FHighlighted = -1;
    ListScrollPart scrollHot_ = ListScrollPart::None;
    ListScrollPart scrollPressed_ = ListScrollPart::None;
    int thumbGrab_ = 0;           // how far below the thumb's top edge it was taken
    bool pressedOnFace_ = false;  // a left press on the face, waiting for its release
    bool buttonHovered_ = false;

    // The layout and the size and scale it was made for.
    mutable VEYComboLayout layout_;
    mutable TSize layoutSize_{-1, -1};
    mutable DisplayScale layoutScale_;
};

}  // namespace lg
