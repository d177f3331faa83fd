#include "settings/settings.h"

namespace lg {

TLGSettings& LGSettings() {
    static TLGSettings settings;
    return settings;
}

std::u16string& LastPath() {
    static std::u16string lastPath;
    return lastPath;
}

TShortCut HotKeySetting(const TLGSettings& s, CaptureKind kind) {
    switch (kind) {
        case CaptureKind::Screen:
            return s.hkAll;
        case CaptureKind::Window:
            return s.hkWindow;
        case CaptureKind::Area:
            return s.hkArea;
        case CaptureKind::LastArea:
            return s.hkLastArea;
    }
    return 0;
}

void SetHotKeySetting(TLGSettings& s, CaptureKind kind, TShortCut hk) {
    switch (kind) {
        case CaptureKind::Screen:
            s.hkAll = hk;
            return;
        case CaptureKind::Window:
            s.hkWindow = hk;
            return;
        case CaptureKind::Area:
            s.hkArea = hk;
            return;
        case CaptureKind::LastArea:
            s.hkLastArea = hk;
            return;
    }
}

TTextFont& TextFont() {
    static TTextFont font;
    return font;
}

}  // namespace lg
