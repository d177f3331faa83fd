#include "sound/shutter_sound.h"

#include "platform/trace.h"
#include "platform/u16.h"

namespace lg::win {
namespace {

// The executable's folder with its trailing delimiter.
std::u16string ExeFolder() {
    wchar_t path[MAX_PATH * 4];
    const DWORD n = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
    std::u16string p(AsU16(std::wstring_view(path, n)));
    const std::size_t slash = p.find_last_of(u"\\/");
    return slash == std::u16string::npos ? std::u16string() : p.substr(0, slash + 1);
}

}  // namespace

ShutterSound::ShutterSound() {
    // Never the current folder: a library planted there is not ours.
    BassPlayer.BassLibraryName = ExeFolder() + u"bass.dll";
    volume_ = std::make_unique<TVolumeControlThread>(BassPlayer);
}

ShutterSound::~ShutterSound() {
    volume_.reset();  // before the player it ticks goes
}

bool ShutterSound::Init(HWND window) {
    const bool ok = BassPlayer.Init(window);
    Trace(ok ? L"sound output opened" : L"sound output unavailable");
    return ok;
}

void ShutterSound::Play() {
    try {
        BassPlayer.FileName = ExeFolder() + u"screenshoot.wav";
        BassPlayer.Open();
        if (BassPlayer.Play()) Trace(L"shutter sound played");
    } catch (...) {
        // No library, no file, no device: the output goes on in silence.
    }
}

}  // namespace lg::win
