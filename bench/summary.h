// Pairs of benchmarks whose ratio is the figure that matters (our encoder
// beside the reference library, a tool beside a memcpy of what it touches).
// The benchmark binary's reporter prints them after the usual output, from
// the same run, per corpus picture and as geometric means.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace lg::bench {

struct Comparison {
    enum Ratio {
        kSpeedup,  // reference time / our time: above 1 we are faster
        kCost,     // our time / reference time: how many reference runs one of ours costs
    };
    std::string title;
    // Benchmark names, or name prefixes: "png_1thread" pairs every
    // "png_1thread/<picture>" with "<reference>/<picture>".
    std::string ours;
    std::string reference;
    Ratio ratio = kSpeedup;
};

inline std::vector<Comparison>& Comparisons() {
    static std::vector<Comparison> all;
    return all;
}

// For static registration beside the benchmarks: returns true.
inline bool AddComparison(Comparison c) {
    Comparisons().push_back(std::move(c));
    return true;
}

}  // namespace lg::bench
