#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "calc/calculator_view.h"
#include "calc/copyright_notice.h"

namespace veltrop {

// The calculator window's state between events; every field starts at zero.
struct CalculatorState {
    std::int16_t LocoNumber = 0;
    float AddressQuotient = 0.0F;
    std::int16_t CV17Value = 0;
    std::int16_t CV18Value = 0;
    std::u16string MessageText;
};

inline constexpr std::u16string_view kInputErrorTitle = u"Input Error";
inline constexpr std::u16string_view kInputErrorText = u"Enter a number between 1 and 9999.";

// The window's behaviour: one operation per event, reaching the window only
// through the view. The view must outlive the controller.
class CalculatorController {
public:
    explicit CalculatorController(CalculatorView& view) : view_(view) {}

    void OnFormLoad();
    void OnInputLostFocus();
    void OnEnterClicked();
    void OnClearClicked();
    void OnExitClicked();

    const CalculatorState& State() const { return state_; }

private:
    CalculatorView& view_;
    CalculatorState state_;
};

}  // namespace veltrop
