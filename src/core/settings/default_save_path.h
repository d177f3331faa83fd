// The default folder of automatic copies.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lg {

// The pictures folder, '\', the program's display name and '\'; for
// D:\Pictures that is D:\Pictures\ЛюмиГРАБ\. Empty when the folder is
// unknown or empty (a bare "\ЛюмиГРАБ\" would point at the root of
// whatever drive is current). The folder is not created here.
std::u16string DefaultSavePath(std::optional<std::u16string_view> picturesFolder);

}  // namespace lg
