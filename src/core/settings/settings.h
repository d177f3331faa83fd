// The settings record and the other program-wide values that sit beside it.
//
// There is exactly one record per process, reached through LGSettings().
// Every subsystem reads and changes it in place on the GUI thread; nobody
// keeps a copy. It is filled once at start-up (InitSettings) and written to
// the registry only when the settings window saves.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "raster/font.h"
#include "settings/shortcut.h"

namespace lg {

// Fields in declaration order. A value-initialised record holds the defaults
// of every field except the two that depend on the machine: RunWinStart
// (whether the autostart entry exists) and path (DefaultSavePath).
struct TLGSettings {
    int penwidth = 5;                     // not stored; back to 5 at every start
    std::uint32_t pencolor = 0xFFFF0000;  // TColor32, $AARRGGBB: opaque red
    std::uint32_t wincolor = 0x000000FF;  // TColor, $00BBGGRR: the same red
    bool RunWinStart = false;             // applied to the autostart entry
    std::u16string path;                  // folder of automatic copies, ends with '\'
    bool showcursor = false;              // draw the pointer into the capture
    bool playsound = true;                // shutter sound
    TShortCut hkAll = kScShift | 0x2C;    // Shift+PrintScreen
    TShortCut hkArea = 0x2C;              // PrintScreen
    TShortCut hkWindow = kScAlt | 0x2C;   // Alt+PrintScreen
    bool TwoMouse = true;                 // left+right button chord starts an area capture
    bool Server = true;                   // without the editor: upload (true) or copy
    bool SaveLocal = false;               // also save every copy or upload into path
    int format = 0;                       // 0 PNG, 1 JPEG, 2 BMP
    bool FirstRun = true;                 // the key holds no "FirstRun" value
    bool ShowRedact = true;               // show the editor after a selection
    bool OpenURL = true;                  // open an uploaded picture's link in the browser
    TShortCut hkLastArea = 0;             // repeats the last area; none by default

    friend bool operator==(const TLGSettings&, const TLGSettings&) = default;
};

// A set of TFontStyle (the raster engine's style bits).
class TFontStyles {
public:
    constexpr TFontStyles() = default;
    constexpr bool Contains(TFontStyle s) const { return (bits_ & Bit(s)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr TFontStyles& Include(TFontStyle s) {
        bits_ = static_cast<std::uint8_t>(bits_ | Bit(s));
        return *this;
    }
    constexpr TFontStyles& Exclude(TFontStyle s) {
        bits_ = static_cast<std::uint8_t>(bits_ & ~Bit(s));
        return *this;
    }
    // The bits as a font description carries them.
    constexpr std::uint8_t Bits() const { return bits_; }
    friend constexpr bool operator==(TFontStyles, TFontStyles) = default;

private:
    static constexpr std::uint8_t Bit(TFontStyle s) { return static_cast<std::uint8_t>(s); }
    std::uint8_t bits_ = 0;
};

// The text tool's font: set by the font picker, read by the text tool.
struct TTextFont {
    std::u16string name = u"Noto Sans";
    int size = 15;  // points
    TFontStyles style;
};

// The stored combination of a capture's hotkey, and setting it.
TShortCut HotKeySetting(const TLGSettings& s, CaptureKind kind);
void SetHotKeySetting(TLGSettings& s, CaptureKind kind, TShortCut hk);

// Title of the notification window and the folder name under Pictures.
inline constexpr std::u16string_view kProgramDisplayName = u"ЛюмиГРАБ";

// The process-wide instances. Function-local statics, so a global object of
// another file may use them during its own construction.
TLGSettings& LGSettings();
// Folder of the last file saved through the save dialog; empty until known.
std::u16string& LastPath();
TTextFont& TextFont();

}  // namespace lg
