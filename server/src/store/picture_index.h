// The list of stored pictures and what is known of each. The SQLite
// implementation is the one this program ships; a larger deployment could
// put a database server behind the same calls.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "store/picture_record.h"

namespace lg::srv {

enum class InsertResult { Inserted, IdTaken, Failed };

class PictureIndex {
public:
    virtual ~PictureIndex() = default;

    // Durable once it returns Inserted.
    virtual InsertResult Insert(const PictureRecord& record) = 0;
    virtual std::optional<PictureRecord> Find(std::string_view id) = 0;
    // True when a row was removed.
    virtual bool Remove(std::string_view id) = 0;
    // Every row, oldest first.
    virtual std::vector<PictureRecord> List() = 0;
};

}  // namespace lg::srv
