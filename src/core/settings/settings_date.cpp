#include "settings/settings_date.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

namespace lg {

double ReadSettingsDate(const RegistryStore& store, std::u16string_view name) {
    auto bytes = store.ReadBinary(kProgramKey, name);
    if (!bytes || bytes->size() != sizeof(double)) return 0;
    std::uint64_t bits = 0;
    for (size_t i = 0; i < sizeof(double); ++i) bits |= std::uint64_t{(*bytes)[i]} << (8 * i);
    // A NaN would compare false with every day and make a date never due.
    double date = std::bit_cast<double>(bits);
    return std::isfinite(date) ? date : 0;
}

bool WriteSettingsDate(RegistryStore& store, std::u16string_view name, double value) {
    if (!store.KeyExists(kProgramKey) && !store.CreateKey(kProgramKey)) return false;
    auto bits = std::bit_cast<std::uint64_t>(value);
    std::array<std::uint8_t, sizeof(double)> bytes{};
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    return store.WriteBinary(kProgramKey, name, bytes);
}

}  // namespace lg
