#include "ui/web/web_window.h"

#include "res/version.h"
#include "runtime/text_as_seen.h"
#include "ui/design_record.h"
#include "ui/web/control_markup.h"
#include "ui/web/dom_bridge.h"
#include "ui/web/input_edit.h"

namespace veltrop::web {
namespace {

constexpr design::ControlName kInput = "txtInput";

std::string_view Id(design::ControlName name) {
    return name.Record().name;
}

}  // namespace

WebWindow::WebWindow() : controller_(*this), events_(controller_) {}

void WebWindow::Start() {
    dom::CreateWindow(design::kWindow.name, design::kWindow.caption, WindowStyle());
    for (const design::ControlName& name : design::kReadingOrder) {
        dom::CreateControl(name.Index(), MarkupFor(name));
    }
    events_.Loaded();
    // When the window is first shown, the focus is in the box.
    FocusInput();
    dom::Ready();
}

void WebWindow::InputEdited() {
    // The browser's own limit counts UTF-16 units too, and a composition
    // may leave half a character behind.
    const std::u16string text = dom::Value(Id(kInput));
    const EditedText whole = WholeCharacters(text, dom::Caret(Id(kInput)));
    if (whole.text != text) {
        dom::SetValue(Id(kInput), whole.text);
        dom::SetCaret(Id(kInput), whole.caret);
    }
    events_.InputTextChanged();
}

void WebWindow::InputPasted() {
    const std::u16string text = dom::Value(Id(kInput));
    const EditedText pasted =
        Paste(text, dom::SelectionStart(Id(kInput)), dom::SelectionEnd(Id(kInput)),
              dom::PendingPaste(), static_cast<std::size_t>(kInput.Record().maxLength));
    if (pasted.text != text) {
        dom::SetValue(Id(kInput), pasted.text);
        events_.InputTextChanged();
    }
    dom::SetCaret(Id(kInput), pasted.caret);
}

void WebWindow::InputFocusLost(bool toAnotherControl) {
    events_.InputFocusLost(toAnotherControl ? FocusMove::ToAnotherControl : FocusMove::OutOfWindow);
}

void WebWindow::Clicked(std::size_t designIndex) {
    if (designIndex == design::ControlName("cmdEnter").Index()) {
        events_.EnterClicked();
    } else if (designIndex == design::ControlName("cmdClear").Index()) {
        events_.ClearClicked();
    } else if (designIndex == design::ControlName("cmdExit").Index()) {
        events_.ExitClicked();
    }
}

std::u16string WebWindow::InputText() const {
    return runtime::TextAsSeen(dom::Value(Id(kInput)));
}

void WebWindow::SetInputText(std::u16string_view text) {
    dom::SetValue(Id(kInput), text);
    // As on the desktop, text set by the program is a change of the text.
    events_.InputTextChanged();
}

void WebWindow::SetCV17Caption(std::u16string_view caption) {
    dom::SetText(Id("lblCV17"), caption);
}

void WebWindow::SetCV18Caption(std::u16string_view caption) {
    dom::SetText(Id("lblCV18"), caption);
}

void WebWindow::SetCopyRightCaption(std::u16string_view caption) {
    dom::SetText(Id("lblCopyRight"), caption);
}

void WebWindow::SetCopyRightToolTip(std::u16string_view toolTip) {
    dom::SetToolTip(Id("lblCopyRight"), toolTip);
}

void WebWindow::FocusInput() {
    dom::Focus(Id(kInput));
}

void WebWindow::ShowMessageBox(std::u16string_view text, std::u16string_view title, int style) {
    dom::ShowMessageBox(text, title, MessageBoxIcon(style));
}

VersionNumbers WebWindow::ProgramVersion() const {
    return {static_cast<std::int16_t>(version::kMajor), static_cast<std::int16_t>(version::kMinor),
            static_cast<std::int16_t>(version::kRevision)};
}

void WebWindow::CloseWindow() {
    dom::CloseWindow();
}

void WebWindow::EndProgram() {
    dom::EndProgram();
}

}  // namespace veltrop::web
