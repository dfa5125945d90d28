#include "calc/window_events.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "recording_view.h"

namespace veltrop {
namespace {

using Calls = std::vector<std::string>;

// A view that, like a real window, reports its own text changes, and lets a
// test deliver events while an operation is still running (as a modal box
// or a closing window does).
class EventfulView : public testing::RecordingView {
public:
    WindowEvents* events = nullptr;
    std::function<void()> duringMessageBox;
    std::function<void()> duringClose;

    void SetInputText(std::u16string_view text) override {
        RecordingView::SetInputText(text);
        events->InputTextChanged();
    }
    void ShowMessageBox(std::u16string_view text, std::u16string_view title, int style) override {
        RecordingView::ShowMessageBox(text, title, style);
        if (duringMessageBox) {
            duringMessageBox();
        }
    }
    void CloseWindow() override {
        RecordingView::CloseWindow();
        if (duringClose) {
            duringClose();
        }
    }
};

// Public: the cases below are lambdas that act on it.
class WindowEventsTest : public ::testing::Test {
public:
    void SetUp() override {
        view.events = &events;
        events.Loaded();
        view.calls.clear();
    }

    // Typing: the box's text changes, and the box reports it.
    void Type(std::u16string_view text) {
        view.input = text;
        events.InputTextChanged();
    }

    EventfulView view;
    CalculatorController controller{view};
    WindowEvents events{controller};
};

TEST_F(WindowEventsTest, ClickReadsTheBoxOnlyWhenItsTextChangedSinceTheLastRead) {
    struct Case {
        const char* what;
        std::function<void(WindowEventsTest&)> before;
        std::u16string_view cv17;
    };
    const Case cases[] = {
        {"typed, focus lost, then clicked",
         [](auto& t) {
             t.Type(u"1000");
             t.events.InputFocusLost(FocusMove::ToAnotherControl);
         },
         u" 195"},
        {"typed and clicked without a focus loss", [](auto& t) { t.Type(u"1000"); }, u" 195"},
        {"read, then the text replaced without a change report",
         [](auto& t) {
             t.Type(u"3");
             t.events.InputFocusLost(FocusMove::ToAnotherControl);
             t.view.input = u"1000";
         },
         u" 192"},
        {"typed, then the focus left with the window, then clicked",
         [](auto& t) {
             t.Type(u"1000");
             t.events.InputFocusLost(FocusMove::OutOfWindow);
         },
         u" 195"},
        {"a second focus loss of unchanged text",
         [](auto& t) {
             t.Type(u"1000");
             t.events.InputFocusLost(FocusMove::ToAnotherControl);
             t.events.InputFocusLost(FocusMove::ToAnotherControl);
         },
         u" 195"},
    };
    for (const Case& c : cases) {
        view.calls.clear();
        c.before(*this);
        events.EnterClicked();
        EXPECT_EQ(view.cv17Caption, c.cv17) << c.what;
        EXPECT_EQ(view.messageBoxes, 0) << c.what;
    }
}

TEST_F(WindowEventsTest, OnlyAMoveToAnotherControlReadsTheBox) {
    Type(u"1000");
    events.InputFocusLost(FocusMove::OutOfWindow);
    EXPECT_EQ(controller.State().LocoNumber, 0);
    events.InputFocusLost(FocusMove::ToAnotherControl);
    EXPECT_EQ(controller.State().LocoNumber, 1000);
}

TEST_F(WindowEventsTest, ClearReadsAChangedBoxFirstSoTheNextEnterSeesItsText) {
    Type(u"10");
    events.EnterClicked();
    events.ClearClicked();
    // Clear emptied the box, which reported the change: Enter reads it again.
    events.EnterClicked();
    EXPECT_EQ(view.messageBoxes, 1);
    EXPECT_EQ(controller.State().LocoNumber, 0);
    EXPECT_EQ(view.cv17Caption, u"");
}

TEST_F(WindowEventsTest, EventsDuringTheMessageBoxAreDroppedButTextChangesAreNoted) {
    view.duringMessageBox = [this] {
        events.EnterClicked();
        events.ClearClicked();
        events.InputFocusLost(FocusMove::ToAnotherControl);
        events.ExitClicked();
        Type(u"42");
    };
    events.EnterClicked();  // the empty box: the error
    EXPECT_EQ(view.calls, (Calls{"ShowMessageBox(Input Error)", "SetInputText()", "FocusInput()"}));
    EXPECT_FALSE(events.Ended());

    view.duringMessageBox = nullptr;
    Type(u"42");
    events.EnterClicked();
    EXPECT_EQ(view.messageBoxes, 1);
    EXPECT_EQ(view.cv18Caption, u" 42");
}

TEST_F(WindowEventsTest, NothingAnswersAfterExit) {
    Type(u"1000");
    view.duringClose = [this] { events.InputFocusLost(FocusMove::ToAnotherControl); };
    events.ExitClicked();
    EXPECT_TRUE(events.Ended());
    events.Loaded();
    events.EnterClicked();
    events.ClearClicked();
    events.InputFocusLost(FocusMove::ToAnotherControl);
    events.ExitClicked();
    EXPECT_EQ(view.calls, (Calls{"CloseWindow()", "EndProgram()"}));
    EXPECT_EQ(controller.State().LocoNumber, 0);
}

}  // namespace
}  // namespace veltrop
