// Uploads per minute for each key (a user hash or a client address): a
// bucket per key that holds up to the limit and refills evenly over a
// minute, so a burst up to the limit passes and a steady flood does not.
#pragma once

#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>

namespace lg::srv {

class RateLimiter {
public:
    using Clock = std::chrono::steady_clock;

    // `perMinute` 0: every upload passes.
    explicit RateLimiter(uint32_t perMinute) : perMinute_(perMinute) {}

    // Takes one upload from the key's bucket; false when it is empty.
    bool Take(std::string_view key, Clock::time_point now);

private:
    struct Bucket {
        double tokens = 0;
        Clock::time_point updated;
    };
    double Refilled(const Bucket& b, Clock::time_point now) const;

    uint32_t perMinute_;
    std::mutex mutex_;
    std::unordered_map<std::string, Bucket> buckets_;
};

}  // namespace lg::srv
