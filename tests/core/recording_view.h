#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/calculator_view.h"

namespace veltrop::testing {

// A CalculatorView that keeps what a window would show and records every
// call, in order, as a readable line ("SetCV17Caption( 195)").
class RecordingView : public CalculatorView {
public:
    std::u16string input;
    std::u16string cv17Caption = u"000";
    std::u16string cv18Caption = u"000";
    std::u16string copyRightCaption = u"Version Info";
    std::u16string copyRightToolTip;
    bool inputFocused = false;
    int messageBoxes = 0;
    std::u16string lastMessageText;
    std::u16string lastMessageTitle;
    int lastMessageStyle = 0;
    bool windowClosed = false;
    bool programEnded = false;
    VersionNumbers version{1, 0, 1};
    std::vector<std::string> calls;

    std::u16string InputText() const override { return input; }
    void SetInputText(std::u16string_view text) override {
        Record("SetInputText", text);
        input = text;
    }
    void SetCV17Caption(std::u16string_view caption) override {
        Record("SetCV17Caption", caption);
        cv17Caption = caption;
    }
    void SetCV18Caption(std::u16string_view caption) override {
        Record("SetCV18Caption", caption);
        cv18Caption = caption;
    }
    void SetCopyRightCaption(std::u16string_view caption) override {
        Record("SetCopyRightCaption", caption);
        copyRightCaption = caption;
    }
    void SetCopyRightToolTip(std::u16string_view toolTip) override {
        Record("SetCopyRightToolTip", toolTip);
        copyRightToolTip = toolTip;
    }
    void FocusInput() override {
        Record("FocusInput", u"");
        inputFocused = true;
    }
    void ShowMessageBox(std::u16string_view text, std::u16string_view title, int style) override {
        Record("ShowMessageBox", title);
        ++messageBoxes;
        lastMessageText = text;
        lastMessageTitle = title;
        lastMessageStyle = style;
    }
    VersionNumbers ProgramVersion() const override { return version; }
    void CloseWindow() override {
        Record("CloseWindow", u"");
        windowClosed = true;
    }
    void EndProgram() override {
        Record("EndProgram", u"");
        programEnded = true;
    }

    // What the user does: type into the box, then move the focus away.
    void Type(std::u16string_view text) {
        input = text;
        inputFocused = true;
    }

private:
    void Record(const char* operation, std::u16string_view argument) {
        std::string line(operation);
        line += '(';
        for (char16_t c : argument) {
            line += c < 0x80 ? static_cast<char>(c) : '?';
        }
        line += ')';
        calls.push_back(std::move(line));
    }
};

}  // namespace veltrop::testing
