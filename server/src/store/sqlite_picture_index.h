// The picture index in one SQLite file, in WAL mode so the admin command can
// read and delete while the server runs. One connection, used under a lock.
#pragma once

#include <filesystem>
#include <mutex>

#include "store/picture_index.h"

struct sqlite3;

namespace lg::srv {

class SqlitePictureIndex final : public PictureIndex {
public:
    // Opens or creates the file and its table. Throws std::runtime_error
    // when the file cannot be opened.
    explicit SqlitePictureIndex(const std::filesystem::path& file);
    ~SqlitePictureIndex() override;
    SqlitePictureIndex(const SqlitePictureIndex&) = delete;
    SqlitePictureIndex& operator=(const SqlitePictureIndex&) = delete;

    InsertResult Insert(const PictureRecord& record) override;
    std::optional<PictureRecord> Find(std::string_view id) override;
    bool Remove(std::string_view id) override;
    std::vector<PictureRecord> List() override;

private:
    std::mutex mutex_;
    sqlite3* db_ = nullptr;
};

}  // namespace lg::srv
