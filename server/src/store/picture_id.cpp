#include "store/picture_id.h"

#include <array>
#include <cstdint>

#include "store/secure_random.h"

namespace lg::srv {
namespace {

constexpr std::string_view kBase62 =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
// The largest multiple of 62 that fits a byte: bytes at or above it are
// dropped, so taking the rest modulo 62 favours no character.
constexpr unsigned kUnbiasedLimit = 248;

bool IsBase62(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

std::string NewPictureId() {
    std::string id;
    id.reserve(kPictureIdLength);
    std::array<uint8_t, 32> pool{};
    while (id.size() < kPictureIdLength) {
        FillSecureRandom(pool);
        for (uint8_t b : pool) {
            if (b >= kUnbiasedLimit) continue;
            id.push_back(kBase62[b % 62]);
            if (id.size() == kPictureIdLength) break;
        }
    }
    return id;
}

bool IsPictureId(std::string_view text) {
    if (text.size() != kPictureIdLength) return false;
    for (char c : text) {
        if (!IsBase62(c)) return false;
    }
    return true;
}

std::string NewDeleteSecret() {
    std::array<uint8_t, kDeleteSecretLength / 2> raw{};
    FillSecureRandom(raw);
    constexpr std::string_view kHex = "0123456789abcdef";
    std::string out;
    out.reserve(kDeleteSecretLength);
    for (uint8_t b : raw) {
        out.push_back(kHex[b >> 4]);
        out.push_back(kHex[b & 15]);
    }
    return out;
}

bool IsDeleteSecret(std::string_view text) {
    if (text.size() != kDeleteSecretLength) return false;
    for (char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    }
    return true;
}

}  // namespace lg::srv
