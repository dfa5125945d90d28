#pragma once

#include "calc/calculator_controller.h"

namespace veltrop {

// The window's native events, as every front end reports them one to one,
// turned into the controller's operations in the order the controller
// relies on. The rules live here once, for every toolkit:
//
// - The box is read when the focus moves from it to another control of the
//   window. A focus that leaves with the window (another window activated,
//   a menu or popup opened over the box) reads nothing: the box gets it back
//   when the window returns, and a click then reads whatever changed.
// - Before a click on Enter or Clear the box is read again whenever its
//   text changed since the last read, so that a click that arrives without
//   the focus leaving the box (a screen reader's action, a focus moved while
//   the window was inactive) never computes from a number it no longer shows.
// - One operation at a time: an event that arrives while one runs (the
//   modal message box lets some through) is dropped, except that a text
//   change is still noted. After Exit no event reaches the controller.
// Where the focus went when the box lost it.
enum class FocusMove { ToAnotherControl, OutOfWindow };

class WindowEvents {
public:
    explicit WindowEvents(CalculatorController& controller) : controller_(controller) {}

    void Loaded();
    void InputTextChanged() { unread_ = true; }
    void InputFocusLost(FocusMove move);
    void EnterClicked();
    void ClearClicked();
    void ExitClicked();

    // After Exit: the window is going, and nothing may answer any more.
    bool Ended() const { return ended_; }

private:
    bool Accepting() const { return !busy_ && !ended_; }
    void ReadInput();
    // Runs one controller operation with the others held off.
    void Run(void (CalculatorController::*operation)());

    CalculatorController& controller_;
    bool unread_ = true;
    bool busy_ = false;
    bool ended_ = false;
};

}  // namespace veltrop
