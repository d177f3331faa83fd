#include "sound/bass_player.h"

#include <algorithm>
#include <cmath>

#include "numeric/rounding.h"

namespace lg {
namespace {

std::int64_t RoundMs(double seconds) {
    return static_cast<std::int64_t>(RoundHalfEven(static_cast<long double>(seconds) * 1000));
}

int RoundInt(long double v) {
    return static_cast<int>(RoundHalfEven(v));
}

// The folder part of a file name, with its trailing delimiter.
std::u16string FolderOf(const std::u16string& file) {
    const std::size_t slash = file.find_last_of(u"\\/");
    return slash == std::u16string::npos ? std::u16string() : file.substr(0, slash + 1);
}

}  // namespace

const char16_t kBassNotFoundText[] = u"Не найден компонент для воспроизведения аудио.";

BassNotLoaded::BassNotLoaded() : std::runtime_error("audio playback component not found") {}

TBassPlayer::TBassPlayer(BassLibrary& library) : library_(library) {}

TBassPlayer::~TBassPlayer() {
    try {
        Close();
    } catch (...) {
        // Without the library there is nothing to close.
    }
    FreeBass();
}

void TBassPlayer::Check() const {
    if (!FBassLoaded) throw BassNotLoaded();
}

bool TBassPlayer::Init(void* window) {
    FreeBass();
    bool result = false;
    if (library_.FileExists(BassLibraryName) && library_.Load(BassLibraryName, bass_)) {
        moduleLoaded_ = true;
        if (bass_.Init) result = bass_.Init(-1, 44100, 0, window);
    }
    const std::u16string folder = FolderOf(BassLibraryName);
    const std::pair<const char16_t*, std::uint32_t*> plugins[] = {{u"basswma.dll", &PluginWMA},
                                                                  {u"bassflac.dll", &PluginFLAC}};
    for (const auto& [name, handle] : plugins) {
        const std::u16string path = folder + name;
        if (library_.FileExists(path) && bass_.PluginLoad && bass_.PluginFree) {
            *handle = bass_.PluginLoad(path, kBassUnicode);
        }
    }
    // A failed Init of the device keeps the library loaded: opening then
    // fails quietly instead of raising.
    FBassLoaded = moduleLoaded_ && bass_.AllPlaybackBound();
    return result;
}

void TBassPlayer::FreeBass() {
    if (moduleLoaded_) {
        if (bass_.PluginFree) {
            bass_.PluginFree(PluginWMA);
            bass_.PluginFree(PluginFLAC);
        }
        if (bass_.Free) bass_.Free();
        library_.Unload();
        bass_ = BassFunctions();
    }
    PluginWMA = PluginFLAC = 0;
    moduleLoaded_ = false;
    FBassLoaded = false;
}

std::uint32_t TBassPlayer::Open() {
    Check();
    FLocked = true;
    struct Unlock {
        bool& locked;
        ~Unlock() { locked = false; }
    } unlock{FLocked};
    if (FMode != bsmClose) Close();
    StreamHandle = bass_.StreamCreateFile(FileName, kBassUnicode);
    if (StreamHandle != 0) FMode = bsmOpen;
    SetVolume(FVolume);
    PlaySync1 = bass_.ChannelSetSync(StreamHandle, kBassSyncEnd, 0, &SyncProc, this);
    if (MaxPosition > 0 && Length() > MaxPosition) {
        const std::uint64_t at =
            bass_.ChannelSeconds2Bytes(StreamHandle, static_cast<double>(MaxPosition) / 1000);
        PlaySync2 = bass_.ChannelSetSync(StreamHandle, kBassSyncPos, at, &SyncProc, this);
    } else {
        PlaySync2 = 0;
    }
    const std::int64_t span = MaxPosition - MinPosition;
    if (span < FaderIn + FaderOut) FaderIn = FaderOut = span / 2;
    if (StreamHandle != 0) StreamStateChanged();
    return StreamHandle;
}

bool TBassPlayer::Play() {
    Check();
    if (FMode == bsmClose) return false;
    SetVolume(FVolume);
    VolumeTick();
    if (!bass_.ChannelPlay(StreamHandle, false)) return false;
    FMode = bsmPlay;
    return true;
}

bool TBassPlayer::Pause() {
    Check();
    if (FMode == bsmClose || !bass_.ChannelPause(StreamHandle)) return false;
    FMode = bsmPause;
    return true;
}

void TBassPlayer::Stop() {
    Check();
    if (FMode != bsmClose && bass_.ChannelStop(StreamHandle)) {
        SetPosition(0);
        FMode = bsmPause;
    }
}

bool TBassPlayer::Close() {
    if (FMode == bsmClose) return false;
    Check();
    if (FMode == bsmPlay) bass_.ChannelStop(StreamHandle);
    if (PlaySync1 != 0) bass_.ChannelRemoveSync(StreamHandle, PlaySync1);
    if (PlaySync2 != 0) bass_.ChannelRemoveSync(StreamHandle, PlaySync2);
    const bool freed = bass_.StreamFree(StreamHandle);
    PlaySync1 = PlaySync2 = 0;
    StreamHandle = 0;
    MaxPosition = MinPosition = 0;
    FMode = bsmClose;
    StreamStateChanged();
    return freed;
}

int TBassPlayer::ErrorCode() const {
    return bass_.ErrorGetCode ? bass_.ErrorGetCode() : kBassErrorNotBound;
}

void TBassPlayer::ClearParams() {
    Close();
    FileName.clear();
    MinPosition = MaxPosition = 0;
    FaderIn = FaderOut = 0;
    MaxVolume = 100;
    SetVolume(100);
}

std::int64_t TBassPlayer::Position() const {
    if (FMode == bsmClose) return 0;
    Check();
    return RoundMs(bass_.ChannelBytes2Seconds(
        StreamHandle, bass_.ChannelGetPosition(StreamHandle, kBassPosByte)));
}

void TBassPlayer::SetPosition(std::int64_t ms) {
    if (ms == Position()) return;
    Check();
    ms = std::clamp<std::int64_t>(ms, 0, std::max<std::int64_t>(0, Length()));
    bass_.ChannelSetPosition(
        StreamHandle, bass_.ChannelSeconds2Bytes(StreamHandle, static_cast<double>(ms) / 1000),
        kBassPosByte);
}

std::int64_t TBassPlayer::Length() const {
    if (FMode == bsmClose) return 0;
    Check();
    return RoundMs(bass_.ChannelBytes2Seconds(StreamHandle,
                                              bass_.ChannelGetLength(StreamHandle, kBassPosByte)));
}

int TBassPlayer::Volume() const {
    Check();
    if (StreamHandle == 0 || FMute) return FVolume;
    float v = 0;
    bass_.ChannelGetAttribute(StreamHandle, kBassAttribVol, &v);
    return RoundInt(static_cast<long double>(v) * 100);
}

void TBassPlayer::SetVolume(int v) {
    Check();
    FVolume = v;
    FMuteVolume = v;
    if (StreamHandle != 0) {
        const float level = FMute ? 0.0f : std::clamp(static_cast<float>(v) / 100, 0.0f, 1.0f);
        bass_.ChannelSetAttribute(StreamHandle, kBassAttribVol, level);
    }
}

void TBassPlayer::SetMute(bool m) {
    if (m == FMute) return;
    if (m) {
        const int restore = Volume();
        SetVolume(0);
        FMuteVolume = restore;
        FMute = true;
    } else {
        FMute = false;
        SetVolume(FMuteVolume);
    }
}

void TBassPlayer::VolumeTick() {
    try {
        if (FLocked) return;
        if ((FaderIn > 0 || FaderOut > 0) && FMode != bsmClose) {
            const std::int64_t pos = Position();
            const std::int64_t fadeInEnd = MinPosition + FaderIn;
            const std::int64_t fadeOutStart = MaxPosition - FaderOut;
            long double level;
            // A zero-length fade divides by zero: the step does nothing, as
            // any error in the tick.
            if (pos >= fadeOutStart) {
                if (FaderOut == 0) return;
                level = 100 - RoundHalfEven(static_cast<long double>(pos - fadeOutStart) * 100 /
                                            static_cast<long double>(FaderOut));
            } else if (pos > fadeInEnd) {
                level = 100;
            } else {
                if (FaderIn == 0) return;
                level = 100 - RoundHalfEven(static_cast<long double>(fadeInEnd - pos) * 100 /
                                            static_cast<long double>(FaderIn));
            }
            const int volume = RoundInt(level * MaxVolume / 100);
            if (volume != Volume()) SetVolume(volume);
            return;
        }
        if (FBassLoaded && Volume() != MaxVolume && FMode != bsmClose) SetVolume(MaxVolume);
    } catch (...) {
        // The keeper never stops the program.
    }
}

void TBassPlayer::SyncProc(std::uint32_t, std::uint32_t channel, std::uint32_t, void* user) {
    if (auto* player = static_cast<TBassPlayer*>(user)) player->EndPlaying(channel);
}

void TBassPlayer::EndPlaying(std::uint32_t channel) {
    // A late notification of a stream already replaced by a new Open must
    // not close the new one.
    if (channel != StreamHandle || FMode == bsmClose) return;
    try {
        Close();
        if (OnEndPlaying) OnEndPlaying(*this);
    } catch (...) {
        // Runs on the library's own thread: nothing may leave it.
    }
}

void TBassPlayer::StreamStateChanged() {
    if (OnStreamStateChanged) OnStreamStateChanged();
}

}  // namespace lg
