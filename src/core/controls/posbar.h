// The position bar: a windowless slider over a range of 64-bit values. A
// flat bar (two colours, or a background picture), an optional thumb
// picture at the position, and an optional cut mode whose two handles,
// drawn below the bar, mark a sub-range. Pressing on the track jumps the
// position there and dragging follows the pointer; every drag reports its
// begin, each move and its end.
//
// Sizes in 96-DPI pixels (the control's 150 × 24 at construction, Size)
// reach the screen through the control's display scale; the pictures are
// taken as they are, drawn by their owner at that scale.
#pragma once

#include <cstdint>
#include <functional>

#include "controls/graphic_control.h"
#include "controls/posbar_geometry.h"
#include "dpi/display_scale.h"
#include "raster/color32.h"

namespace lg {

enum TMovingState : std::uint8_t { msNone, msProgress, msLeftCut, msRightCut };
enum TPosBarStyle : std::uint8_t { pbsGauge, pbsTrackBar };

struct TPoint64 {
    std::int64_t X = 0;
    std::int64_t Y = 0;
    friend constexpr bool operator==(const TPoint64&, const TPoint64&) = default;
};

class TPosbar;

// A drag's notification: the state in force and the current Position (also
// while a cut handle is dragged).
using TPositionEvent =
    std::function<void(TPosbar& sender, TMovingState movingState, std::int64_t newPosition)>;

class TPosbar : public TGraphicControl {
public:
    explicit TPosbar(DisplayScale scale = {});

    // The owner lays the control out again (SetBounds) and gives it
    // pictures drawn at the new scale; the bar's thickness follows at once.
    DisplayScale Scale() const { return scale_; }
    void SetScale(DisplayScale scale);

    // ---- Range and value ---------------------------------------------
    // Neither Min nor Max checks that Min ≤ Max; each pulls Position in.
    std::int64_t Min() const { return FMin; }
    void SetMin(std::int64_t v);
    std::int64_t Max() const { return FMax; }
    void SetMax(std::int64_t v);
    std::int64_t Position() const { return FPosition; }
    // Clamped to Max, then to Min. A program's change fires nothing.
    void SetPosition(std::int64_t v);

    // ---- Look --------------------------------------------------------
    // Track, fill, and pen colour (the pen is clear: no outline shows).
    TColor32 BackColor() const { return FBackColor; }
    void SetBackColor(TColor32 c);
    TColor32 ForeColor() const { return FForeColor; }
    void SetForeColor(TColor32 c);
    TColor32 BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor32 c);

    // Bar thickness in 96-DPI pixels, never below 3; the control grows to
    // hold it.
    int Size() const { return FSize; }
    void SetSize(int v);
    // The bar's thickness in pixels of the display.
    int BarPixels() const;

    // The thumb sits centred on the position; a non-empty one sets the
    // control's height to its own and is drawn blended.
    const TBitmap32& ThumbImage() const { return FThumbImage; }
    void SetThumbImage(const TBitmap32& picture);
    // The bar of pbsTrackBar: drawn blended at the track's start; the
    // control grows to its height and the bar takes it as its thickness.
    const TBitmap32& BgImage() const { return FBgImage; }
    void SetBgImage(const TBitmap32& picture);
    const TBitmap32& CutLeftImage() const { return FCutLeftImage; }
    void SetCutLeftImage(const TBitmap32& picture);
    const TBitmap32& CutRightImage() const { return FCutRightImage; }
    void SetCutRightImage(const TBitmap32& picture);

    // Taken as they are at the next paint.
    bool BarVisible = true;
    bool VerticalOrientation = false;
    TPosBarStyle Style = pbsGauge;

    // ---- Cut mode ----------------------------------------------------
    bool CutMode() const { return FCutMode; }
    void SetCutMode(bool v);
    // Kept inside Min … Max, CutBegin ≤ CutEnd, and at least MinCutSize
    // apart where the range allows.
    std::int64_t CutBegin() const { return FCutBegin; }
    void SetCutBegin(std::int64_t v);
    std::int64_t CutEnd() const { return FCutEnd; }
    void SetCutEnd(std::int64_t v);
    std::int64_t MinCutSize() const { return FMinCutSize; }
    void SetMinCutSize(std::int64_t v);
    // Top-left corners of the handles as last placed (painted or pressed).
    TPoint64 LastCutLeft() const { return FLastCutLeft; }
    TPoint64 LastCutRight() const { return FLastCutRight; }

    // ---- Dragging ----------------------------------------------------
    TMovingState Moving() const { return FMoving; }
    TPositionEvent OnChangePosBegin;
    TPositionEvent OnChangePosMoving;
    TPositionEvent OnChangePosEnd;

    // Where the track lies at the control's present size and pictures.
    PosbarLayout Layout() const;
    // The position's pixel offset along the track, as the last paint
    // computed it.
    std::int64_t CurrentPos() const { return FCurrentPos; }

    // Runs before the bar, with the canvas and the control's origin.
    std::function<void(TBitmap32& canvas, int originX, int originY)> OnPaint;

    void Paint(TBitmap32& canvas, int originX, int originY) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseCaptureLost() override;

private:
    struct CutCorners {
        TPoint64 left, right;
    };

    static void SetPicture(TBitmap32& field, const TBitmap32& picture);
    void GrowTo(int height);
    void InvalidateUnlessDragging();
    // The pointer's pixel offset along the track (upwards when vertical).
    std::int64_t PointerOffset(const PosbarLayout& l, int x, int y) const;
    std::int64_t ValueToPixel(std::int64_t value, const PosbarLayout& l) const;
    std::int64_t PixelToValue(std::int64_t pixel, const PosbarLayout& l) const;
    CutCorners PlaceCutHandles(const PosbarLayout& l) const;
    static bool Inside(const TPoint64& corner, const TBitmap32& picture, int x, int y);
    // The position or cut edge that follows the pointer at (x, y).
    void Follow(int x, int y);
    // Ends the drag as a release at (x, y) does.
    void Finish(int x, int y);
    void PaintGaugeRect(TBitmap32& canvas, int originX, int originY, const PosbarLayout& l,
                        std::int64_t from, std::int64_t to, TColor32 color) const;

    DisplayScale scale_;
    std::int64_t FCurrentPos = 0;
    std::int64_t FMin = 0, FMax = 100, FPosition = 50;
    TPoint64 FCutDxDy;
    bool FCutMode = false;
    std::int64_t FCutBegin = 0, FCutEnd = 100, FMinCutSize = 0;
    TBitmap32 FCutLeftImage, FCutRightImage;
    TPoint64 FLastCutLeft, FLastCutRight;
    TBitmap32 FBgImage;
    TColor32 FBackColor = Color32(255, 255, 255);
    TColor32 FForeColor = Color32(128, 128, 128);
    TColor32 FBorderColor = Color32(0, 0, 0);
    int FSize = 10;
    // The background picture's height, when it set the bar's thickness: a
    // picture is already at the display's scale and is not scaled again.
    int bgBarPixels_ = 0;
    TBitmap32 FThumbImage;
    TPoint64 OldMousePos;
    TMovingState FMoving = msNone;
    std::int64_t FMovingPosition = 0;
};

}  // namespace lg
