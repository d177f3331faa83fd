// The one exception type of the raster engine.
#pragma once

#include <stdexcept>

namespace lg {

// Thrown when a bitmap cannot be given the size asked for (too large to
// address, or the memory cannot be had). The bitmap keeps its former size
// and pixels, so the caller can abandon the operation and go on.
class RasterError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace lg
