#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "calc/calculator_controller.h"
#include "calc/calculator_view.h"
#include "calc/window_events.h"

namespace veltrop::web {

// The calculator window frmVeltrop on the page, built from the design
// record. The page script hands it the DOM's events; it passes each to the
// core's WindowEvents, and shows what the controller asks through
// CalculatorView.
class WebWindow : public CalculatorView {
public:
    WebWindow();

    // Builds the window's elements and runs the load event.
    void Start();

    // The page's events, one to one.
    void InputEdited();
    void InputPasted();
    // The box lost the focus, to another control of the window or not.
    void InputFocusLost(bool toAnotherControl);
    // A click on the control at this index of the design record.
    void Clicked(std::size_t designIndex);

    // CalculatorView
    std::u16string InputText() const override;
    void SetInputText(std::u16string_view text) override;
    void SetCV17Caption(std::u16string_view caption) override;
    void SetCV18Caption(std::u16string_view caption) override;
    void SetCopyRightCaption(std::u16string_view caption) override;
    void SetCopyRightToolTip(std::u16string_view toolTip) override;
    void FocusInput() override;
    void ShowMessageBox(std::u16string_view text, std::u16string_view title, int style) override;
    VersionNumbers ProgramVersion() const override;
    void CloseWindow() override;
    void EndProgram() override;

private:
    CalculatorController controller_;
    WindowEvents events_;
};

}  // namespace veltrop::web
