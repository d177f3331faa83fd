// The program's own small audio library: the entry points its player binds,
// over the platform's waveOut, for PCM WAV files. One stream plays on one
// waveOut device handle; a thread of the library watches playing streams
// for their end and their position marks and calls the notifications
// there, never while holding the library's lock.
#include <windows.h>
// After windows.h, which it needs.
#include <mmsystem.h>

#include <cmath>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "sound/wav_file.h"

namespace {

using QWORD = std::uint64_t;
using SyncProc = void(CALLBACK*)(DWORD handle, DWORD channel, DWORD data, void* user);

// Error codes of the library's own, kept to what its callers can meet.
enum : int {
    kOk = 0,
    kErrorFileOpen = 2,
    kErrorHandle = 5,
    kErrorFormat = 6,
    kErrorInit = 8,
    kErrorAlready = 14,
    kErrorNotAvailable = 37,
    kErrorDevice = 23,
    kErrorUnknown = -1,
};
constexpr DWORD kUnicode = 0x80000000;
constexpr DWORD kSyncPos = 0, kSyncEnd = 2;
constexpr DWORD kAttribVol = 2;

struct Sync {
    DWORD stream;
    DWORD kind;
    QWORD param;
    SyncProc proc;
    void* user;
    bool fired = false;
};

struct Stream {
    lg::WavPcm wav;
    HWAVEOUT out = nullptr;
    WAVEHDR header{};
    bool playing = false;  // written to the device and not paused
    bool paused = false;
    QWORD base = 0;  // byte position the device's count starts from
    float volume = 1.0f;
};

struct Library {
    std::mutex lock;
    bool initialised = false;
    DWORD nextHandle = 1;
    std::map<DWORD, std::unique_ptr<Stream>> streams;
    std::map<DWORD, Sync> syncs;
    HANDLE wake = nullptr;  // device events and changes
    HANDLE stop = nullptr;
    HANDLE thread = nullptr;
};

Library& Lib() {
    static Library lib;
    return lib;
}

thread_local int g_error = kOk;

BOOL Fail(int code) {
    g_error = code;
    return FALSE;
}
template <typename T>
T Fail(int code, T value) {
    g_error = code;
    return value;
}

// Caller holds the lock.
QWORD PositionOf(Stream& s) {
    if (!s.out) return s.base;
    MMTIME t{};
    t.wType = TIME_BYTES;
    if (waveOutGetPosition(s.out, &t, sizeof(t)) != MMSYSERR_NOERROR || t.wType != TIME_BYTES) {
        return s.base;
    }
    const QWORD pos = s.base + t.u.cb;
    return pos < s.wav.data.size() ? pos : s.wav.data.size();
}

void ApplyVolume(Stream& s) {
    if (!s.out) return;
    const DWORD level = static_cast<DWORD>(std::lround(s.volume * 0xFFFF));
    waveOutSetVolume(s.out, level | (level << 16));
}

// Closes the device of a stream; the position stays where it was.
void CloseDevice(Stream& s) {
    if (!s.out) return;
    s.base = PositionOf(s);
    waveOutReset(s.out);
    waveOutUnprepareHeader(s.out, &s.header, sizeof(s.header));
    waveOutClose(s.out);
    s.out = nullptr;
    s.playing = s.paused = false;
}

// Opens the device and writes the rest of the stream from `base`.
bool StartDevice(Stream& s) {
    WAVEFORMATEX f{};
    f.wFormatTag = WAVE_FORMAT_PCM;
    f.nChannels = s.wav.channels;
    f.nSamplesPerSec = s.wav.sampleRate;
    f.wBitsPerSample = s.wav.bitsPerSample;
    f.nBlockAlign = s.wav.blockAlign;
    f.nAvgBytesPerSec = s.wav.bytesPerSecond;
    if (waveOutOpen(&s.out, WAVE_MAPPER, &f, reinterpret_cast<DWORD_PTR>(Lib().wake), 0,
                    CALLBACK_EVENT) != MMSYSERR_NOERROR) {
        s.out = nullptr;
        return false;
    }
    ApplyVolume(s);
    s.header = WAVEHDR{};
    s.header.lpData = reinterpret_cast<LPSTR>(s.wav.data.data() + s.base);
    s.header.dwBufferLength = static_cast<DWORD>(s.wav.data.size() - s.base);
    if (waveOutPrepareHeader(s.out, &s.header, sizeof(s.header)) != MMSYSERR_NOERROR ||
        waveOutWrite(s.out, &s.header, sizeof(s.header)) != MMSYSERR_NOERROR) {
        waveOutClose(s.out);
        s.out = nullptr;
        return false;
    }
    s.playing = true;
    s.paused = false;
    return true;
}

// The library's thread: notifications for streams that ended or passed a
// mark, called with the lock released.
DWORD WINAPI Watch(void*) {
    Library& lib = Lib();
    HANDLE handles[] = {lib.stop, lib.wake};
    struct Due {
        SyncProc proc;
        DWORD sync, channel;
        void* user;
    };
    for (;;) {
        bool anyPlaying = false;
        std::vector<Due> due;
        {
            std::lock_guard<std::mutex> guard(lib.lock);
            for (auto& [handle, s] : lib.streams) {
                if (!s->playing) continue;
                // The device takes the buffer long before it has played it:
                // the end is when the played position reaches the end.
                const QWORD pos = PositionOf(*s);
                const bool ended =
                    (s->header.dwFlags & WHDR_DONE) != 0 && pos >= s->wav.data.size();
                for (auto& [id, sync] : lib.syncs) {
                    if (sync.stream != handle || sync.fired) continue;
                    if ((sync.kind == kSyncEnd && ended) ||
                        (sync.kind == kSyncPos && pos >= sync.param)) {
                        sync.fired = true;  // once per play
                        due.push_back(Due{sync.proc, id, handle, sync.user});
                    }
                }
                if (ended) {
                    s->playing = false;
                    s->base = s->wav.data.size();
                } else {
                    anyPlaying = true;
                }
            }
        }
        for (const Due& d : due) d.proc(d.sync, d.channel, 0, d.user);
        // Position marks need a look now and then while something plays.
        const DWORD r = WaitForMultipleObjects(2, handles, FALSE, anyPlaying ? 10 : INFINITE);
        if (r == WAIT_OBJECT_0) return 0;
    }
}

Stream* Find(Library& lib, DWORD handle) {
    auto it = lib.streams.find(handle);
    return it == lib.streams.end() ? nullptr : it->second.get();
}

constexpr QWORD kNoBytes = static_cast<QWORD>(-1);

// Runs `fn` on a stream under the library's lock, with the error cleared
// (`fn` sets its own); `failed` with a handle error when there is no
// such stream.
template <typename R, typename F>
R OnStream(DWORD handle, R failed, F fn) {
    Library& lib = Lib();
    std::lock_guard<std::mutex> guard(lib.lock);
    Stream* s = Find(lib, handle);
    if (!s) return Fail(kErrorHandle, failed);
    g_error = kOk;
    return fn(lib, *s);
}

std::vector<std::uint8_t> ReadFileBytes(const void* name, bool unicode) {
    HANDLE f = unicode ? CreateFileW(static_cast<const wchar_t*>(name), GENERIC_READ,
                                     FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr)
                       : CreateFileA(static_cast<const char*>(name), GENERIC_READ, FILE_SHARE_READ,
                                     nullptr, OPEN_EXISTING, 0, nullptr);
    std::vector<std::uint8_t> bytes;
    if (f == INVALID_HANDLE_VALUE) return bytes;
    LARGE_INTEGER size{};
    // A sound effect, not an album: anything beyond 64 MB is refused.
    if (GetFileSizeEx(f, &size) && size.QuadPart > 0 && size.QuadPart < (64 << 20)) {
        bytes.resize(static_cast<std::size_t>(size.QuadPart));
        DWORD read = 0;
        if (!ReadFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) read = 0;
        bytes.resize(read);
    }
    CloseHandle(f);
    return bytes;
}

}  // namespace

