#include "support/stored_state.h"

#include "store/folder_picture_files.h"
#include "store/sqlite_picture_index.h"

namespace lg::srv::test {

StoredState ReadStoredState(const std::filesystem::path& dataDir) {
    StoredState state;
    FolderPictureFiles files(dataDir / "pictures");
    for (const StoredFile& f : files.List()) state.fileIds.insert(f.id);
    size_t allFiles = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dataDir / "pictures")) {
        if (entry.is_regular_file()) ++allFiles;
    }
    state.otherFiles = allFiles - state.fileIds.size();
    SqlitePictureIndex index(dataDir / "index.sqlite3");
    for (const PictureRecord& r : index.List()) state.rowIds.insert(r.id);
    return state;
}

}  // namespace lg::srv::test
