#pragma once

#include <windows.h>

#include <array>
#include <string>
#include <string_view>

#include "calc/calculator_controller.h"
#include "calc/calculator_view.h"
#include "calc/window_events.h"
#include "ui/design_record.h"
#include "ui/win32/font_set.h"
#include "ui/win32/tool_tips.h"

namespace veltrop {

// frmVeltrop on the plain Win32 API: the window and its controls built from
// the design record, their events delivered to the controller, and the
// controller's view on the real controls. The object outlives its window:
// closing destroys the window only, so an operation that closes it can run
// to its end.
class CalculatorWindow final : public CalculatorView {
public:
    // Above IDOK (1) and IDCANCEL (2), which the dialog manager sends for
    // Return and Escape: those keys must click nothing.
    static constexpr int kFirstControlId = 100;

    static constexpr int IdAt(std::size_t index) {
        return kFirstControlId + static_cast<int>(index);
    }
    static constexpr int ControlId(design::ControlName name) { return IdAt(name.Index()); }

    explicit CalculatorWindow(HINSTANCE instance);
    ~CalculatorWindow() override;
    CalculatorWindow(const CalculatorWindow&) = delete;
    CalculatorWindow& operator=(const CalculatorWindow&) = delete;

    // Creates the window and its controls, runs OnFormLoad, then shows the
    // window with the focus in the input box; the tooltips follow with the
    // first messages after that. False when Windows refused.
    bool Create(int showCommand);

    // Null once the window is destroyed.
    HWND Handle() const { return window_; }
    HWND ControlHandle(design::ControlName name) const { return ControlHandleAt(name.Index()); }
    // By the control's index in the design; null when there is none.
    HWND ControlHandleAt(std::size_t index) const;
    HWND ToolTipHandle() const { return toolTips_.Handle(); }
    const CalculatorState& State() const { return controller_.State(); }

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
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool CreateControls();
    // Every control to its place and font for a new DPI.
    void ApplyLayout(int dpi);
    void OnCommand(int id, int code);
    // The identifier of the button with the focus; 0 when none has it.
    int FocusedButtonId() const;
    // Gives every button its plain push-button style back.
    void ReleaseDefaultButton();
    void SetCaption(design::ControlName name, std::u16string_view text);
    void Destroy();

    HINSTANCE instance_;
    HWND window_ = nullptr;
    std::array<HWND, design::kControls.size()> controls_{};
    HWND lastFocus_ = nullptr;
    // Set once the window starts going away: the focus changes that its
    // destruction causes are no events of the program.
    bool closing_ = false;
    FontSet fonts_;
    ToolTips toolTips_;
    CalculatorController controller_{*this};
    WindowEvents events_{controller_};
};

}  // namespace veltrop
