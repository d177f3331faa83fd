#include "store/reconcile.h"

#include <map>
#include <string>
#include <utility>

namespace lg::srv {

ReconcileReport Reconcile(PictureFiles& files, PictureIndex& index) {
    ReconcileReport report;
    report.leftoversRemoved = files.RemoveLeftovers();
    std::map<std::pair<std::string, PictureFormat>, uint64_t> onDisk;
    for (const StoredFile& f : files.List()) onDisk[{f.id, f.format}] = f.bytes;
    for (const PictureRecord& row : index.List()) {
        auto it = onDisk.find({row.id, row.format});
        if (it != onDisk.end() && it->second == row.bytes) {
            onDisk.erase(it);
            continue;
        }
        if (index.Remove(row.id)) ++report.rowsRemoved;
    }
    for (const auto& [key, bytes] : onDisk) {
        if (files.Remove(key.first, key.second)) ++report.filesRemoved;
    }
    return report;
}

}  // namespace lg::srv
