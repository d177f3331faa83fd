// The tool palette's controls, left to right: place, hint, the tool a tool
// button selects and the glyph of its picture. The window builds itself
// from this table.
#pragma once

#include <array>
#include <string_view>

#include "art/button_art.h"
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
    int left;
    int width;
    PaletteKind kind;
    TCurTool tool;     // for tool buttons
    art::Glyph glyph;  // unused for separators
    std::u16string_view hint;
};

inline constexpr int kPaletteWidth = 532;
inline constexpr int kPaletteHeight = 38;

inline constexpr std::array<PaletteItem, 15> kPaletteItems{{
    {PaletteControl::btArrow, 0, 38, PaletteKind::Tool, ctArrow, art::Glyph::Arrow, u"Стрелка"},
    {PaletteControl::btPen, 38, 38, PaletteKind::Tool, ctPen, art::Glyph::Pen, u"Карандаш"},
    {PaletteControl::btRect, 76, 38, PaletteKind::Tool, ctRect, art::Glyph::Rect, u"Прямоугольник"},
    {PaletteControl::btLine, 114, 38, PaletteKind::Tool, ctLine, art::Glyph::Line, u"Линия"},
    {PaletteControl::btMarker, 152, 38, PaletteKind::Tool, ctTrPen, art::Glyph::Marker, u"Маркер"},
    {PaletteControl::btSetWidth, 190, 38, PaletteKind::Command, ctNone, art::Glyph::Width,
     u"Толщина"},
    {PaletteControl::Image2, 228, 10, PaletteKind::Separator, ctNone, art::Glyph::Close, u""},
    {PaletteControl::btFillRect, 238, 38, PaletteKind::Tool, ctTrRect, art::Glyph::FillRect,
     u"Прямоугольник с заливкой"},
    {PaletteControl::btText, 276, 38, PaletteKind::Tool, ctTextExit, art::Glyph::Text,
     u"Добавить текст"},
    {PaletteControl::btStamp, 314, 38, PaletteKind::Tool, ctStamp, art::Glyph::Stamp, u"Нумерация"},
    {PaletteControl::btGaus, 352, 38, PaletteKind::Tool, ctRectGaus, art::Glyph::Blur, u"Размытие"},
    {PaletteControl::btColor, 390, 48, PaletteKind::Command, ctNone, art::Glyph::Color,
     u"Выбор цвета"},
    {PaletteControl::Image1, 438, 10, PaletteKind::Separator, ctNone, art::Glyph::Close, u""},
    {PaletteControl::btUndo, 448, 38, PaletteKind::Command, ctNone, art::Glyph::Undo, u"Отменить"},
    {PaletteControl::btRedo, 486, 38, PaletteKind::Command, ctNone, art::Glyph::Redo, u"Повторить"},
}};

inline constexpr const PaletteItem& PaletteItemOf(PaletteControl id) {
    return kPaletteItems[static_cast<std::size_t>(id)];
}

}  // namespace lg
