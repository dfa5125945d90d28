// Return and Escape with real key presses, and the default-button frame
// that follows the focus: Return clicks the focused button and nothing
// else; Escape clicks nothing.
#include <windows.h>

#include <array>
#include <cstddef>
#include <string>

#include "calc/calculator_controller.h"
#include "calculator_window_fixture.h"

namespace veltrop::testing {
namespace {

// The focus after so many Tab presses from the input.
constexpr std::array<const char*, 4> kTabStops{"txtInput", "cmdEnter", "cmdClear", "cmdExit"};

class ButtonKeyTestBase : public CalculatorWindowTest {
protected:
    // Types 1000 and tabs to a control; leaving the input reads the number.
    void TypeAndTabTo(std::size_t tabs) {
        WindowDriver::Type(L"1000");
        ASSERT_TRUE(driver_.PumpUntil([this] { return TextOf("txtInput") == L"1000"; }));
        for (std::size_t tab = 0; tab < tabs; ++tab) {
            WindowDriver::Press(VK_TAB);
        }
        ASSERT_TRUE(driver_.PumpUntil([&] { return Focused(kTabStops[tabs]); }));
    }

    bool IsDefaultButton(const char* name) const {
        return (GetWindowLongW(Control(name), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    }
};

enum class Effect { Nothing, Calculated, Cleared, Closed };

struct KeyCase {
    const char* name;
    std::size_t tabs;
    WORD key;
    Effect effect;
};

class KeyTest : public ButtonKeyTestBase, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(KeyTest, ClicksTheFocusedButtonOnly) {
    const KeyCase& key = GetParam();
    TypeAndTabTo(key.tabs);
    WindowDriver::Press(key.key);
    switch (key.effect) {
        case Effect::Calculated:
            EXPECT_TRUE(driver_.PumpUntil([this] { return TextOf("lblCV17") == L" 195"; }));
            break;
        case Effect::Cleared:
            EXPECT_TRUE(driver_.PumpUntil(
                [this] { return TextOf("txtInput").empty() && Focused("txtInput"); }));
            break;
        case Effect::Closed:
            EXPECT_TRUE(driver_.PumpUntil([this] { return window_.Handle() == nullptr; }));
            break;
        case Effect::Nothing: {
            driver_.PumpFor(400);
            const std::wstring errorTitle(kInputErrorTitle.begin(), kInputErrorTitle.end());
            EXPECT_EQ(FindWindowW(L"#32770", errorTitle.c_str()), nullptr);
            ASSERT_NE(window_.Handle(), nullptr);
            EXPECT_FALSE(driver_.QuitPosted());
            EXPECT_EQ(TextOf("txtInput"), L"1000");
            EXPECT_EQ(TextOf("lblCV17"), L"");
            EXPECT_TRUE(Focused(kTabStops[key.tabs]));
            break;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    ReturnAndEscape, KeyTest,
    ::testing::Values(KeyCase{"ReturnOnEnter", 1, VK_RETURN, Effect::Calculated},
                      KeyCase{"ReturnOnClear", 2, VK_RETURN, Effect::Cleared},
                      KeyCase{"ReturnOnExit", 3, VK_RETURN, Effect::Closed},
                      KeyCase{"ReturnInInput", 0, VK_RETURN, Effect::Nothing},
                      KeyCase{"EscapeInInput", 0, VK_ESCAPE, Effect::Nothing},
                      KeyCase{"EscapeOnEnter", 1, VK_ESCAPE, Effect::Nothing},
                      KeyCase{"EscapeOnClear", 2, VK_ESCAPE, Effect::Nothing},
                      KeyCase{"EscapeOnExit", 3, VK_ESCAPE, Effect::Nothing}),
    [](const ::testing::TestParamInfo<KeyCase>& param) { return std::string(param.param.name); });

// A button focused by a mouse click was never made the default one by the
// dialog manager's Tab handling; Return clicks it all the same.
TEST_F(ButtonKeyTestBase, ReturnClicksTheButtonFocusedByTheMouse) {
    TypeAndTabTo(0);
    WindowDriver::Click(Control("cmdEnter"));
    ASSERT_TRUE(driver_.PumpUntil([this] { return TextOf("lblCV17") == L" 195"; }));
    ASSERT_TRUE(Focused("cmdEnter"));
    SetWindowTextW(Control("lblCV17"), L"");
    WindowDriver::Press(VK_RETURN);
    EXPECT_TRUE(driver_.PumpUntil([this] { return TextOf("lblCV17") == L" 195"; }));
}

struct FocusReturn {
    const char* name;
    std::size_t tabs;  // to the button the focus leaves from
    WORD key;          // then pressed; 0: a click into the input instead
};

class DefaultFrameTest : public ButtonKeyTestBase,
                         public ::testing::WithParamInterface<FocusReturn> {};

// The frame of the default button shows which one Return clicks: none, once
// the focus is back in the input.
TEST_P(DefaultFrameTest, NoButtonKeepsItWhenTheFocusIsBackInTheInput) {
    const FocusReturn& path = GetParam();
    TypeAndTabTo(path.tabs);
    EXPECT_TRUE(IsDefaultButton(kTabStops[path.tabs])) << "the focused button is the default";
    if (path.key != 0) {
        WindowDriver::Press(path.key);
    } else {
        WindowDriver::Click(Control("txtInput"));
    }
    ASSERT_TRUE(driver_.PumpUntil([this] { return Focused("txtInput"); }));
    driver_.PumpFor(100);
    for (const char* button : {"cmdEnter", "cmdClear", "cmdExit"}) {
        EXPECT_FALSE(IsDefaultButton(button)) << button;
    }
}

INSTANTIATE_TEST_SUITE_P(FocusBack, DefaultFrameTest,
                         ::testing::Values(FocusReturn{"TabFromExit", 3, VK_TAB},
                                           FocusReturn{"SpaceOnClear", 2, VK_SPACE},
                                           FocusReturn{"ClickFromEnter", 1, 0}),
                         [](const ::testing::TestParamInfo<FocusReturn>& param) {
                             return std::string(param.param.name);
                         });

}  // namespace
}  // namespace veltrop::testing
