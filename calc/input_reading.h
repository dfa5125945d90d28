#pragma once

#include "calc/calculator_controller.h"

namespace veltrop {

// When the controller reads the input box: at the box's focus loss, and
// again before a click on Enter or Clear whenever the text may have changed
// since the last read (a screen reader's action, a focus moved while the
// window was inactive, text set from elsewhere), so that a click never
// computes from a number the box no longer shows. The read is the focus
// loss's own operation, and repeating it changes nothing.
class InputReading {
public:
    explicit InputReading(CalculatorController& controller) : controller_(controller) {}

    void TextChanged() { unread_ = true; }
    void FocusLost();
    void BeforeClick();

private:
    CalculatorController& controller_;
    bool unread_ = true;
};

}  // namespace veltrop
