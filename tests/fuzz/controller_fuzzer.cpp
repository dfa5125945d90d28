// Random sequences of the window's events with random texts against a
// recording view; after every step the window must be in a state the user
// can trust.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "calc/calculator_controller.h"
#include "calc/extended_address.h"
#include "recording_view.h"
#include "ui/design_record.h"
#include "window_invariants.h"

namespace {

using veltrop::CalculatorController;
using veltrop::testing::RecordingView;
using Calls = std::vector<std::string>;

constexpr std::size_t kInputCapacity =
    static_cast<std::size_t>(veltrop::design::Control("txtInput").maxLength);

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

std::u16string RandomText(FuzzedDataProvider& provider) {
    const std::size_t length = provider.ConsumeIntegralInRange<std::size_t>(0, 8);
    std::u16string text;
    for (std::size_t i = 0; i < length; ++i) {
        // Mostly characters that can form a number, sometimes any code unit.
        static constexpr char16_t kNumberish[] = u"0123456789+-.eE&hHoO \t\nx";
        const std::size_t pick = provider.ConsumeIntegralInRange<std::size_t>(0, 25);
        text += pick < 25 ? kNumberish[pick] : provider.ConsumeIntegral<char16_t>();
    }
    return text;
}

class Session {
public:
    explicit Session(FuzzedDataProvider& provider) : provider_(provider) {
        controller_.OnFormLoad();
        toolTip_ = view_.copyRightToolTip;
        Require(!toolTip_.empty(), "the load leaves no tooltip");
        view_.inputFocused = true;  // the window opens with the focus in the box
        Check({"SetCopyRightToolTip", "SetCopyRightCaption()", "SetInputText()", "SetCV17Caption()",
               "SetCV18Caption()"});
    }

    // Returns false once the program has ended.
    bool Step() {
        view_.calls.clear();
        switch (provider_.ConsumeIntegralInRange(0, 7)) {
            case 0:  // click into the box and type (or paste) over its text
                view_.input = RandomText(provider_).substr(0, kInputCapacity);
                view_.inputFocused = true;
                Check({});
                break;
            case 1:  // Tab away from the box
                LeaveInput();
                Check({});
                break;
            case 2:  // a click on Enter
                LeaveInput();
                Enter();
                break;
            case 3:  // Space on Enter while it already has the focus
                if (!view_.inputFocused) {
                    Enter();
                }
                break;
            case 4:  // a click on Clear
                LeaveInput();
                controller_.OnClearClicked();
                shown_.reset();
                Check({"SetInputText()", "SetCV17Caption()", "SetCV18Caption()", "FocusInput()"});
                Require(view_.input.empty() && view_.inputFocused, "Clear leaves input behind");
                break;
            case 5:  // the box loses the focus without the harness noticing first
                lastRead_ = view_.input;
                controller_.OnInputLostFocus();
                Check({});
                break;
            case 6:  // a screen reader sets the text; read at once if the box lacks the focus
                view_.input = RandomText(provider_).substr(0, kInputCapacity);
                if (!view_.inputFocused) {
                    lastRead_ = view_.input;
                    controller_.OnInputLostFocus();
                }
                Check({});
                break;
            default:  // a click on Exit
                LeaveInput();
                controller_.OnExitClicked();
                exited_ = true;
                Check({"CloseWindow()", "EndProgram()"});
                return false;
        }
        return true;
    }

private:
    void LeaveInput() {
        if (view_.inputFocused) {
            lastRead_ = view_.input;
            controller_.OnInputLostFocus();
            view_.inputFocused = false;
        }
    }

    void Enter() {
        Require(controller_.State().LocoNumber == veltrop::ParseLocoNumber(view_.input),
                "Enter clicked with a number other than the one the box shows");
        const int boxesBefore = view_.messageBoxes;
        controller_.OnEnterClicked();
        const std::int16_t number = veltrop::ParseLocoNumber(lastRead_);
        if (number >= 1 && number <= 9999) {
            shown_ = number;
            Check({"SetCV17Caption", "SetCV18Caption"});
            Require(view_.messageBoxes == boxesBefore, "a message box for an accepted number");
        } else {
            Check({"ShowMessageBox(Input Error)", "SetInputText()", "FocusInput()"});
            Require(view_.messageBoxes == boxesBefore + 1, "not exactly one message box");
            Require(view_.lastMessageTitle == veltrop::kInputErrorTitle &&
                        view_.lastMessageText == veltrop::kInputErrorText &&
                        view_.lastMessageStyle == 48,
                    "the wrong message box");
            Require(view_.input.empty() && view_.inputFocused,
                    "after an error the input is not empty and focused");
        }
    }

    // The calls made (compared up to the length of each expected prefix),
    // and the window's invariants.
    void Check(const Calls& expected) {
        Require(view_.calls.size() == expected.size(), "an unexpected number of view calls");
        for (std::size_t i = 0; i < expected.size(); ++i) {
            Require(view_.calls[i].compare(0, expected[i].size(), expected[i]) == 0,
                    "an unexpected view call");
        }
        Require(view_.input.size() <= kInputCapacity, "more input than the box holds");
        Require(veltrop::testing::CaptionsConsistent(view_.cv17Caption, view_.cv18Caption),
                "result captions that belong to no accepted number");
        const std::optional<int> showing =
            veltrop::testing::NumberShownBy(view_.cv17Caption, view_.cv18Caption);
        Require(showing == shown_, "the captions show another number than the last accepted");
        Require(controller_.State().LocoNumber == veltrop::ParseLocoNumber(lastRead_),
                "the number is not the one read when the box lost the focus");
        Require(view_.copyRightToolTip == toolTip_ && view_.copyRightCaption.empty(),
                "the version label changed");
        Require(view_.windowClosed == exited_ && view_.programEnded == exited_,
                "the window closed other than by Exit");
    }

    FuzzedDataProvider& provider_;
    RecordingView view_;
    CalculatorController controller_{view_};
    std::u16string toolTip_;
    std::u16string lastRead_;
    std::optional<int> shown_;
    bool exited_ = false;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    Session session(provider);
    while (provider.remaining_bytes() > 0 && session.Step()) {
    }
    return 0;
}
