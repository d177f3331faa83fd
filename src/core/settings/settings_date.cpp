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

double SettingsDateOfDay(int year, int month, int day) {
    // Days from the civil date (the well-known era arithmetic), then moved
    // so that 30 December 1899 is day 0.
    const int y = year - (month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const long long sinceEpoch1970 = static_cast<long long>(era) * 146097 + doe - 719468;
    return static_cast<double>(sinceEpoch1970 + 25569);
}

bool WriteSettingsDate(RegistryStore& store, std::u16string_view name, double value) {
    if (!store.KeyExists(kProgramKey) && !store.CreateKey(kProgramKey)) return false;
    auto bits = std::bit_cast<std::uint64_t>(value);
    std::array<std::uint8_t, sizeof(double)> bytes{};
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    return store.WriteBinary(kProgramKey, name, bytes);
}

}  // namespace lg
