// The tool palette's controls, left to right: width, hint, the tool a tool
// button selects and the glyph of its picture. The window builds itself
// from this table. Sizes are in 96-DPI pixels (the window scales them);
// places follow from the widths, so they are never summed by hand.
#pragma once

#include <array>
#include <string_view>

#include "art/button_art.h"
#include "raster/geometry.h"
#include "tools/cur_tool.h"

namespace lg {

enum class PaletteControl : std::uint8_t {
    btArrow,
    btPen,
    btRect,
    btLine,
    btMarker,
    btSetWidth,
    Image2,
    btFillRect,
    btText,
    btStamp,
    btGaus,
    btColor,
    Image1,
    btUndo,
    btRedo,
};

enum class PaletteKind : std::uint8_t { Tool, Command, Separator };

struct PaletteItem {
    PaletteControl id;
    int width;
    PaletteKind kind;
    TCurTool tool;     // for tool buttons
    art::Glyph glyph;  // unused for separators
    std::u16string_view hint;
};

inline constexpr int kPaletteHeight = 38;
// The form is this much wider than its last control.
inline constexpr int kPaletteEndMargin = 8;

inline constexpr std::array<PaletteItem, 15> kPaletteItems{{
    {PaletteControl::btArrow, 38, PaletteKind::Tool, ctArrow, art::Glyph::Arrow, u"Стрелка"},
    {PaletteControl::btPen, 38, PaletteKind::Tool, ctPen, art::Glyph::Pen, u"Карандаш"},
    {PaletteControl::btRect, 38, PaletteKind::Tool, ctRect, art::Glyph::Rect, u"Прямоугольник"},
    {PaletteControl::btLine, 38, PaletteKind::Tool, ctLine, art::Glyph::Line, u"Линия"},
    {PaletteControl::btMarker, 38, PaletteKind::Tool, ctTrPen, art::Glyph::Marker, u"Маркер"},
    {PaletteControl::btSetWidth, 38, PaletteKind::Command, ctNone, art::Glyph::Width, u"Толщина"},
    {PaletteControl::Image2, 10, PaletteKind::Separator, ctNone, art::Glyph::Close, u""},
    {PaletteControl::btFillRect, 38, PaletteKind::Tool, ctTrRect, art::Glyph::FillRect,
     u"Прямоугольник с заливкой"},
    {PaletteControl::btText, 38, PaletteKind::Tool, ctTextExit, art::Glyph::Text,
     u"Добавить текст"},
    {PaletteControl::btStamp, 38, PaletteKind::Tool, ctStamp, art::Glyph::Stamp, u"Нумерация"},
    {PaletteControl::btGaus, 38, PaletteKind::Tool, ctRectGaus, art::Glyph::Blur, u"Размытие"},
    {PaletteControl::btColor, 48, PaletteKind::Command, ctNone, art::Glyph::Color, u"Выбор цвета"},
    {PaletteControl::Image1, 10, PaletteKind::Separator, ctNone, art::Glyph::Close, u""},
    {PaletteControl::btUndo, 38, PaletteKind::Command, ctNone, art::Glyph::Undo, u"Отменить"},
    {PaletteControl::btRedo, 38, PaletteKind::Command, ctNone, art::Glyph::Redo, u"Повторить"},
}};

inline constexpr const PaletteItem& PaletteItemOf(PaletteControl id) {
    return kPaletteItems[static_cast<std::size_t>(id)];
}

// The left edge of a control: the widths of those before it.
inline constexpr int PaletteItemLeft(PaletteControl id) {
    int left = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(id); ++i) left += kPaletteItems[i].width;
    return left;
}

// The bounds of a control in the 96-DPI form.
inline constexpr TRect PaletteItemBounds(PaletteControl id) {
    const int left = PaletteItemLeft(id);
    return TRect{left, 0, left + PaletteItemOf(id).width, kPaletteHeight};
}

inline constexpr int kPaletteWidth = PaletteItemLeft(PaletteControl::btRedo) +
                                     PaletteItemOf(PaletteControl::btRedo).width +
                                     kPaletteEndMargin;

// The table is in the order of its ids, and gives the form its size.
inline constexpr bool PaletteTableInOrder() {
    for (std::size_t i = 0; i < kPaletteItems.size(); ++i) {
        if (static_cast<std::size_t>(kPaletteItems[i].id) != i) return false;
    }
    return true;
}
static_assert(PaletteTableInOrder());
static_assert(kPaletteWidth == 532);
static_assert(PaletteItemLeft(PaletteControl::btColor) == 390 &&
              PaletteItemLeft(PaletteControl::btUndo) == 448);

}  // namespace lg
