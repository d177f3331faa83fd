#include "support/fake_bass.h"

#include <algorithm>
#include <cmath>

namespace lg::test {

bool FakeBass::Lacks(const char* name) const {
    return std::find(missing.begin(), missing.end(), name) != missing.end();
}

bool FakeBass::Load(std::u16string_view path, BassFunctions& f) {
    (void)path;
    if (!loadable) return false;
    ++loads;
    f = BassFunctions();
    auto bind = [this](const char* name, auto& slot, auto fn) {
        if (!Lacks(name)) slot = fn;
    };
    bind("Init", f.Init, [this](int device, std::uint32_t freq, std::uint32_t, void*) {
        calls.push_back("Init " + std::to_string(device) + " " + std::to_string(freq));
        return deviceOpens;
    });
    bind("Free", f.Free, [this] {
        calls.push_back("Free");
        return true;
    });
    bind("PluginLoad", f.PluginLoad, [this](std::u16string_view, std::uint32_t) {
        calls.push_back("PluginLoad");
        return next_++;
    });
    bind("PluginFree", f.PluginFree, [this](std::uint32_t h) {
        calls.push_back("PluginFree " + std::to_string(h));
        return true;
    });
    bind("StreamCreateFile", f.StreamCreateFile, [this](std::u16string_view file, std::uint32_t) {
        calls.push_back("StreamCreateFile");
        if (!deviceOpens || !files.count(std::u16string(file))) return std::uint32_t{0};
        const std::uint32_t h = next_++;
        streams.insert(h);
        volume[h] = 1.0f;
        position[h] = 0;
        return h;
    });
    bind("StreamFree", f.StreamFree, [this](std::uint32_t h) {
        calls.push_back("StreamFree");
        return streams.erase(h) != 0;
    });
    bind("ChannelPlay", f.ChannelPlay, [this](std::uint32_t h, bool) {
        calls.push_back("ChannelPlay");
        return playWorks && streams.count(h) != 0;
    });
    bind("ChannelPause", f.ChannelPause, [this](std::uint32_t h) {
        calls.push_back("ChannelPause");
        return streams.count(h) != 0;
    });
    bind("ChannelStop", f.ChannelStop, [this](std::uint32_t h) {
        calls.push_back("ChannelStop");
        return streams.count(h) != 0;
    });
    bind(
        "ChannelSetSync", f.ChannelSetSync,
        [this](std::uint32_t h, std::uint32_t kind, std::uint64_t param, BassSyncProc proc,
               void* user) {
            calls.push_back("ChannelSetSync " + std::to_string(kind) + " " + std::to_string(param));
            if (!streams.count(h)) return std::uint32_t{0};
            const std::uint32_t s = next_++;
            syncs[s] = Sync{h, kind, param, proc, user};
            return s;
        });
    bind("ChannelRemoveSync", f.ChannelRemoveSync, [this](std::uint32_t, std::uint32_t s) {
        calls.push_back("ChannelRemoveSync");
        return syncs.erase(s) != 0;
    });
    bind("ChannelGetPosition", f.ChannelGetPosition,
         [this](std::uint32_t h, std::uint32_t) { return position[h]; });
    bind("ChannelSetPosition", f.ChannelSetPosition,
         [this](std::uint32_t h, std::uint64_t pos, std::uint32_t) {
             calls.push_back("ChannelSetPosition " + std::to_string(pos));
             position[h] = pos;
             return true;
         });
    bind("ChannelGetLength", f.ChannelGetLength, [this](std::uint32_t h, std::uint32_t) {
        return streams.count(h) ? static_cast<std::uint64_t>(streamSeconds * kBytesPerSecond)
                                : std::uint64_t{0};
    });
    bind("ChannelBytes2Seconds", f.ChannelBytes2Seconds, [](std::uint32_t, std::uint64_t bytes) {
        return static_cast<double>(bytes) / kBytesPerSecond;
    });
    bind("ChannelSeconds2Bytes", f.ChannelSeconds2Bytes, [](std::uint32_t, double seconds) {
        return static_cast<std::uint64_t>(std::llround(seconds * kBytesPerSecond));
    });
    bind("ErrorGetCode", f.ErrorGetCode, [] { return 2; });
    bind("ChannelGetAttribute", f.ChannelGetAttribute,
         [this](std::uint32_t h, std::uint32_t, float* v) {
             *v = volume[h];
             return true;
         });
    bind("ChannelSetAttribute", f.ChannelSetAttribute,
         [this](std::uint32_t h, std::uint32_t, float v) {
             volume[h] = v;
             return true;
         });
    return true;
}

void FakeBass::FireSyncs(std::uint32_t stream) {
    std::vector<Sync> due;
    for (const auto& [id, s] : syncs) {
        if (s.stream == stream) due.push_back(s);
    }
    for (const Sync& s : due) s.proc(0, s.stream, 0, s.user);
}

}  // namespace lg::test
