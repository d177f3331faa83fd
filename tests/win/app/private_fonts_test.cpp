#include "app/private_fonts.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/u16.h"

namespace lg::win {
namespace {

// A fresh folder under %TEMP%, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        wchar_t base[MAX_PATH];
        GetTempPathW(MAX_PATH, base);
        path_ = std::wstring(base) + L"lg-list-" + std::to_wstring(GetTickCount()) + L"\\";
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~TempFolder() {
        std::vector<std::wstring> folders, files;
        ListFolder(path_, &folders, &files, -1);
        for (auto& f : files) {
            SetFileAttributesW((path_ + f).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW((path_ + f).c_str());
        }
        for (auto& d : folders) RemoveDirectoryW((path_ + d).c_str());
        RemoveDirectoryW(path_.c_str());
    }
    const std::wstring& path() const { return path_; }
    void File(const wchar_t* name, DWORD attributes = FILE_ATTRIBUTE_NORMAL) const {
        HANDLE h = CreateFileW((path_ + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               attributes, nullptr);
        CloseHandle(h);
    }
    void Folder(const wchar_t* name) const { CreateDirectoryW((path_ + name).c_str(), nullptr); }

private:
    std::wstring path_;
};

std::vector<std::wstring> Sorted(std::vector<std::wstring> v) {
    std::sort(v.begin(), v.end());
    return v;
}

TEST(ListFolderTest, NamesFilesAndFoldersWithoutEnteringSubfolders) {
    TempFolder dir;
    dir.File(L"a.ttf");
    dir.File(L"hidden.otf", FILE_ATTRIBUTE_HIDDEN);
    dir.File(L"Шрифт.TTF");
    dir.Folder(L"sub");

    std::vector<std::wstring> folders, files;
    ASSERT_TRUE(ListFolder(dir.path(), &folders, &files, -1));
    EXPECT_EQ(Sorted(files), Sorted({L"a.ttf", L"hidden.otf", L"Шрифт.TTF"}));
    EXPECT_EQ(folders, std::vector<std::wstring>{L"sub"});

    // Without a folder list, folders are listed as files.
    std::vector<std::wstring> all;
    ASSERT_TRUE(ListFolder(dir.path(), nullptr, &all, -1));
    EXPECT_EQ(all.size(), 4u);

    // MaxFiles caps the file list only.
    std::vector<std::wstring> capped, capFolders;
    ASSERT_TRUE(ListFolder(dir.path(), &capFolders, &capped, 2));
    EXPECT_EQ(capped.size(), 2u);
    EXPECT_EQ(capFolders.size(), 1u);
}

TEST(ListFolderTest, MissingFolderOrAFileIsNoFolder) {
    TempFolder dir;
    dir.File(L"plain.txt");
    std::vector<std::wstring> files;
    EXPECT_FALSE(ListFolder(dir.path() + L"missing\\", nullptr, &files, -1));
    EXPECT_FALSE(ListFolder(dir.path() + L"plain.txt", nullptr, &files, -1));
    EXPECT_TRUE(files.empty());
}

int CALLBACK CountFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return 1;
}

bool FamilyInstalled(const wchar_t* family) {
    HDC dc = CreateCompatibleDC(nullptr);
    LOGFONTW lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(lf.lfFaceName, family, LF_FACESIZE);
    int count = 0;
    EnumFontFamiliesExW(dc, &lf, &CountFamily, reinterpret_cast<LPARAM>(&count), 0);
    DeleteDC(dc);
    return count > 0;
}

// "Roboto Bk" exists only in the program's own folder (the host's fonts
// call that face "Roboto Black"), so it proves the private registration.
TEST(PrivateFontsTest, FamilyUsableAfterRegistrationAndGoneAfterRemoval) {
    std::wstring folder = Utf8ToWide(LUMIGRAB_DIST_DIR);
    for (auto& c : folder) {
        if (c == L'/') c = L'\\';
    }
    // The Unix path of dist/ as Wine's Z: drive sees it.
    folder = L"Z:" + folder + L"\\Fonts\\";
    ASSERT_NE(GetFileAttributesW((folder + L"RobotoBk-Regular.ttf").c_str()),
              INVALID_FILE_ATTRIBUTES);

    ASSERT_FALSE(FamilyInstalled(L"Roboto Bk"));
    LoadPrivateFonts(folder, false);
    EXPECT_TRUE(FamilyInstalled(L"Roboto Bk"));
    for (const wchar_t* family : {L"Noto Sans", L"Roboto", L"Open Sans"}) {
        EXPECT_TRUE(FamilyInstalled(family)) << WideToUtf8(family);
    }
    LoadPrivateFonts(folder, true);
    EXPECT_FALSE(FamilyInstalled(L"Roboto Bk"));
}

}  // namespace
}  // namespace lg::win
