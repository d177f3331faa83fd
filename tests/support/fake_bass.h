// An audio library for the player's tests: streams of a fixed byte rate,
// the calls it was given, and switches for the failures a real one has.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "sound/bass_functions.h"

namespace lg::test {

class FakeBass : public BassLibrary {
public:
    static constexpr double kBytesPerSecond = 176400;  // 44.1 kHz, 16-bit stereo

    std::set<std::u16string> files{u"bass.dll", u"C:\\app\\shot.wav"};
    bool loadable = true;
    bool deviceOpens = true;
    bool playWorks = true;
    std::vector<std::string> missing;  // entry points the library lacks
    double streamSeconds = 2.0;

    std::vector<std::string> calls;
    std::map<std::uint32_t, float> volume;
    std::map<std::uint32_t, std::uint64_t> position;
    struct Sync {
        std::uint32_t stream, kind;
        std::uint64_t param;
        BassSyncProc proc;
        void* user;
    };
    std::map<std::uint32_t, Sync> syncs;
    std::set<std::uint32_t> streams;
    int loads = 0, unloads = 0;

    bool FileExists(std::u16string_view path) const override {
        return files.count(std::u16string(path)) != 0;
    }
    bool Load(std::u16string_view path, BassFunctions& f) override;
    void Unload() override { ++unloads; }

    // Fires the notifications of a stream as the library's thread would.
    void FireSyncs(std::uint32_t stream);

private:
    bool Lacks(const char* name) const;
    std::uint32_t next_ = 100;
};

}  // namespace lg::test
