// The one place that knows which layer class draws which tool kind.
#pragma once

#include "dpi/display_scale.h"
#include "layers/img_view32.h"
#include "raster/bitmap32.h"
#include "raster/geometry.h"
#include "tools/base_tool_layer.h"
#include "tools/cur_tool.h"

namespace lg {

// Creates the tool layer for `kind` on top of view's layers (the collection
// owns it) over the selection `location`, drawing into `drawBitmap` (the
// bitmap of the view's draw layer) at `scale`, and returns it. Returns
// null, and adds nothing, for ctNone, for a value outside ctNone .. ctStamp
// and for a kind that has no class yet.
TBaseToolLayer* CreateToolLayer(TCurTool kind, TImgView32& view, const TFloatRect& location,
                                TBitmap32& drawBitmap, const DisplayScale& scale = DisplayScale());

// Whether CreateToolLayer makes a layer for `kind`.
bool HasToolClass(TCurTool kind);

}  // namespace lg
