// What a data folder holds, read straight from disk and index.
#pragma once

#include <filesystem>
#include <set>
#include <string>

namespace lg::srv::test {

struct StoredState {
    std::set<std::string> fileIds;  // complete pictures in the folder
    size_t otherFiles = 0;          // temporary or stray files
    std::set<std::string> rowIds;   // rows of the index
};

StoredState ReadStoredState(const std::filesystem::path& dataDir);

}  // namespace lg::srv::test
