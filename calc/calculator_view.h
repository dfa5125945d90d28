#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace veltrop {

struct VersionNumbers {
    std::int16_t Major;
    std::int16_t Minor;
    std::int16_t Revision;
};

// Message box style: an exclamation icon and a single OK button.
inline constexpr int kMessageBoxExclamationOk = 48;

// What the controller needs of the calculator window; each front end
// implements it on its real controls, tests on a recording fake.
class CalculatorView {
public:
    virtual ~CalculatorView() = default;

    virtual std::u16string InputText() const = 0;
    virtual void SetInputText(std::u16string_view text) = 0;
    virtual void SetCV17Caption(std::u16string_view caption) = 0;
    virtual void SetCV18Caption(std::u16string_view caption) = 0;
    virtual void SetCopyRightCaption(std::u16string_view caption) = 0;
    virtual void SetCopyRightToolTip(std::u16string_view toolTip) = 0;
    virtual void FocusInput() = 0;
    // Modal; returns once the user has closed the box.
    virtual void ShowMessageBox(std::u16string_view text, std::u16string_view title, int style) = 0;
    virtual VersionNumbers ProgramVersion() const = 0;
    // Must leave the view and its controller alive until the operation that
    // called it returns; destruction may follow once control is back in the
    // event loop.
    virtual void CloseWindow() = 0;
    virtual void EndProgram() = 0;

protected:
    CalculatorView() = default;
    CalculatorView(const CalculatorView&) = default;
    CalculatorView& operator=(const CalculatorView&) = default;
};

}  // namespace veltrop
