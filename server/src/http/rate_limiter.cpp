#include "http/rate_limiter.h"

#include <algorithm>

namespace lg::srv {
namespace {

// Beyond this many keys, full buckets (keys idle for a minute) are dropped,
// so a stream of new addresses cannot grow the table without end.
constexpr size_t kPruneAbove = 10000;

}  // namespace

double RateLimiter::Refilled(const Bucket& b, Clock::time_point now) const {
    const double seconds = std::chrono::duration<double>(now - b.updated).count();
    return std::min<double>(perMinute_, b.tokens + std::max(0.0, seconds) * perMinute_ / 60.0);
}

bool RateLimiter::Take(std::string_view key, Clock::time_point now) {
    if (perMinute_ == 0) return true;
    std::lock_guard lock(mutex_);
    if (buckets_.size() > kPruneAbove) {
        std::erase_if(buckets_,
                      [&](const auto& kv) { return Refilled(kv.second, now) >= perMinute_; });
    }
    auto [it, fresh] = buckets_.try_emplace(std::string(key), Bucket{double(perMinute_), now});
    Bucket& b = it->second;
    if (!fresh) {
        b.tokens = Refilled(b, now);
        b.updated = now;
    }
    if (b.tokens < 1.0) return false;
    b.tokens -= 1.0;
    return true;
}

}  // namespace lg::srv
