// Whole-file writes on the real file system: a replaced file holds exactly
// the new bytes, a refused write leaves the old file and no leftovers, and
// long Cyrillic paths work like short ones.
#include "output/safe_file_write.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "output/folder_tree.h"
#include "output/long_path.h"
#include "scratch_folder.h"

namespace lg::win {
namespace {

using test::FolderNames;
using test::PlantFile;
using test::ReadWholeFile;
using test::ScratchFolder;

std::vector<uint8_t> Bytes(size_t n, uint8_t start) {
    std::vector<uint8_t> v(n);
    for (size_t i = 0; i < n; ++i) v[i] = static_cast<uint8_t>(start + i * 7);
    return v;
}

// A folder path of more than 300 characters made of Cyrillic names.
std::wstring LongCyrillicFolder(const std::wstring& base) {
    std::wstring folder = base;
    for (int i = 0; i < 6; ++i) {
        folder += L"Папка для снимков экрана с очень длинным русским названием " +
                  std::to_wstring(i) + L"\\";
    }
    return folder;
}

TEST(SafeFileWriteTest, NewFileHoldsTheBytes) {
    ScratchFolder dir(L"new");
    const std::vector<uint8_t> bytes = Bytes(100000, 3);
    const std::wstring path = dir / L"Скриншот.png";
    ASSERT_TRUE(WriteFileSafely(path, bytes).ok());
    EXPECT_EQ(ReadWholeFile(path), bytes);
    EXPECT_EQ(FolderNames(dir.path()), std::vector<std::wstring>{L"Скриншот.png"});
}

TEST(SafeFileWriteTest, ReplacesABiggerFileWhole) {
    ScratchFolder dir(L"replace");
    const std::wstring path = dir / L"shot.png";
    ASSERT_TRUE(PlantFile(path, Bytes(50000, 200)));
    const std::vector<uint8_t> smaller = Bytes(1234, 9);
    const FileWriteResult r = WriteFileSafely(path, smaller);
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(ReadWholeFile(path), smaller);  // no tail of the old file
    EXPECT_EQ(FolderNames(dir.path()), std::vector<std::wstring>{L"shot.png"});
}

TEST(SafeFileWriteTest, EmptyContentIsAFileToo) {
    ScratchFolder dir(L"empty");
    const std::wstring path = dir / L"a.bmp";
    ASSERT_TRUE(PlantFile(path, Bytes(10, 1)));
    ASSERT_TRUE(WriteFileSafely(path, {}).ok());
    EXPECT_TRUE(PathExists(path));
    EXPECT_TRUE(ReadWholeFile(path).empty());
}

// Every way a write can be refused keeps the old file and leaves nothing
// else behind in the folder.
TEST(SafeFileWriteTest, RefusedWriteKeepsTheOldFileAndNoLeftovers) {
    ScratchFolder dir(L"refused");
    const std::vector<uint8_t> old = Bytes(5000, 42);
    const std::vector<uint8_t> fresh = Bytes(300, 1);

    {
        SCOPED_TRACE("read-only file");
        const std::wstring path = dir / L"readonly.png";
        ASSERT_TRUE(PlantFile(path, old));
        ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
        const FileWriteResult r = WriteFileSafely(path, fresh);
        EXPECT_FALSE(r.ok());
        EXPECT_EQ(r.error, static_cast<DWORD>(ERROR_ACCESS_DENIED));
        EXPECT_EQ(r.reason, L"Файл защищён от записи.");
        EXPECT_EQ(ReadWholeFile(path), old);
    }
    {
        SCOPED_TRACE("file held open by another program without sharing");
        const std::wstring path = dir / L"locked.png";
        ASSERT_TRUE(PlantFile(path, old));
        const HANDLE viewer = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                          OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(viewer, INVALID_HANDLE_VALUE);
        const FileWriteResult r = WriteFileSafely(path, fresh);
        CloseHandle(viewer);
        EXPECT_FALSE(r.ok());
        EXPECT_FALSE(r.reason.empty());
        EXPECT_EQ(ReadWholeFile(path), old);
    }
    {
        SCOPED_TRACE("a folder of that name");
        const std::wstring path = dir / L"folder.png";
        ASSERT_TRUE(CreateDirectoryW(path.c_str(), nullptr));
        const FileWriteResult r = WriteFileSafely(path, fresh);
        EXPECT_FALSE(r.ok());
        EXPECT_EQ(r.reason, L"С таким именем уже есть папка.");
        EXPECT_TRUE(FolderExists(path));
    }
    {
        SCOPED_TRACE("kept file");
        const std::wstring path = dir / L"kept.png";
        ASSERT_TRUE(PlantFile(path, old));
        const FileWriteResult r = WriteFileSafely(path, fresh, ExistingFile::kKeep);
        EXPECT_EQ(r.error, static_cast<DWORD>(ERROR_FILE_EXISTS));
        EXPECT_EQ(ReadWholeFile(path), old);
    }
    std::vector<std::wstring> names = FolderNames(dir.path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::wstring>{L"folder.png", L"kept.png", L"locked.png",
                                                L"readonly.png"}));
}

TEST(SafeFileWriteTest, MissingFolderFailsWithItsReason) {
    ScratchFolder dir(L"missing");
    const FileWriteResult r = WriteFileSafely(dir / L"нет\\shot.png", Bytes(10, 0));
    EXPECT_EQ(r.error, static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    EXPECT_EQ(r.reason, L"Папка не найдена.");
    EXPECT_EQ(r.Message(), L"Не удалось сохранить скриншот.\r\nПапка не найдена.");
    EXPECT_TRUE(FolderNames(dir.path()).empty());
}

TEST(SafeFileWriteTest, LongCyrillicPathsWork) {
    ScratchFolder dir(L"long");
    const std::wstring folder = LongCyrillicFolder(dir.path());
    ASSERT_GT(folder.size(), 300u);
    ASSERT_TRUE(CreateFolderTree(folder).ok());
    EXPECT_TRUE(FolderExists(folder));

    const std::wstring path = folder + L"Скриншот 08.12.26_23.05.59.png";
    ASSERT_TRUE(PlantFile(path, Bytes(9000, 5)));
    const std::vector<uint8_t> bytes = Bytes(700, 77);
    const FileWriteResult r = WriteFileSafely(path, bytes);
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(ReadWholeFile(path), bytes);
    EXPECT_EQ(FolderNames(folder), std::vector<std::wstring>{L"Скриншот 08.12.26_23.05.59.png"});
    // Nothing was parked in a folder higher up either.
    EXPECT_EQ(FolderNames(dir.path()).size(), 1u);
}

TEST(FolderTreeTest, CreatesMissingParentsAndAcceptsExistingOnes) {
    ScratchFolder dir(L"tree");
    const std::wstring deep = dir / L"а\\б/в\\";  // both separators, trailing one
    ASSERT_TRUE(CreateFolderTree(deep).ok());
    EXPECT_TRUE(FolderExists(dir / L"а\\б\\в"));
    EXPECT_TRUE(CreateFolderTree(deep).ok());  // already there
    EXPECT_TRUE(CreateFolderTree(dir.path()).ok());

    ASSERT_TRUE(PlantFile(dir / L"файл", Bytes(1, 0)));
    const FileWriteResult r = CreateFolderTree(dir / L"файл\\папка");
    EXPECT_FALSE(r.ok());
    EXPECT_FALSE(FolderExists(dir / L"файл\\папка"));
}

TEST(FileSystemPathTest, PrefixesOnlyWhatIsTooLongForPlainPaths) {
    EXPECT_EQ(FileSystemPath(L"C:\\a\\..\\b/c.png"), L"C:\\b\\c.png");
    const std::wstring longName(300, L'я');
    EXPECT_EQ(FileSystemPath(L"C:\\x\\" + longName), L"\\\\?\\C:\\x\\" + longName);
    EXPECT_EQ(FileSystemPath(L"\\\\srv\\share\\" + longName),
              L"\\\\?\\UNC\\srv\\share\\" + longName);
    EXPECT_EQ(FileSystemPath(L"\\\\?\\C:\\already"), L"\\\\?\\C:\\already");
    EXPECT_EQ(FileSystemPath(L""), L"");
}

TEST(FileWriteResultTest, FailureNeverReadsAsSuccess) {
    EXPECT_TRUE(WriteSucceeded().ok());
    EXPECT_FALSE(WriteFailed(ERROR_SUCCESS).ok());
    EXPECT_EQ(WriteFailed(ERROR_DISK_FULL).reason, L"Недостаточно места на диске.");
    // An error without a sentence of its own still tells its code.
    EXPECT_EQ(WriteFailed(4321).reason, L"Ошибка Windows 4321.");
    EXPECT_FALSE(EncodeFailed(EncodeStatus::kCodecFailure).ok());
}

}  // namespace
}  // namespace lg::win
