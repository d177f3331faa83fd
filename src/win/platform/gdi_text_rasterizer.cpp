#include "platform/gdi_text_rasterizer.h"

#include <cstring>

#include "platform/dib.h"
#include "platform/u16.h"
#include "raster/bitmap32.h"

namespace lg::win {
namespace {

constexpr size_t kMaxCachedFonts = 16;

}  // namespace

GdiTextRasterizer::GdiTextRasterizer() : dc_(CreateCompatibleDC(nullptr)) {
    ScopedGetDc screen(nullptr);
    if (screen.get()) dpi_ = GetDeviceCaps(screen.get(), LOGPIXELSY);
    if (dpi_ <= 0) dpi_ = 96;
}

HFONT GdiTextRasterizer::FontFor(const TFontDesc& font) {
    for (auto it = fonts_.begin(); it != fonts_.end(); ++it) {
        if (it->family == font.Family && it->size == font.Size &&
            it->pixelHeight == font.PixelHeight && it->dpi == font.Dpi && it->style == font.Style) {
            fonts_.splice(fonts_.begin(), fonts_, it);
            return static_cast<HFONT>(fonts_.front().handle.get());
        }
    }
    LOGFONTW lf{};
    // A negative height asks for the character height (the em), as the
    // sizes of the windows are meant.
    lf.lfHeight = font.PixelHeight > 0 ? -font.PixelHeight
                                       : -MulDiv(font.Size, font.Dpi > 0 ? font.Dpi : dpi_, 72);
    lf.lfWeight = (font.Style & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (font.Style & fsItalic) ? TRUE : FALSE;
    lf.lfUnderline = (font.Style & fsUnderline) ? TRUE : FALSE;
    lf.lfStrikeOut = (font.Style & fsStrikeOut) ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_TT_PRECIS;
    // Grey-scale smoothing: its coverage is what text rendering turns into alpha.
    lf.lfQuality = ANTIALIASED_QUALITY;
    std::wstring_view family =
        font.Family.empty() ? std::wstring_view(L"Tahoma") : AsWide(font.Family);
    lstrcpynW(lf.lfFaceName, std::wstring(family).c_str(), LF_FACESIZE);
    UniqueGdiObject handle(CreateFontIndirectW(&lf));
    if (!handle) handle.reset(GetStockObject(DEFAULT_GUI_FONT));
    if (fonts_.size() >= kMaxCachedFonts) fonts_.pop_back();
    fonts_.push_front(CachedFont{font.Family, font.Size, font.PixelHeight, font.Dpi, font.Style,
                                 std::move(handle)});
    return static_cast<HFONT>(fonts_.front().handle.get());
}

TSize GdiTextRasterizer::Measure(const TFontDesc& font, std::u16string_view text) {
    ScopedSelect select(dc_.get(), FontFor(font));
    SIZE size{};
    std::wstring_view w = AsWide(text);
    if (!w.empty()) {
        GetTextExtentPoint32W(dc_.get(), w.data(), static_cast<int>(w.size()), &size);
    } else {
        TEXTMETRICW tm{};
        GetTextMetricsW(dc_.get(), &tm);
        size.cy = tm.tmHeight;
    }
    return TSize{size.cx, size.cy};
}

void GdiTextRasterizer::Draw(TBitmap32& target, int x, int y, std::u16string_view text,
                             const TFontDesc& font) {
    if (text.empty() || target.Empty()) return;
    TSize extent = Measure(font, text);
    // Italic and some glyphs overhang their advance; give them room.
    int slack = extent.cy / 2 + 2;
    TRect area =
        IntersectRect(Rect(x - slack, y, x + extent.cx + slack, y + extent.cy), target.ClipRect());
    if (area.IsEmpty()) return;

    BITMAPINFO bi = TopDownDib32(area.Width(), area.Height());
    void* bits = nullptr;
    UniqueGdiObject dib(CreateDIBSection(dc_.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib || !bits) return;
    auto* px = static_cast<TColor32*>(bits);
    const size_t rowBytes = static_cast<size_t>(area.Width()) * sizeof(TColor32);
    for (int row = 0; row < area.Height(); ++row) {
        std::memcpy(px + static_cast<size_t>(row) * area.Width(),
                    target.PixelPtr(area.Left, area.Top + row), rowBytes);
    }
    {
        ScopedSelect selectBitmap(dc_.get(), dib.get());
        ScopedSelect selectFont(dc_.get(), FontFor(font));
        SetBkMode(dc_.get(), TRANSPARENT);
        TColor32 c = font.Color;
        SetTextColor(dc_.get(), RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF));
        SetTextAlign(dc_.get(), TA_LEFT | TA_TOP | TA_NOUPDATECP);
        std::wstring_view w = AsWide(text);
        ExtTextOutW(dc_.get(), x - area.Left, y - area.Top, 0, nullptr, w.data(),
                    static_cast<UINT>(w.size()), nullptr);
        GdiFlush();
    }
    for (int row = 0; row < area.Height(); ++row) {
        std::memcpy(target.PixelPtr(area.Left, area.Top + row),
                    px + static_cast<size_t>(row) * area.Width(), rowBytes);
    }
}

}  // namespace lg::win
