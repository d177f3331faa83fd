#include "admin/admin_command.h"

#include <gtest/gtest.h>

#include <sstream>

#include "store/folder_picture_files.h"
#include "store/picture_library.h"
#include "store/sqlite_picture_index.h"
#include "support/running_server.h"
#include "support/stored_state.h"
#include "support/test_pictures.h"
#include "support/wire_form.h"

namespace lg::srv {
namespace {

constexpr int64_t kNow = 1800000000;
constexpr int64_t kDay = 86400;

TEST(AdminCommand, ListDeleteAndPurge) {
    test::TempFolder data;
    std::vector<std::string> ids;
    {
        FolderPictureFiles files(data.path() / "pictures");
        SqlitePictureIndex index(data.path() / "index.sqlite3");
        PictureLibrary library(files, index);
        const std::string png = test::MakePng(4, 3, 1);
        for (int64_t age : {40 * kDay, 10 * kDay, 1 * kDay}) {
            const auto added = library.Add(NewPicture{
                test::kTestUserHash, {PictureFormat::Png, 4, 3}, png, "10.1.2.3", kNow - age});
            ASSERT_TRUE(added.has_value());
            ids.push_back(added->record.id);
        }
    }
    auto run = [&](std::vector<std::string_view> args, std::string* out = nullptr) {
        std::vector<std::string_view> full = {"--data", data.path().c_str()};
        full.insert(full.end(), args.begin(), args.end());
        std::ostringstream o, e;
        const int code = RunAdminCommand(full, o, e, kNow);
        if (out) *out = o.str();
        return code;
    };

    std::string listed;
    ASSERT_EQ(run({"list"}, &listed), 0);
    for (const std::string& id : ids) EXPECT_NE(listed.find(id + ".png\t4x3\t"), std::string::npos);

    EXPECT_EQ(run({"delete", ids[1]}), 0);
    EXPECT_EQ(run({"delete", ids[1]}), 1);       // already gone
    EXPECT_EQ(run({"delete", "../../etc"}), 1);  // no such id
    EXPECT_EQ(run({"purge", "30"}), 0);          // only the 40-day-old one
    EXPECT_EQ(run({"purge", "-1"}), 2);
    EXPECT_EQ(run({"frobnicate"}), 2);

    const test::StoredState state = test::ReadStoredState(data.path());
    EXPECT_EQ(state.rowIds, std::set<std::string>{ids[2]});
    EXPECT_EQ(state.fileIds, state.rowIds);
}

}  // namespace
}  // namespace lg::srv
