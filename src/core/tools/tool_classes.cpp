#include "tools/tool_classes.h"

#include <array>

#include "tools/base_pl_tool_layer.h"
#include "tools/fill_tool_layer.h"
#include "tools/light_tool_layer.h"
#include "tools/line_arrow_tool_layer.h"
#include "tools/line_tool_layer.h"
#include "tools/rect_gauss_tool_layer.h"
#include "tools/rect_tool_layer.h"
#include "tools/stamp_tool_layer.h"
#include "tools/text_edit_tool_layer.h"
#include "tools/tr_pl_tool_layer.h"

namespace lg {

namespace {

using ToolFactory = TBaseToolLayer& (*)(TImgView32&, const TFloatRect&, TBitmap32&,
                                        const DisplayScale&);

template <class T>
TBaseToolLayer& Make(TImgView32& view, const TFloatRect& location, TBitmap32& drawBitmap,
                     const DisplayScale& scale) {
    return TBaseToolLayer::Create<T>(view, location, drawBitmap, scale);
}

// The class table: one line per tool class, indexed by its kind.
constexpr std::array<ToolFactory, kToolKindCount> kToolClasses = [] {
    std::array<ToolFactory, kToolKindCount> table{};
    table[ctLine] = &Make<TLineToolLayer>;
    table[ctArrow] = &Make<TLineArrowToolLayer>;
    table[ctRect] = &Make<TRectToolLayer>;
    table[ctFillRect] = &Make<TFillToolLayer>;
    table[ctRectGaus] = &Make<TRectGaussToolLayer>;
    table[ctPen] = &Make<TBasePLToolLayer>;
    table[ctTrRect] = &Make<TLightToolLayer>;
    table[ctTrPen] = &Make<TTrPLToolLayer>;
    table[ctTextExit] = &Make<TTextEditToolLayer>;
    table[ctStamp] = &Make<TStampToolLayer>;
    return table;
}();

ToolFactory FactoryOf(TCurTool kind) {
    const auto index = static_cast<std::size_t>(kind);
    return index < kToolClasses.size() ? kToolClasses[index] : nullptr;
}

}  // namespace

TBaseToolLayer* CreateToolLayer(TCurTool kind, TImgView32& view, const TFloatRect& location,
                                TBitmap32& drawBitmap, const DisplayScale& scale) {
    const ToolFactory make = FactoryOf(kind);
    return make ? &make(view, location, drawBitmap, scale) : nullptr;
}

bool HasToolClass(TCurTool kind) {
    return FactoryOf(kind) != nullptr;
}

}  // namespace lg
