#include "calc/calculator_controller.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recording_view.h"

namespace veltrop {
namespace {

using testing::RecordingView;
using Calls = std::vector<std::string>;

class ControllerTest : public ::testing::Test {
protected:
    void SetUp() override {
        controller.OnFormLoad();
        view.calls.clear();
        view.inputFocused = true;  // the window opens with the focus in the input
    }

    // The user types into the box and clicks Enter: the click first takes
    // the focus from the box, which reads the text.
    void TypeAndEnter(std::u16string_view text) {
        view.Type(text);
        controller.OnInputLostFocus();
        view.inputFocused = false;
        controller.OnEnterClicked();
    }

    void ClickClear() {
        if (view.inputFocused) {
            controller.OnInputLostFocus();
        }
        view.inputFocused = false;
        controller.OnClearClicked();
    }

    RecordingView view;
    CalculatorController controller{view};
};

TEST(ControllerLoad, FillsTheTooltipThenEmptiesEveryDesignCaption) {
    RecordingView view;
    CalculatorController controller(view);
    controller.OnFormLoad();
    const Calls expected = {
        "SetCopyRightToolTip( Veltrop v1.0.1   ? 2026 The Veltrop authors)",
        "SetCopyRightCaption()",
        "SetInputText()",
        "SetCV17Caption()",
        "SetCV18Caption()",
    };
    EXPECT_EQ(view.calls, expected);
    EXPECT_EQ(view.copyRightToolTip, u" Veltrop v1.0.1   \u00A9 2026 The Veltrop authors");
    EXPECT_EQ(controller.State().LocoNumber, 0);
    EXPECT_EQ(controller.State().AddressQuotient, 0.0F);
    EXPECT_TRUE(controller.State().MessageText.empty());
}

TEST(ControllerLoad, VersionNumbersAreWrittenPlain) {
    RecordingView view;
    view.version = {12, 3, 456};
    CalculatorController controller(view);
    controller.OnFormLoad();
    EXPECT_EQ(view.copyRightToolTip.substr(0, 20), u" Veltrop v12.3.456  ");
}

TEST_F(ControllerTest, ShowsTheValuesForAnAcceptedNumber) {
    const std::tuple<std::u16string_view, std::u16string_view, std::u16string_view> cases[] = {
        {u"3", u" 192", u" 3"},     {u"1000", u" 195", u" 232"}, {u"1", u" 192", u" 1"},
        {u"9999", u" 231", u" 15"}, {u"256", u" 193", u" 0"},    {u"&HFF", u" 192", u" 255"},
        {u"2.5", u" 192", u" 2"},
    };
    for (const auto& [text, cv17, cv18] : cases) {
        view.calls.clear();
        TypeAndEnter(text);
        EXPECT_EQ(view.calls,
                  (Calls{"SetCV17Caption" + std::string("(") +
                             std::string(cv17.begin(), cv17.end()) + ")",
                         "SetCV18Caption(" + std::string(cv18.begin(), cv18.end()) + ")"}));
        EXPECT_EQ(view.cv17Caption, cv17);
        EXPECT_EQ(view.cv18Caption, cv18);
        EXPECT_EQ(view.input, text);  // the input keeps its text
        EXPECT_EQ(view.messageBoxes, 0);
    }
    EXPECT_EQ(controller.State().CV17Value, 192);
    EXPECT_EQ(controller.State().CV18Value, 2);
    EXPECT_EQ(controller.State().AddressQuotient, 49154.0F / 256.0F);
}

TEST_F(ControllerTest, RefusesNumbersOutsideTheRangeAndKeepsTheLastResults) {
    TypeAndEnter(u"1000");
    for (std::u16string_view text :
         {u"", u"0", u"-5", u"1e4", u"1e5", u"9e9", u"-9e9", u"abc", u"0.4", u"32767.5"}) {
        view.calls.clear();
        TypeAndEnter(text);
        const Calls expected = {"ShowMessageBox(Input Error)", "SetInputText()", "FocusInput()"};
        EXPECT_EQ(view.calls, expected);
        EXPECT_EQ(view.lastMessageText, u"Enter a number between 1 and 9999.");
        EXPECT_EQ(view.lastMessageStyle, 48);
        EXPECT_EQ(view.input, u"");
        EXPECT_EQ(view.cv17Caption, u" 195");
        EXPECT_EQ(view.cv18Caption, u" 232");
        EXPECT_EQ(controller.State().CV17Value, 195);
        EXPECT_EQ(controller.State().MessageText, u"Enter a number between 1 and 9999.");
    }
}

TEST_F(ControllerTest, EnterRightAfterStartReportsTheEmptyInput) {
    controller.OnInputLostFocus();  // the click takes the focus from the empty box
    controller.OnEnterClicked();
    EXPECT_EQ(view.messageBoxes, 1);
    EXPECT_EQ(view.input, u"");
    EXPECT_TRUE(view.inputFocused);
    EXPECT_EQ(view.cv17Caption, u"");
    EXPECT_EQ(view.cv18Caption, u"");
}

TEST_F(ControllerTest, EnterUsesTheNumberReadAtFocusLossNotTheLiveText) {
    TypeAndEnter(u"3");
    view.input = u"1000";  // changed without the box losing the focus
    controller.OnEnterClicked();
    EXPECT_EQ(view.cv17Caption, u" 192");
    EXPECT_EQ(view.cv18Caption, u" 3");
    EXPECT_EQ(controller.State().LocoNumber, 3);
}

TEST_F(ControllerTest, ClearEmptiesTheWindowButKeepsTheState) {
    TypeAndEnter(u"10");
    view.calls.clear();
    controller.OnClearClicked();
    const Calls expected = {"SetInputText()", "SetCV17Caption()", "SetCV18Caption()",
                            "FocusInput()"};
    EXPECT_EQ(view.calls, expected);
    EXPECT_EQ(controller.State().LocoNumber, 10);
    EXPECT_EQ(controller.State().CV18Value, 10);
}

TEST_F(ControllerTest, EnterAfterClearReadsTheEmptiedInput) {
    TypeAndEnter(u"10");
    ClickClear();
    // Clear left the focus in the box, so the next click reads it again.
    TypeAndEnter(u"");
    EXPECT_EQ(view.messageBoxes, 1);
    EXPECT_EQ(view.cv17Caption, u"");
    EXPECT_EQ(view.cv18Caption, u"");
}

TEST_F(ControllerTest, ErrorAfterClearLeavesTheResultsEmpty) {
    TypeAndEnter(u"42");
    ClickClear();
    TypeAndEnter(u"-5");
    EXPECT_EQ(view.cv17Caption, u"");
    EXPECT_EQ(view.cv18Caption, u"");
    EXPECT_EQ(controller.State().LocoNumber, -5);
}

TEST_F(ControllerTest, SecondEnterComputesAgainFromTheSameNumber) {
    TypeAndEnter(u"255");
    view.calls.clear();
    controller.OnEnterClicked();
    EXPECT_EQ(view.calls, (Calls{"SetCV17Caption( 192)", "SetCV18Caption( 255)"}));
}

TEST_F(ControllerTest, ExitClosesTheWindowThenEndsTheProgram) {
    controller.OnExitClicked();
    EXPECT_EQ(view.calls, (Calls{"CloseWindow()", "EndProgram()"}));
}

}  // namespace
}  // namespace veltrop