extern "C" {

__declspec(dllexport) BOOL WINAPI
    BASS_Init(int device, DWORD freq, DWORD flags, HWND win, const void* dsguid) {
    (void)freq;
    (void)flags;
    (void)win;
    (void)dsguid;
    Library& lib = Lib();
    std::lock_guard<std::mutex> guard(lib.lock);
    if (lib.initialised) return Fail(kErrorAlready);
    if (device != -1 && device != 1) return Fail(kErrorDevice);
    if (waveOutGetNumDevs() == 0) return Fail(kErrorDevice);
    lib.wake = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    lib.stop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    lib.thread =
        lib.wake && lib.stop ? CreateThread(nullptr, 0, &Watch, nullptr, 0, nullptr) : nullptr;
    if (!lib.thread) {
        if (lib.wake) CloseHandle(lib.wake);
        if (lib.stop) CloseHandle(lib.stop);
        lib.wake = lib.stop = nullptr;
        return Fail(kErrorUnknown);
    }
    lib.initialised = true;
    g_error = kOk;
    return TRUE;
}

__declspec(dllexport) BOOL WINAPI BASS_Free() {
    Library& lib = Lib();
    HANDLE thread = nullptr;
    {
        std::lock_guard<std::mutex> guard(lib.lock);
        if (!lib.initialised) return Fail(kErrorInit);
        for (auto& [id, s] : lib.streams) CloseDevice(*s);
        lib.streams.clear();
        lib.syncs.clear();
        SetEvent(lib.stop);
        thread = lib.thread;
        lib.initialised = false;
    }
    // Not from a notification: that would wait for itself.
    if (GetThreadId(thread) != GetCurrentThreadId()) WaitForSingleObject(thread, 5000);
    CloseHandle(thread);
    CloseHandle(lib.wake);
    CloseHandle(lib.stop);
    lib.thread = lib.wake = lib.stop = nullptr;
    g_error = kOk;
    return TRUE;
}

__declspec(dllexport) DWORD WINAPI BASS_PluginLoad(const char* file, DWORD flags) {
    (void)file;
    (void)flags;
    // Plays PCM WAV only; there is nothing to plug in.
    return Fail(kErrorNotAvailable, DWORD{0});
}

__declspec(dllexport) BOOL WINAPI BASS_PluginFree(DWORD handle) {
    (void)handle;
    return Fail(kErrorHandle);
}

__declspec(dllexport) DWORD WINAPI
    BASS_StreamCreateFile(BOOL mem, const void* file, QWORD offset, QWORD length, DWORD flags) {
    Library& lib = Lib();
    if (mem || offset != 0 || length != 0) return Fail(kErrorNotAvailable, DWORD{0});
    {
        std::lock_guard<std::mutex> guard(lib.lock);
        if (!lib.initialised) return Fail(kErrorInit, DWORD{0});
    }
    const std::vector<std::uint8_t> bytes = ReadFileBytes(file, (flags & kUnicode) != 0);
    if (bytes.empty()) return Fail(kErrorFileOpen, DWORD{0});
    std::optional<lg::WavPcm> wav = lg::ParseWav(bytes);
    if (!wav) return Fail(kErrorFormat, DWORD{0});
    std::lock_guard<std::mutex> guard(lib.lock);
    auto stream = std::make_unique<Stream>();
    stream->wav = std::move(*wav);
    const DWORD handle = lib.nextHandle++;
    lib.streams[handle] = std::move(stream);
    g_error = kOk;
    return handle;
}

__declspec(dllexport) BOOL WINAPI BASS_StreamFree(DWORD handle) {
    return OnStream(handle, BOOL{FALSE}, [&](Library& lib, Stream& st) {
        CloseDevice(st);
        lib.streams.erase(handle);  // st goes with it
        for (auto it = lib.syncs.begin(); it != lib.syncs.end();) {
            it = it->second.stream == handle ? lib.syncs.erase(it) : std::next(it);
        }
        return BOOL{TRUE};
    });
}

__declspec(dllexport) BOOL WINAPI BASS_ChannelPlay(DWORD handle, BOOL restart) {
    return OnStream(handle, BOOL{FALSE}, [&](Library& lib, Stream& st) {
        if (restart) {
            CloseDevice(st);
            st.base = 0;
        }
        if (st.out && st.paused) {
            waveOutRestart(st.out);
            st.paused = false;
            st.playing = true;
        } else if (!st.playing) {
            CloseDevice(st);
            if (st.base >= st.wav.data.size()) st.base = 0;
            if (!StartDevice(st)) return Fail(kErrorDevice);
        }
        for (auto& [id, sync] : lib.syncs) {
            if (sync.stream == handle) sync.fired = false;
        }
        SetEvent(lib.wake);
        return BOOL{TRUE};
    });
}

__declspec(dllexport) BOOL WINAPI BASS_ChannelPause(DWORD handle) {
    return OnStream(handle, BOOL{FALSE}, [&](Library&, Stream& st) {
        if (!st.playing || !st.out) return Fail(kErrorNotAvailable);
        waveOutPause(st.out);
        st.paused = true;
        st.playing = false;
        return BOOL{TRUE};
    });
}

__declspec(dllexport) BOOL WINAPI BASS_ChannelStop(DWORD handle) {
    return OnStream(handle, BOOL{FALSE}, [&](Library&, Stream& st) {
        CloseDevice(st);
        return BOOL{TRUE};
    });
}

__declspec(dllexport) DWORD WINAPI
    BASS_ChannelSetSync(DWORD handle, DWORD type, QWORD param, SyncProc proc, void* user) {
    Library& lib = Lib();
    std::lock_guard<std::mutex> guard(lib.lock);
    if (!Find(lib, handle) || !proc) return Fail(kErrorHandle, DWORD{0});
    if (type != kSyncEnd && type != kSyncPos) return Fail(kErrorNotAvailable, DWORD{0});
    const DWORD id = lib.nextHandle++;
    lib.syncs[id] = Sync{handle, type, param, proc, user};
    g_error = kOk;
    return id;
}

__declspec(dllexport) BOOL WINAPI BASS_ChannelRemoveSync(DWORD handle, DWORD sync) {
    Library& lib = Lib();
    std::lock_guard<std::mutex> guard(lib.lock);
    auto it = lib.syncs.find(sync);
    if (it == lib.syncs.end() || it->second.stream != handle) return Fail(kErrorHandle);
    lib.syncs.erase(it);
    g_error = kOk;
    return TRUE;
}

__declspec(dllexport) QWORD WINAPI BASS_ChannelGetPosition(DWORD handle, DWORD mode) {
    return OnStream(handle, kNoBytes, [&](Library&, Stream& st) {
        return mode != 0 ? Fail(kErrorNotAvailable, kNoBytes) : PositionOf(st);
    });
}

__declspec(dllexport) BOOL WINAPI BASS_ChannelSetPosition(DWORD handle, QWORD pos, DWORD mode) {
    return OnStream(handle, BOOL{FALSE}, [&](Library&, Stream& st) {
        if (mode != 0 || pos > st.wav.data.size()) return Fail(kErrorNotAvailable);
        const bool wasPlaying = st.playing;
        CloseDevice(st);
        st.base = pos - pos % st.wav.blockAlign;
        if (wasPlaying && !StartDevice(st)) return Fail(kErrorDevice);
        return BOOL{TRUE};
    });
}

__declspec(dllexport) QWORD WINAPI BASS_ChannelGetLength(DWORD handle, DWORD mode) {
    return OnStream(handle, kNoBytes, [&](Library&, Stream& st) {
        return mode != 0 ? Fail(kErrorNotAvailable, kNoBytes) : QWORD{st.wav.data.size()};
    });
}

__declspec(dllexport) double WINAPI BASS_ChannelBytes2Seconds(DWORD handle, QWORD bytes) {
    return OnStream(handle, -1.0, [&](Library&, Stream& st) {
        return static_cast<double>(bytes) / st.wav.bytesPerSecond;
    });
}

__declspec(dllexport) QWORD WINAPI BASS_ChannelSeconds2Bytes(DWORD handle, double seconds) {
    return OnStream(handle, kNoBytes, [&](Library&, Stream& st) {
        if (!(seconds >= 0)) return Fail(kErrorNotAvailable, kNoBytes);
        const QWORD bytes = static_cast<QWORD>(std::llround(seconds * st.wav.bytesPerSecond));
        return bytes - bytes % st.wav.blockAlign;
    });
}

__declspec(dllexport) int WINAPI BASS_ErrorGetCode() {
    return g_error;
}

__declspec(dllexport) BOOL WINAPI
    BASS_ChannelGetAttribute(DWORD handle, DWORD attrib, float* value) {
    return OnStream(handle, BOOL{FALSE}, [&](Library&, Stream& st) {
        if (attrib != kAttribVol || !value) return Fail(kErrorNotAvailable);
        *value = st.volume;
        return BOOL{TRUE};
    });
}

__declspec(dllexport) BOOL WINAPI
    BASS_ChannelSetAttribute(DWORD handle, DWORD attrib, float value) {
    return OnStream(handle, BOOL{FALSE}, [&](Library&, Stream& st) {
        if (attrib != kAttribVol) return Fail(kErrorNotAvailable);
        st.volume = value < 0 ? 0 : value > 1 ? 1 : value;
        ApplyVolume(st);
        return BOOL{TRUE};
    });
}

}  // extern "C"
