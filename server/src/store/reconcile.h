// Makes the picture files and the index agree at start-up. A picture
// counts as stored only when both its file and its row exist; whatever an
// interrupted upload or deletion left of one without the other goes.
#pragma once

#include <cstddef>

#include "store/picture_files.h"
#include "store/picture_index.h"

namespace lg::srv {

struct ReconcileReport {
    size_t leftoversRemoved = 0;  // temporary files
    size_t rowsRemoved = 0;       // rows whose file is missing or of another size
    size_t filesRemoved = 0;      // files without a row
};

ReconcileReport Reconcile(PictureFiles& files, PictureIndex& index);

}  // namespace lg::srv
