// Renders the button artwork as two PNG contact sheets for looking at it:
//
//   art_sheet.png   every glyph in every state, 4x, one row per glyph:
//                   plain normal, pressed, hover, disabled, then the same
//                   four latched; then the primary and secondary text
//                   buttons (normal, pressed, hover, disabled) and both
//                   separators.
//   art_panels.png  the tool palette and the output panel as the program
//                   shows them (arrow latched, one button hovered, undo
//                   and redo disabled), at 1x and 3x.
//
// With a DPI the pictures are drawn for a display of that DPI and the
// sheets magnified less (3x at 144, 2x at 192), so sheets of every scale
// show the artwork about as large and its own pixels can be compared.
//
// Usage: art_sheet [output folder] [dpi]   (default: the current folder,
// made when missing; 96 DPI)
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "art/button_art.h"
#include "output/png_encoder.h"
#include "raster/bitmap32.h"

namespace {

using lg::DisplayScale;
using lg::TBitmap32;
using lg::TColor32;
using lg::art::ButtonArt;
using lg::art::Glyph;

constexpr TColor32 kPanel = lg::Color32(9, 26, 50);
constexpr TColor32 kCellEdge = lg::Color32(20, 40, 70);
// The palette's colour at start.
constexpr TColor32 kSwatchRed = lg::Color32(255, 0, 0);

struct GlyphRow {
    Glyph glyph;
    int width;
    int height;
    TColor32 swatch = 0;
};

const std::array kRows{
    GlyphRow{Glyph::Arrow, 38, 38},
    GlyphRow{Glyph::Pen, 38, 38},
    GlyphRow{Glyph::Rect, 38, 38},
    GlyphRow{Glyph::Line, 38, 38},
    GlyphRow{Glyph::Marker, 38, 38},
    GlyphRow{Glyph::Width, 38, 38},
    GlyphRow{Glyph::FillRect, 38, 38},
    GlyphRow{Glyph::Text, 38, 38},
    GlyphRow{Glyph::Stamp, 38, 38},
    GlyphRow{Glyph::Blur, 38, 38},
    GlyphRow{Glyph::Color, 48, 38, kSwatchRed},
    GlyphRow{Glyph::Color, 48, 38, lg::Color32(250, 250, 250)},
    GlyphRow{Glyph::Undo, 38, 38},
    GlyphRow{Glyph::Redo, 38, 38},
    GlyphRow{Glyph::Upload, 38, 33},
    GlyphRow{Glyph::Copy, 38, 38},
    GlyphRow{Glyph::Save, 38, 38},
    GlyphRow{Glyph::Close, 38, 38},
    GlyphRow{Glyph::CloseSmall, 20, 20},
};

// `picture` over `canvas` at (x, y), blended by its alpha as the buttons
// draw their pictures.
void Put(TBitmap32& canvas, int x, int y, TBitmap32 picture) {
    picture.SetDrawMode(lg::dmBlend);
    canvas.Draw(x, y, picture);
}

// A button as it is painted: the background picture (the colour swatch)
// first, then the state picture centred.
void PutButton(TBitmap32& canvas, int x, int y, const TBitmap32& picture, TColor32 swatch) {
    if (swatch != 0) canvas.FillRectTS(x, y, x + picture.Width(), y + picture.Height(), swatch);
    Put(canvas, x, y, picture);
}

TBitmap32 Scaled(const TBitmap32& src, int factor) {
    TBitmap32 out(src.Width() * factor, src.Height() * factor);
    for (int y = 0; y < out.Height(); ++y) {
        for (int x = 0; x < out.Width(); ++x) {
            *out.PixelPtr(x, y) = *src.PixelPtr(x / factor, y / factor);
        }
    }
    return out;
}

// The magnification that shows a picture drawn at `scale` about as large as
// one drawn at 96 DPI and magnified `at96` times.
int Zoom(DisplayScale scale, int at96) {
    return std::max(1, static_cast<int>(std::lround(at96 / scale.Factor())));
}

std::array<const TBitmap32*, 8> States(const ButtonArt& art) {
    return {&art.plain.normal,   &art.plain.down,   &art.plain.move,   &art.plain.disabled,
            &art.latched.normal, &art.latched.down, &art.latched.move, &art.latched.disabled};
}

TBitmap32 StateSheet(DisplayScale scale) {
    // Text buttons take two cells: their latched set is their plain set.
    const int kCellW = scale.Px(74), kCellH = scale.Px(46);
    constexpr int kCols = 8;
    const int rows = static_cast<int>(kRows.size()) + 3;
    TBitmap32 sheet(kCellW * kCols, kCellH * rows);
    sheet.Clear(kPanel);
    const auto place = [&](int row, int col, int span, const TBitmap32& picture, TColor32 swatch) {
        const int left = col * kCellW, top = row * kCellH;
        sheet.FillRectTS(left, top, left + span * kCellW, top + 1, kCellEdge);
        sheet.FillRectTS(left, top, left + 1, top + kCellH, kCellEdge);
        PutButton(sheet, left + (span * kCellW - picture.Width()) / 2,
                  top + (kCellH - picture.Height()) / 2, picture, swatch);
    };
    int row = 0;
    for (const GlyphRow& g : kRows) {
        const ButtonArt art = lg::art::DrawGlyphButton(g.glyph, g.width, g.height, scale);
        int col = 0;
        for (const TBitmap32* picture : States(art)) place(row, col++, 1, *picture, g.swatch);
        ++row;
    }
    for (auto kind : {lg::art::TextButtonKind::Primary, lg::art::TextButtonKind::Secondary}) {
        const ButtonArt art = lg::art::DrawTextButton(kind, 142, 38, scale);
        int col = 0;
        for (const TBitmap32* picture : States(art)) {
            if (col < kCols) place(row, col, 2, *picture, 0);
            col += 2;
        }
        ++row;
    }
    place(row, 0, 1, lg::art::DrawSeparator(10, 38, scale), 0);
    place(row, 1, 1, lg::art::DrawSeparator(38, 10, scale), 0);
    return Scaled(sheet, Zoom(scale, 4));
}

// The palette strip (left to right, 38 px buttons, the colour button 48 px,
// 10 px separators) and the output panel (a column), with the states the
// program shows at the start of an edit plus one hovered button.
TBitmap32 Panels(DisplayScale scale) {
    // Laid out in 96-DPI pixels like the windows; every edge goes through
    // the scale.
    const auto px = [scale](int v96) { return scale.Px(v96); };
    TBitmap32 strip(px(532 + 16 + 38), px(33 + 38 + 38 + 10 + 38));
    strip.Clear(lg::Color32(40, 40, 40));
    strip.FillRectTS(0, 0, px(532), px(38), kPanel);
    struct Item {
        Glyph glyph;
        int left;
        int width;
    };
    const Item palette[] = {
        {Glyph::Arrow, 0, 38},      {Glyph::Pen, 38, 38},     {Glyph::Rect, 76, 38},
        {Glyph::Line, 114, 38},     {Glyph::Marker, 152, 38}, {Glyph::Width, 190, 38},
        {Glyph::FillRect, 238, 38}, {Glyph::Text, 276, 38},   {Glyph::Stamp, 314, 38},
        {Glyph::Blur, 352, 38},     {Glyph::Color, 390, 48},  {Glyph::Undo, 448, 38},
        {Glyph::Redo, 486, 38}};
    for (const Item& item : palette) {
        const ButtonArt art = lg::art::DrawGlyphButton(item.glyph, item.width, 38, scale);
        const TBitmap32* picture = &art.plain.normal;
        if (item.glyph == Glyph::Arrow) picture = &art.latched.normal;
        if (item.glyph == Glyph::Rect) picture = &art.plain.move;
        if (item.glyph == Glyph::Redo) picture = &art.plain.disabled;
        PutButton(strip, px(item.left), 0, *picture, item.glyph == Glyph::Color ? kSwatchRed : 0);
    }
    Put(strip, px(228), 0, lg::art::DrawSeparator(10, 38, scale));
    Put(strip, px(438), 0, lg::art::DrawSeparator(10, 38, scale));

    // The output panel, right of the palette.
    const int left = 532 + 16;
    struct Cell {
        Glyph glyph;
        int height;
    };
    const Cell column[] = {{Glyph::Upload, 33}, {Glyph::Copy, 38}, {Glyph::Save, 38}};
    int y = 0;
    strip.FillRectTS(px(left), 0, px(left + 38), px(33 + 38 + 38 + 10 + 38), kPanel);
    for (const Cell& cell : column) {
        const ButtonArt art = lg::art::DrawGlyphButton(cell.glyph, 38, cell.height, scale);
        Put(strip, px(left), px(y), cell.glyph == Glyph::Copy ? art.plain.move : art.plain.normal);
        y += cell.height;
    }
    Put(strip, px(left), px(y), lg::art::DrawSeparator(38, 10, scale));
    y += 10;
    Put(strip, px(left), px(y), lg::art::DrawGlyphButton(Glyph::Close, 38, 38, scale).plain.normal);

    // The same magnified below.
    const TBitmap32 big = Scaled(strip, Zoom(scale, 3));
    TBitmap32 out(big.Width(), strip.Height() + 8 + big.Height());
    out.Clear(lg::Color32(40, 40, 40));
    out.Draw(0, 0, strip);
    out.Draw(0, strip.Height() + 8, big);
    return out;
}

bool WritePng(const TBitmap32& picture, const std::filesystem::path& path) {
    const lg::ImageView32 view{picture.Bits(), picture.Width(), picture.Height(), picture.Width()};
    std::vector<std::uint8_t> bytes;
    if (lg::EncodePng(view, bytes, {.threads = 1}) != lg::EncodeStatus::kOk) return false;
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
    const std::filesystem::path folder = argc > 1 ? argv[1] : ".";
    const DisplayScale scale(argc > 2 ? std::atoi(argv[2]) : lg::kBaseDpi);
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    bool ok = true;
    for (const auto& [name, picture] : {std::pair{"art_sheet.png", StateSheet(scale)},
                                        std::pair{"art_panels.png", Panels(scale)}}) {
        const std::filesystem::path path = folder / name;
        if (WritePng(picture, path)) {
            std::printf("%s\n", path.string().c_str());
        } else {
            std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
            ok = false;
        }
    }
    return ok ? 0 : 1;
}
