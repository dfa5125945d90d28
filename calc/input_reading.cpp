#include "calc/input_reading.h"

namespace veltrop {

void InputReading::FocusLost() {
    controller_.OnInputLostFocus();
    unread_ = false;
}

void InputReading::BeforeClick() {
    if (unread_) {
        FocusLost();
    }
}

}  // namespace veltrop
