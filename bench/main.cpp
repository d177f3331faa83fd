// The benchmark binary's entry: Google Benchmark's usual console output,
// then the comparisons of summary.h worked out from that same run.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "summary.h"

namespace lg::bench {
namespace {

// Benchmark 1.7 flags a failed run with error_occurred, later versions
// with skipped.
template <class Run>
auto Failed(const Run& run, int) -> decltype(run.error_occurred, bool()) {
    return run.error_occurred;
}
template <class Run>
bool Failed(const Run& run, long) {
    return run.skipped != 0;
}

struct Result {
    double ms = 0;
    double bytes = 0;  // the "bytes" counter, 0 when the benchmark has none
    bool median = false;
};

// The name without the "/iterations:N", "/real_time" or "/manual_time"
// that Iterations(), UseRealTime() and UseManualTime() append.
std::string BaseName(std::string name) {
    if (const std::size_t at = name.find("/iterations:"); at != std::string::npos) {
        const std::size_t end = name.find('/', at + 1);
        name.erase(at, end == std::string::npos ? std::string::npos : end - at);
    }
    for (const std::string suffix : {"/real_time", "/manual_time"}) {
        if (name.size() > suffix.size() &&
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) {
            name.resize(name.size() - suffix.size());
        }
    }
    return name;
}

class SummaryReporter : public benchmark::ConsoleReporter {
public:
    using ConsoleReporter::ConsoleReporter;

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (Failed(run, 0)) continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Aggregate && !median) continue;
            Result& r = results_[BaseName(run.run_name.str())];
            if (r.median && !median) continue;  // with repetitions the median stands
            r.median = median;
            r.ms =
                run.GetAdjustedRealTime() * 1e3 / benchmark::GetTimeUnitMultiplier(run.time_unit);
            const auto bytes = run.counters.find("bytes");
            r.bytes = bytes == run.counters.end() ? 0 : bytes->second.value;
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const Comparison& c : Comparisons()) Print(c);
    }

private:
    struct Row {
        std::string picture;
        const Result* ours;
        const Result* reference;
    };

    std::vector<Row> Rows(const Comparison& c) const {
        std::vector<Row> rows;
        const auto ours = results_.find(c.ours), reference = results_.find(c.reference);
        if (ours != results_.end() && reference != results_.end()) {
            rows.push_back({"-", &ours->second, &reference->second});
        }
        const std::string prefix = c.ours + "/";
        for (const auto& [name, result] : results_) {
            if (name.compare(0, prefix.size(), prefix) != 0) continue;
            const std::string picture = name.substr(prefix.size());
            const auto ref = results_.find(c.reference + "/" + picture);
            if (ref != results_.end()) rows.push_back({picture, &result, &ref->second});
        }
        return rows;
    }

    void Print(const Comparison& c) const {
        const std::vector<Row> rows = Rows(c);
        if (rows.empty()) return;
        const bool sizes = rows.front().ours->bytes > 0 && rows.front().reference->bytes > 0;
        const char* timeRatio = c.ratio == Comparison::kSpeedup ? "speed x" : "cost x";
        std::ostream& out = GetOutputStream();
        char line[256];
        out << "\n" << c.title << ": " << c.ours << " vs " << c.reference << "\n";
        std::snprintf(line, sizeof line, "%-24s %10s %10s %8s", "picture", "ours ms", "ref ms",
                      timeRatio);
        out << line;
        if (sizes) {
            std::snprintf(line, sizeof line, " %12s %12s %8s", "ours B", "ref B", "size x");
            out << line;
        }
        out << "\n";
        double logOurs = 0, logRef = 0, logOursB = 0, logRefB = 0;
        for (const Row& r : rows) {
            std::snprintf(line, sizeof line, "%-24s %10.3f %10.3f %8.2f", r.picture.c_str(),
                          r.ours->ms, r.reference->ms, TimeRatio(c, r.ours->ms, r.reference->ms));
            out << line;
            if (sizes) {
                std::snprintf(line, sizeof line, " %12.0f %12.0f %8.3f", r.ours->bytes,
                              r.reference->bytes, r.ours->bytes / r.reference->bytes);
                out << line;
                logOursB += std::log(r.ours->bytes);
                logRefB += std::log(r.reference->bytes);
            }
            out << "\n";
            logOurs += std::log(r.ours->ms);
            logRef += std::log(r.reference->ms);
        }
        if (rows.size() < 2) return;
        const double n = static_cast<double>(rows.size());
        const double gOurs = std::exp(logOurs / n), gRef = std::exp(logRef / n);
        std::snprintf(line, sizeof line, "%-24s %10.3f %10.3f %8.2f", "geometric mean", gOurs, gRef,
                      TimeRatio(c, gOurs, gRef));
        out << line;
        if (sizes) {
            const double gOursB = std::exp(logOursB / n), gRefB = std::exp(logRefB / n);
            std::snprintf(line, sizeof line, " %12.0f %12.0f %8.3f", gOursB, gRefB, gOursB / gRefB);
            out << line;
        }
        out << "\n";
    }

    static double TimeRatio(const Comparison& c, double ours, double reference) {
        return c.ratio == Comparison::kSpeedup ? reference / ours : ours / reference;
    }

    std::map<std::string, Result> results_;
};

// The console reporter only when the console format is asked for (the
// default); any other format keeps the library's own reporter.
bool ConsoleFormat(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const char* flag = "--benchmark_format=";
        if (std::strncmp(argv[i], flag, std::strlen(flag)) == 0) {
            return std::strcmp(argv[i] + std::strlen(flag), "console") == 0;
        }
    }
    return true;
}

}  // namespace
}  // namespace lg::bench

int main(int argc, char** argv) {
    const bool console = lg::bench::ConsoleFormat(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    if (console) {
        lg::bench::SummaryReporter reporter(isatty(STDOUT_FILENO)
                                                ? benchmark::ConsoleReporter::OO_Color
                                                : benchmark::ConsoleReporter::OO_None);
        benchmark::RunSpecifiedBenchmarks(&reporter);
    } else {
        benchmark::RunSpecifiedBenchmarks();
    }
    benchmark::Shutdown();
    return 0;
}
