#include <gtest/gtest.h>

#include <fstream>

#include "store/folder_picture_files.h"
#include "store/picture_library.h"
#include "store/reconcile.h"
#include "store/sqlite_picture_index.h"
#include "support/running_server.h"
#include "support/test_pictures.h"
#include "support/wire_form.h"

namespace lg::srv {
namespace {

namespace fs = std::filesystem;

class PictureStore : public ::testing::Test {
protected:
    PictureRecord Row(const std::string& id, uint64_t bytes) {
        PictureRecord r;
        r.id = id;
        r.userHash = test::kTestUserHash;
        r.bytes = bytes;
        r.width = r.height = 1;
        r.sha256 = "00";
        r.deleteDigest = "00";
        return r;
    }

    test::TempFolder folder_;
    FolderPictureFiles files_{folder_.path() / "pictures"};
    SqlitePictureIndex index_{folder_.path() / "index.sqlite3"};
};

TEST_F(PictureStore, PutNeverReplacesAPictureUnderTheSameId) {
    EXPECT_EQ(files_.Put("AAAAAAAAAAAA", PictureFormat::Png, "first"), PutResult::Stored);
    EXPECT_EQ(files_.Put("AAAAAAAAAAAA", PictureFormat::Png, "second"), PutResult::IdTaken);
    EXPECT_EQ(files_.Read("AAAAAAAAAAAA", PictureFormat::Png), "first");
    EXPECT_EQ(files_.Put("../AAAAAAAAA", PictureFormat::Png, "x"), PutResult::Failed);
    EXPECT_EQ(index_.Insert(Row("AAAAAAAAAAAA", 5)), InsertResult::Inserted);
    EXPECT_EQ(index_.Insert(Row("AAAAAAAAAAAA", 5)), InsertResult::IdTaken);
}

TEST_F(PictureStore, ReconcileKeepsOnlyPicturesWithBothFileAndRow) {
    // Whole: file and row agree.
    ASSERT_EQ(files_.Put("Whole0000000", PictureFormat::Png, "12345"), PutResult::Stored);
    ASSERT_EQ(index_.Insert(Row("Whole0000000", 5)), InsertResult::Inserted);
    // An upload killed after its file, before its row.
    ASSERT_EQ(files_.Put("NoRow0000000", PictureFormat::Jpeg, "abc"), PutResult::Stored);
    // A deletion killed after its file went (or a file lost by hand).
    ASSERT_EQ(index_.Insert(Row("NoFile000000", 3)), InsertResult::Inserted);
    // A row whose file has another size than it recorded.
    ASSERT_EQ(files_.Put("Resized00000", PictureFormat::Png, "1234"), PutResult::Stored);
    ASSERT_EQ(index_.Insert(Row("Resized00000", 9)), InsertResult::Inserted);
    // An upload killed while its temporary file was written.
    fs::create_directories(folder_.path() / "pictures" / "Te");
    std::ofstream(folder_.path() / "pictures" / "Te" / ".tmp-Temp00000000.png") << "half";

    const ReconcileReport report = Reconcile(files_, index_);
    EXPECT_EQ(report.leftoversRemoved, 1u);
    EXPECT_EQ(report.rowsRemoved, 2u);
    EXPECT_EQ(report.filesRemoved, 2u);

    const std::vector<StoredFile> left = files_.List();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].id, "Whole0000000");
    const std::vector<PictureRecord> rows = index_.List();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].id, "Whole0000000");
    EXPECT_FALSE(fs::exists(folder_.path() / "pictures" / "Te" / ".tmp-Temp00000000.png"));
    // A second pass finds nothing more to do.
    const ReconcileReport again = Reconcile(files_, index_);
    EXPECT_EQ(again.leftoversRemoved + again.rowsRemoved + again.filesRemoved, 0u);
}

TEST_F(PictureStore, LibraryRecordsWhatItStores) {
    PictureLibrary library(files_, index_);
    const std::string png = test::MakePng(5, 4, 9);
    const auto added = library.Add(NewPicture{
        test::kTestUserHash, PictureHeader{PictureFormat::Png, 5, 4}, png, "10.0.0.7", 1700000000});
    ASSERT_TRUE(added.has_value());
    const auto row = index_.Find(added->record.id);
    ASSERT_TRUE(row.has_value());
    EXPECT_EQ(row->bytes, png.size());
    EXPECT_EQ(row->width, 5u);
    EXPECT_EQ(row->height, 4u);
    EXPECT_EQ(row->userHash, test::kTestUserHash);
    EXPECT_EQ(row->clientAddress, "10.0.0.7");
    EXPECT_EQ(row->createdUnix, 1700000000);
    EXPECT_EQ(row->sha256.size(), 64u);
    EXPECT_EQ(files_.Read(row->id, PictureFormat::Png), png);
    EXPECT_EQ(files_.PathOf(row->id, PictureFormat::Png).parent_path().filename(),
              row->id.substr(0, 2));
    // The index keeps a digest of the delete secret, never the secret.
    EXPECT_NE(row->deleteDigest, added->deleteSecret);
    EXPECT_TRUE(PictureLibrary::SecretMatches(*row, added->deleteSecret));
    std::string wrong = added->deleteSecret;
    wrong[0] = wrong[0] == '0' ? '1' : '0';
    EXPECT_FALSE(PictureLibrary::SecretMatches(*row, wrong));
}

}  // namespace
}  // namespace lg::srv
