// The audio library's entry points the player binds by name, as callables
// over portable types: the shell binds them from the loaded library, tests
// from a fake. An entry point the library lacks stays empty.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace lg {

// The library's notification procedure: sync handle, channel, data, user.
using BassSyncProc = void (*)(std::uint32_t, std::uint32_t, std::uint32_t, void*);

inline constexpr std::uint32_t kBassUnicode = 0x80000000;  // file names are UTF-16
inline constexpr std::uint32_t kBassSyncPos = 0;           // at a byte position
inline constexpr std::uint32_t kBassSyncEnd = 2;           // at the end of the stream
inline constexpr std::uint32_t kBassPosByte = 0;
inline constexpr std::uint32_t kBassAttribVol = 2;
inline constexpr int kBassErrorNotBound = -17;

struct BassFunctions {
    std::function<bool(int device, std::uint32_t freq, std::uint32_t flags, void* window)> Init;
    std::function<bool()> Free;
    std::function<std::uint32_t(std::u16string_view file, std::uint32_t flags)> PluginLoad;
    std::function<bool(std::uint32_t plugin)> PluginFree;
    std::function<std::uint32_t(std::u16string_view file, std::uint32_t flags)> StreamCreateFile;
    std::function<bool(std::uint32_t stream)> StreamFree;
    std::function<bool(std::uint32_t stream, bool restart)> ChannelPlay;
    std::function<bool(std::uint32_t stream)> ChannelPause;
    std::function<bool(std::uint32_t stream)> ChannelStop;
    std::function<std::uint32_t(std::uint32_t stream, std::uint32_t kind, std::uint64_t param,
                                BassSyncProc proc, void* user)>
        ChannelSetSync;
    std::function<bool(std::uint32_t stream, std::uint32_t sync)> ChannelRemoveSync;
    std::function<std::uint64_t(std::uint32_t stream, std::uint32_t mode)> ChannelGetPosition;
    std::function<bool(std::uint32_t stream, std::uint64_t pos, std::uint32_t mode)>
        ChannelSetPosition;
    std::function<std::uint64_t(std::uint32_t stream, std::uint32_t mode)> ChannelGetLength;
    std::function<double(std::uint32_t stream, std::uint64_t bytes)> ChannelBytes2Seconds;
    std::function<std::uint64_t(std::uint32_t stream, double seconds)> ChannelSeconds2Bytes;
    std::function<int()> ErrorGetCode;
    std::function<bool(std::uint32_t stream, std::uint32_t attrib, float* value)>
        ChannelGetAttribute;
    std::function<bool(std::uint32_t stream, std::uint32_t attrib, float value)>
        ChannelSetAttribute;

    // Every entry point but ErrorGetCode: what playing needs.
    bool AllPlaybackBound() const;
};

// Loads the library file and binds its entry points; the shell's is over
// LoadLibrary, a test's over a fake.
class BassLibrary {
public:
    virtual ~BassLibrary() = default;
    virtual bool FileExists(std::u16string_view path) const = 0;
    // Loads `path`; false when no module could be had (the entry points
    // are then all empty).
    virtual bool Load(std::u16string_view path, BassFunctions& bound) = 0;
    virtual void Unload() = 0;
};

}  // namespace lg
