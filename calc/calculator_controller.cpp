#include "calc/calculator_controller.h"

#include "calc/extended_address.h"
#include "runtime/text_conversion.h"

namespace veltrop {
namespace {

constexpr std::uint8_t kAnsiCopyrightSign = 169;

}  // namespace

void CalculatorController::OnFormLoad() {
    const VersionNumbers version = view_.ProgramVersion();
    const std::u16string versionText = runtime::FormatInteger(version.Major) + u'.' +
                                       runtime::FormatInteger(version.Minor) + u'.' +
                                       runtime::FormatInteger(version.Revision);
    view_.SetCopyRightToolTip(u" Veltrop v" + versionText + u"   " +
                              runtime::AnsiCharacter(kAnsiCopyrightSign) + u' ' +
                              std::u16string(kCopyrightNotice));
    // The design captions are placeholders the user never sees.
    view_.SetCopyRightCaption(u"");
    view_.SetInputText(u"");
    view_.SetCV17Caption(u"");
    view_.SetCV18Caption(u"");
}

void CalculatorController::OnInputLostFocus() {
    state_.LocoNumber = ParseLocoNumber(view_.InputText());
}

void CalculatorController::OnEnterClicked() {
    // Works on the number read when the input last lost the focus, never on
    // the live text.
    if (!IsValidLocoNumber(state_.LocoNumber)) {
        state_.MessageText = std::u16string(kInputErrorText);
        view_.ShowMessageBox(state_.MessageText, kInputErrorTitle, kMessageBoxExclamationOk);
        view_.SetInputText(u"");
        view_.FocusInput();
        return;
    }
    const AddressComputation result = ComputeExtendedAddress(state_.LocoNumber);
    state_.AddressQuotient = result.quotient;
    state_.CV17Value = result.address.cv17;
    state_.CV18Value = result.address.cv18;
    view_.SetCV17Caption(FormatCvValue(state_.CV17Value));
    view_.SetCV18Caption(FormatCvValue(state_.CV18Value));
}

void CalculatorController::OnClearClicked() {
    view_.SetInputText(u"");
    view_.SetCV17Caption(u"");
    view_.SetCV18Caption(u"");
    view_.FocusInput();
}

void CalculatorController::OnExitClicked() {
    view_.CloseWindow();
    view_.EndProgram();
}

}  // namespace veltrop
