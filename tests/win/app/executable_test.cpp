#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dist_exe.h"
#include "platform/u16.h"

namespace lg::win {
namespace {

using lg::win::testing::DistExe;

TEST(ExecutableTest, CarriesVersion2AndItsProductName) {
    std::wstring exe = DistExe();
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &handle);
    ASSERT_GT(size, 0u) << "no version resource";
    std::vector<BYTE> data(size);
    ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, size, data.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT len = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &len));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 2));
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);

    struct Field {
        const wchar_t* name;
        const wchar_t* expected;
    };
    for (Field f : {Field{L"ProductVersion", L"2.0"}, Field{L"FileVersion", L"2.0.0.0"},
                    Field{L"ProductName", L"ЛюмиГРАБ"}}) {
        wchar_t* value = nullptr;
        std::wstring query = std::wstring(L"\\StringFileInfo\\041904B0\\") + f.name;
        ASSERT_TRUE(
            VerQueryValueW(data.data(), query.c_str(), reinterpret_cast<void**>(&value), &len))
            << WideToUtf8(f.name);
        EXPECT_EQ(std::wstring(value), f.expected) << WideToUtf8(f.name);
    }
}

TEST(ExecutableTest, EmbedsTheManifest) {
    HMODULE exe = LoadLibraryExW(DistExe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(exe, nullptr);
    HRSRC res = FindResourceW(exe, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
    ASSERT_NE(res, nullptr);
    DWORD size = SizeofResource(exe, res);
    const char* text = static_cast<const char*>(LockResource(LoadResource(exe, res)));
    std::string manifest(text, size);
    FreeLibrary(exe);
    EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos);
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
}

TEST(ExecutableTest, CarriesTheCaptureCursorWithItsHotSpotInTheMiddle) {
    HMODULE exe = LoadLibraryExW(DistExe().c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(exe, nullptr);
    EXPECT_NE(FindResourceW(exe, L"CUR_1", MAKEINTRESOURCEW(12)), nullptr);  // RT_GROUP_CURSOR
    HCURSOR cursor = static_cast<HCURSOR>(LoadImageW(exe, L"CUR_1", IMAGE_CURSOR, 32, 32, 0));
    ASSERT_NE(cursor, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 15u);
    EXPECT_EQ(info.yHotspot, 15u);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    DestroyCursor(cursor);
    FreeLibrary(exe);
}

}  // namespace
}  // namespace lg::win
