// The numbered stamp: one click puts a disc in the pen colour with the next
// number in white on it, and ends the figure. The numbers count up within
// one capture through StampCounter, which undo and redo keep in step.
#pragma once

#include "tools/base_tool_layer.h"

namespace lg {

inline constexpr double kStampRadius = 20.0;  // 96-DPI pixels; the disc and the number's box
inline constexpr int kStampFontSize = 23;     // points: two digits fill the disc
inline constexpr TColor32 kStampTextColor = 0xFFFFFFFFu;
// 4 x 4 super-sampling: the digits' curves stay smooth at this small size.
inline constexpr int kStampTextQuality = 2;

class TStampToolLayer : public TBaseToolLayer {
public:
    TStampToolLayer(TImgView32& imgv, const TFloatRect& location, TBitmap32& drawBitmap);

    TCurTool Kind() const override { return ctStamp; }

private:
    void LayerMouseDown(int x, int y);
};

}  // namespace lg
