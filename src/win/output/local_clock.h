// The wall clock the file names are dated by.
#pragma once

#include "output/file_names.h"

namespace lg::win {

// The current local date and time.
LocalDateTime LocalNow();

}  // namespace lg::win
