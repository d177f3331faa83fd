// The PNG encoder with every lever open, for the benchmark and the tests.
#pragma once

#include <cstdint>
#include <vector>

#include "output/encode_status.h"
#include "output/image_view.h"
#include "output/png_idat_p.h"

namespace lg::png {

// The settings EncodePng uses (with its thread count on top).
IdatPlan DefaultPlan();

// EncodePng with an explicit plan.
[[nodiscard]] EncodeStatus EncodeWithPlan(const ImageView32& image, const IdatPlan& plan,
                                          std::vector<uint8_t>& out);

}  // namespace lg::png
