// The output panel's controls, top to bottom: height, hint and the glyph of
// its picture. The window builds itself from this table. Sizes are in
// 96-DPI pixels (the window scales them); places follow from the heights.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "art/button_art.h"
#include "raster/geometry.h"

namespace lg {

enum class OutputPanelControl : std::uint8_t {
    btSendCloud,
    btSaveClipbrd,
    btSaveFile,
    Image1,
    ImageButton3,
};

struct OutputPanelItem {
    OutputPanelControl id;
    int height;
    bool separator;
    art::Glyph glyph;  // unused for the separator
    std::u16string_view hint;
};

inline constexpr int kOutputPanelWidth = 38;

inline constexpr std::array<OutputPanelItem, 5> kOutputPanelItems{{
    {OutputPanelControl::btSendCloud, 33, false, art::Glyph::Upload, u"Загрузить на сервер"},
    {OutputPanelControl::btSaveClipbrd, 38, false, art::Glyph::Copy, u"Копировать"},
    {OutputPanelControl::btSaveFile, 38, false, art::Glyph::Save, u"Сохранить на диск"},
    {OutputPanelControl::Image1, 10, true, art::Glyph::Close, u""},
    {OutputPanelControl::ImageButton3, 38, false, art::Glyph::Close, u"Закрыть"},
}};

// The bounds of a control in the 96-DPI form.
inline constexpr TRect OutputPanelItemBounds(OutputPanelControl id) {
    int top = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(id); ++i) {
        top += kOutputPanelItems[i].height;
    }
    return TRect{0, top, kOutputPanelWidth,
                 top + kOutputPanelItems[static_cast<std::size_t>(id)].height};
}

inline constexpr int kOutputPanelHeight =
    OutputPanelItemBounds(OutputPanelControl::ImageButton3).Bottom;

inline constexpr bool OutputPanelTableInOrder() {
    for (std::size_t i = 0; i < kOutputPanelItems.size(); ++i) {
        if (static_cast<std::size_t>(kOutputPanelItems[i].id) != i) return false;
    }
    return true;
}
static_assert(OutputPanelTableInOrder());
static_assert(kOutputPanelHeight == 157);

}  // namespace lg
