// What the capture window asks of the text tool, beyond any tool layer:
// the text tool is ended by the window itself (it never raises OnEnd), so
// the window needs its text, its editing state and its frame layer.
#pragma once

#include <cstdint>
#include <string>

#include "layers/custom_layer.h"
#include "layers/input.h"

namespace lg {

class TTextToolControl {
public:
    virtual ~TTextToolControl() = default;
    // The text typed so far.
    virtual std::u16string Text() const = 0;
    // A text box is placed and being edited.
    virtual bool IsStateRedact() const = 0;
    // Ends editing: caret and frame go, the text stays drawn. False when the
    // box could not be drawn without its caret: what it shows must not be
    // committed.
    virtual bool StopDrawing() = 0;
    // The frame layer around the text box (view index 3), or null.
    virtual TCustomLayer* RBLayer() const = 0;
    virtual void KeyPress(char16_t key) = 0;
    virtual void KeyDown(std::uint16_t key, TShiftState shift) = 0;
};

}  // namespace lg
