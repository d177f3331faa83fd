// The check boxes and radio buttons of the settings window.
#include "art/art_colors.h"
#include "art/button_states.h"
#include "art/glyph_pen.h"
#include "art/settings_art.h"

namespace lg::art {

namespace {

// The check box's corners, in 96-DPI pixels.
constexpr double kBoxRadius = 3;
// The check, in the 16 x 16 box's units: a short arm down to the right and
// a long one up, its stroke the icons' weight.
constexpr Vec2 kCheck[] = {{4, 8.5}, {6.75, 11.25}, {12, 5.75}};
// The chosen radio's dot, radius in 96-DPI pixels.
constexpr double kDotRadius = 4;

// The outline under the pointer or held: a step towards white, so the box
// answers even before its fill is seen.
TColor32 LitOutline() {
    return Lighten(kOutline, 0.3);
}

// The box or circle within the button: centred, on whole pixels.
TRect OptionBox(DisplayScale scale) {
    const TSize button = scale.Size(kOptionButtonSize);
    const int side = scale.Px(kOptionBox);
    const int left = (button.cx - side) / 2, top = (button.cy - side) / 2;
    return {left, top, left + side, top + side};
}

CoverageMask EmptyMask(DisplayScale scale) {
    const TSize button = scale.Size(kOptionButtonSize);
    return CoverageMask(button.cx, button.cy);
}

// A ring `line` pixels wide just inside `outer`, following its corners.
Shape Ring(const TRect& outer, int line, double radius) {
    return {RoundedRect(outer.Left, outer.Top, outer.Right, outer.Bottom, radius),
            Reversed(RoundedRect(outer.Left + line, outer.Top + line, outer.Right - line,
                                 outer.Bottom - line, radius - line))};
}

// Unticked, either shape: the outline alone, then lit round the hover or
// the pressed fill.
SetLooks UntickedLooks() {
    return {.normal = {kOutline, 0},
            .down = {LitOutline(), kPressedFill},
            .move = {LitOutline(), kHoverFill}};
}

}  // namespace

ButtonArt DrawCheckBox(DisplayScale scale) {
    const TRect box = OptionBox(scale);
    const double radius = scale.PxD(kBoxRadius);
    CoverageMask outline = EmptyMask(scale), check = EmptyMask(scale);
    outline.Add(Ring(box, scale.Px(1), radius));
    GlyphPen pen(check, box.Left, box.Top, scale.Factor());
    pen.Fill(pen.Stroke(kCheck, kStroke));
    // Ticked: the box is the plate, in the accent, the check the ink.
    const SetLooks ticked{.normal = {kInkHover, kAccent},
                          .down = {kInkHover, Darken(kAccent, 0.12)},
                          .move = {kInkHover, Lighten(kAccent, 0.12)}};
    const Plate plate{box, radius};
    return {.plain = PaintSet(outline, UntickedLooks(), plate),
            .latched = PaintSet(check, ticked, plate)};
}

ButtonArt DrawRadio(DisplayScale scale) {
    const TRect box = OptionBox(scale);
    const double radius = box.Width() / 2.0;
    const Vec2 centre{box.Left + radius, box.Top + radius};
    CoverageMask ring = EmptyMask(scale), chosen = EmptyMask(scale);
    Shape circle = Ring(box, scale.Px(1), radius);
    ring.Add(circle);
    Append(circle, Circle(centre, scale.PxD(kDotRadius)));
    chosen.Add(circle);
    // Chosen: ring and dot in the accent, lighter under the pointer and
    // darker while held, over the same fills as the unticked circle.
    const SetLooks looks{.normal = {kAccent, 0},
                         .down = {Darken(kAccent, 0.12), kPressedFill},
                         .move = {Lighten(kAccent, 0.12), kHoverFill}};
    const Plate plate{box, radius};
    return {.plain = PaintSet(ring, UntickedLooks(), plate),
            .latched = PaintSet(chosen, looks, plate)};
}

}  // namespace lg::art
