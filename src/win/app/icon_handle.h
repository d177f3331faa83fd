// The program's icon as a Win32 icon, drawn at the size asked for.
#pragma once

#include "platform/handles.h"

namespace lg::win {

UniqueIcon CreateAppIcon(int size);

}  // namespace lg::win
