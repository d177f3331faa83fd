#include "platform/win32_registry_store.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/registry_key.h"
#include "settings/scratch_key.h"

namespace lg::win {
namespace {

constexpr std::u16string_view kKey = u"Outer\\Inner";
constexpr wchar_t kKeyW[] = L"Outer\\Inner";

class Win32RegistryStoreTest : public ::testing::Test {
protected:
    // Plants a value of any type and bytes, bypassing the store.
    void Plant(const wchar_t* name, DWORD type, std::vector<std::uint8_t> bytes) {
        UniqueRegKey k = CreateRegKey(scratch.get(), kKeyW, KEY_SET_VALUE);
        ASSERT_TRUE(k);
        ASSERT_EQ(
            RegSetValueExW(k.get(), name, 0, type, bytes.data(), static_cast<DWORD>(bytes.size())),
            ERROR_SUCCESS);
    }
    ScratchKey scratch{L"store"};
    Win32RegistryStore store{scratch.get()};
};

TEST_F(Win32RegistryStoreTest, RoundTripsEveryType) {
    ASSERT_FALSE(store.KeyExists(kKey));
    ASSERT_TRUE(store.CreateKey(kKey));  // with its missing parent
    EXPECT_TRUE(store.KeyExists(kKey));
    EXPECT_TRUE(store.CanOpenKey(kKey, KeyAccess::Read));
    EXPECT_TRUE(store.CanOpenKey(kKey, KeyAccess::Write));

    const std::u16string longText(5000, u'Ж');  // far beyond the first read buffer
    const std::vector<std::uint8_t> bytes = {0, 0xFF, 0x80, 7, 0, 0, 0xC0, 0x40};
    ASSERT_TRUE(store.WriteDword(kKey, u"dword", 0xFFFF802C));
    ASSERT_TRUE(store.WriteString(kKey, u"text", u"D:\\Снимки\\ЛюмиГРАБ\\"));
    ASSERT_TRUE(store.WriteString(kKey, u"empty", u""));
    ASSERT_TRUE(store.WriteString(kKey, u"long", longText));
    ASSERT_TRUE(store.WriteBinary(kKey, u"binary", bytes));
    ASSERT_TRUE(store.WriteBinary(kKey, u"noBytes", {}));

    EXPECT_EQ(store.ReadDword(kKey, u"dword"), 0xFFFF802Cu);
    EXPECT_EQ(store.ReadString(kKey, u"text"), u"D:\\Снимки\\ЛюмиГРАБ\\");
    EXPECT_EQ(store.ReadString(kKey, u"empty"), u"");
    EXPECT_EQ(store.ReadString(kKey, u"long"), longText);
    EXPECT_EQ(store.ReadBinary(kKey, u"binary"), bytes);
    EXPECT_EQ(store.ReadBinary(kKey, u"noBytes"), std::vector<std::uint8_t>{});
    // Names are not case-sensitive in the registry.
    EXPECT_EQ(store.ReadDword(kKey, u"DWORD"), 0xFFFF802Cu);

    // Strings are stored as REG_SZ with their terminator, as other tools expect.
    DWORD type = 0, size = 0;
    ASSERT_EQ(RegGetValueW(scratch.get(), kKeyW, L"empty", RRF_RT_ANY, &type, nullptr, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, sizeof(wchar_t));
}

TEST_F(Win32RegistryStoreTest, ValuesOfAnotherTypeReadAsAbsent) {
    Plant(L"sz", REG_SZ, {'1', 0, 0, 0});
    Plant(L"expand", REG_EXPAND_SZ, {'x', 0, 0, 0});
    Plant(L"dword", REG_DWORD, {1, 0, 0, 0});
    Plant(L"shortDword", REG_DWORD, {1, 0});
    Plant(L"qword", REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0});
    Plant(L"bin4", REG_BINARY, {1, 0, 0, 0});
    Plant(L"none", REG_NONE, {});

    for (std::u16string_view name : {u"sz", u"expand", u"shortDword", u"qword", u"bin4", u"none"}) {
        EXPECT_EQ(store.ReadDword(kKey, name), std::nullopt) << ::testing::PrintToString(name);
    }
    for (std::u16string_view name : {u"expand", u"dword", u"bin4", u"none"}) {
        EXPECT_EQ(store.ReadString(kKey, name), std::nullopt) << ::testing::PrintToString(name);
    }
    for (std::u16string_view name : {u"sz", u"dword", u"qword", u"none"}) {
        EXPECT_EQ(store.ReadBinary(kKey, name), std::nullopt) << ::testing::PrintToString(name);
    }
    // Existence ignores the type.
    for (std::u16string_view name : {u"sz", u"dword", u"qword", u"bin4", u"none"}) {
        EXPECT_TRUE(store.ValueExists(kKey, name));
    }
    EXPECT_FALSE(store.ValueExists(kKey, u"missing"));
}

struct RaggedString {
    const char* name;
    std::vector<std::uint8_t> bytes;
    std::u16string expected;
};
void PrintTo(const RaggedString& c, std::ostream* os) {
    *os << c.name;
}

class RaggedStringTest : public Win32RegistryStoreTest,
                         public ::testing::WithParamInterface<RaggedString> {};

// Other programs write strings carelessly; the reader must not run past the
// data or return half a character.
TEST_P(RaggedStringTest, ReadsUpToTheFirstNulOrTheEnd) {
    Plant(L"s", REG_SZ, GetParam().bytes);
    EXPECT_EQ(store.ReadString(kKey, u"s"), GetParam().expected);
}

std::vector<std::uint8_t> Utf16Bytes(std::u16string_view s) {
    std::vector<std::uint8_t> b;
    for (char16_t c : s) b.insert(b.end(), {std::uint8_t(c), std::uint8_t(c >> 8)});
    return b;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RaggedStringTest,
    ::testing::Values(RaggedString{"noTerminator", {'C', 0, ':', 0}, u"C:"},
                      RaggedString{"oddByteCount", {'C', 0, ':', 0, 'X'}, u"C:"},
                      RaggedString{"embeddedNul", {'A', 0, 0, 0, 'B', 0, 0, 0}, u"A"},
                      RaggedString{"noBytes", {}, u""}, RaggedString{"singleByte", {'A'}, u""},
                      // Past the first buffer and unterminated.
                      RaggedString{"longNoTerminator", Utf16Bytes(std::u16string(700, u'я')),
                                   std::u16string(700, u'я')}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Win32RegistryStoreTest, MissingKeyReadsAsAbsentAndIsNeverCreatedByWrites) {
    EXPECT_FALSE(store.KeyExists(kKey));
    EXPECT_FALSE(store.CanOpenKey(kKey, KeyAccess::Read));
    EXPECT_FALSE(store.ValueExists(kKey, u"v"));
    EXPECT_EQ(store.ReadDword(kKey, u"v"), std::nullopt);
    EXPECT_EQ(store.ReadString(kKey, u"v"), std::nullopt);
    EXPECT_EQ(store.ReadBinary(kKey, u"v"), std::nullopt);
    EXPECT_FALSE(store.WriteDword(kKey, u"v", 1));
    EXPECT_FALSE(store.WriteString(kKey, u"v", u"x"));
    EXPECT_TRUE(store.DeleteValue(kKey, u"v"));
    EXPECT_FALSE(store.KeyExists(kKey));
}

TEST_F(Win32RegistryStoreTest, DeleteRemovesAValueAndAcceptsAMissingOne) {
    ASSERT_TRUE(store.CreateKey(kKey));
    ASSERT_TRUE(store.WriteDword(kKey, u"v", 1));
    ASSERT_TRUE(store.WriteDword(kKey, u"keep", 2));
    EXPECT_TRUE(store.DeleteValue(kKey, u"v"));
    EXPECT_FALSE(store.ValueExists(kKey, u"v"));
    EXPECT_TRUE(store.DeleteValue(kKey, u"v"));
    EXPECT_EQ(store.ReadDword(kKey, u"keep"), 2u);
}

}  // namespace
}  // namespace lg::win
