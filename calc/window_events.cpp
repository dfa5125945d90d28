#include "calc/window_events.h"

namespace veltrop {

void WindowEvents::Run(void (CalculatorController::*operation)()) {
    busy_ = true;
    (controller_.*operation)();
    busy_ = false;
}

void WindowEvents::ReadInput() {
    // Cleared first: a change made while the read runs is a change after it.
    unread_ = false;
    Run(&CalculatorController::OnInputLostFocus);
}

void WindowEvents::Loaded() {
    if (Accepting()) {
        Run(&CalculatorController::OnFormLoad);
    }
}

void WindowEvents::InputFocusLost(FocusMove move) {
    if (move == FocusMove::ToAnotherControl && Accepting()) {
        ReadInput();
    }
}

void WindowEvents::EnterClicked() {
    if (!Accepting()) {
        return;
    }
    if (unread_) {
        ReadInput();
    }
    Run(&CalculatorController::OnEnterClicked);
}

void WindowEvents::ClearClicked() {
    if (!Accepting()) {
        return;
    }
    if (unread_) {
        ReadInput();
    }
    Run(&CalculatorController::OnClearClicked);
}

void WindowEvents::ExitClicked() {
    if (!Accepting()) {
        return;
    }
    // Set before the operation: closing the window moves the focus out of
    // the box, and that must not reach the controller any more.
    ended_ = true;
    Run(&CalculatorController::OnExitClicked);
}

}  // namespace veltrop
