#include "settings/settings_date.h"

#include <gtest/gtest.h>

#include <chrono>

#include "support/memory_registry_store.h"

namespace lg {
namespace {

using namespace std::chrono;

double DaysSince18991230(year_month_day date) {
    return static_cast<double>((sys_days{date} - sys_days{1899y / December / 30}).count());
}

TEST(SettingsDateTest, RoundTripsAsEightByteLittleEndianDouble) {
    MemoryRegistryStore store;  // no key: writing creates it
    const double day = DaysSince18991230(2026y / December / 10);
    ASSERT_TRUE(WriteSettingsDate(store, u"UpdateDate", day));
    EXPECT_EQ(ReadSettingsDate(store, u"UpdateDate"), day);

    // 46366 = 0xB51E = 1.0110101000111100b * 2^15: exponent 1023 + 15 = 0x40E,
    // so the double is 0x40E6A3C000000000, stored low byte first.
    ASSERT_EQ(day, 46366.0);
    const RawRegValue* raw = store.Raw(kProgramKey, u"UpdateDate");
    ASSERT_NE(raw, nullptr);
    EXPECT_EQ(raw->type, RegType::Binary);
    EXPECT_EQ(raw->bytes, (std::vector<std::uint8_t>{0, 0, 0, 0, 0xC0, 0xA3, 0xE6, 0x40}));
}

struct BadDate {
    const char* name;
    void (*plant)(MemoryRegistryStore&);
};
void PrintTo(const BadDate& c, std::ostream* os) {
    *os << c.name;
}

class ReadSettingsDateTest : public ::testing::TestWithParam<BadDate> {};

// Anything but a well-formed date means "never set": the date-driven
// windows then count as due, which is the first-start behaviour.
TEST_P(ReadSettingsDateTest, GivesZero) {
    MemoryRegistryStore store;
    GetParam().plant(store);
    EXPECT_EQ(ReadSettingsDate(store, u"ShowOffer"), 0.0);
}

void Binary(MemoryRegistryStore& r, std::vector<std::uint8_t> bytes) {
    r.SetRaw(kProgramKey, u"ShowOffer", {RegType::Binary, std::move(bytes)});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadSettingsDateTest,
    ::testing::Values(BadDate{"noKey", [](MemoryRegistryStore&) {}},
                      BadDate{"noValue", [](MemoryRegistryStore& r) { r.AddKey(kProgramKey); }},
                      BadDate{"fourBytes",
                              [](MemoryRegistryStore& r) {
                                  Binary(r, {0, 0xC0, 0xA3, 0xE6});
                              }},
                      BadDate{"nineBytes",
                              [](MemoryRegistryStore& r) {
                                  Binary(r, {0, 0, 0, 0, 0, 0xC0, 0xA3, 0xE6, 0x40});
                              }},
                      BadDate{"dword",
                              [](MemoryRegistryStore& r) {
                                  r.AddKey(kProgramKey);
                                  r.WriteDword(kProgramKey, u"ShowOffer", 46366);
                              }},
                      // A NaN is never earlier or later than today, so the date would never pass.
                      BadDate{"nan",
                              [](MemoryRegistryStore& r) {
                                  Binary(r, {0, 0, 0, 0, 0, 0, 0xF8, 0x7F});
                              }},
                      BadDate{"infinity",
                              [](MemoryRegistryStore& r) {
                                  Binary(r, {0, 0, 0, 0, 0, 0, 0xF0, 0x7F});
                              }},
                      BadDate{"keyUnreadable",
                              [](MemoryRegistryStore& r) {
                                  Binary(r, {0, 0, 0, 0, 0xC0, 0xA3, 0xE6, 0x40});
                                  r.Deny(kProgramKey, true, false);
                              }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SettingsDateTest, WriteIntoRefusedKeyFails) {
    MemoryRegistryStore store;
    store.Deny(kProgramKey, false, true);
    EXPECT_FALSE(WriteSettingsDate(store, u"ShowOffer", 46371.0));
    EXPECT_EQ(ReadSettingsDate(store, u"ShowOffer"), 0.0);
}

}  // namespace
}  // namespace lg
