// The window driven with real mouse and keyboard input.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "calc/calculator_controller.h"
#include "calculator_window_fixture.h"
#include "message_box_watcher.h"
#include "res/version.h"
#include "ui/design_record.h"

namespace veltrop::testing {
namespace {

const std::wstring kErrorTitle(kInputErrorTitle.begin(), kInputErrorTitle.end());
const std::wstring kErrorText(kInputErrorText.begin(), kInputErrorText.end());

class InputTest : public CalculatorWindowTest {
protected:
    void ClickEnterAndWaitForResults() {
        WindowDriver::Click(Control("cmdEnter"));
        ASSERT_TRUE(driver_.PumpUntil([this] { return !TextOf("lblCV17").empty(); }));
    }

    // Clicks Enter expecting the "Input Error" box, which the watcher
    // inspects and closes with its OK button.
    MessageBoxSighting ClickEnterExpectingError() {
        MessageBoxWatcher watcher(kErrorTitle);
        WindowDriver::Click(Control("cmdEnter"));
        driver_.PumpUntil([&watcher] { return watcher.Finished(); }, 8000);
        driver_.PumpFor(100);
        return watcher.Sighting();
    }

    void ExpectErrorBox(const MessageBoxSighting& box) {
        ASSERT_TRUE(box.seen);
        EXPECT_EQ(box.owner, window_.Handle());
        EXPECT_FALSE(box.ownerEnabled) << "the box is not modal";
        EXPECT_EQ(box.icon, LoadIconW(nullptr, IDI_EXCLAMATION));
        EXPECT_EQ(box.buttons, 1);
        EXPECT_EQ(box.okButtons, 1);
        EXPECT_EQ(box.text, kErrorText);
        EXPECT_TRUE(IsWindowEnabled(window_.Handle()));
        EXPECT_EQ(TextOf("txtInput"), L"");
        EXPECT_TRUE(Focused("txtInput"));
    }
};

TEST_F(InputTest, SpaceClicksTheButtonTabbedTo) {
    WindowDriver::Type(L"1000");
    WindowDriver::Press(VK_TAB);
    ASSERT_TRUE(driver_.PumpUntil([this] { return Focused("cmdEnter"); }));
    WindowDriver::Press(VK_SPACE);
    ASSERT_TRUE(driver_.PumpUntil([this] { return !TextOf("lblCV17").empty(); }));
    EXPECT_EQ(TextOf("lblCV17"), L" 195");
    EXPECT_EQ(TextOf("lblCV18"), L" 232");
}

TEST_F(InputTest, TabCyclesThroughInputAndButtonsOnly) {
    const char* const forward[] = {"cmdEnter", "cmdClear", "cmdExit", "txtInput"};
    for (const char* name : forward) {
        WindowDriver::Press(VK_TAB);
        EXPECT_TRUE(driver_.PumpUntil([&] { return Focused(name); })) << "Tab to " << name;
    }
    const char* const backward[] = {"cmdExit", "cmdClear", "cmdEnter", "txtInput"};
    for (const char* name : backward) {
        WindowDriver::Press(VK_TAB, {VK_SHIFT});
        EXPECT_TRUE(driver_.PumpUntil([&] { return Focused(name); })) << "Shift+Tab to " << name;
    }
}

class NoButtonKeyTest : public InputTest, public ::testing::WithParamInterface<WORD> {};

// No default and no cancel button: with a number typed, Enter would show
// the error box (the number is read only on focus loss), Clear would empty
// the input, Exit would close the window.
TEST_P(NoButtonKeyTest, ClicksNothingFromTheInput) {
    WindowDriver::Type(L"5");
    ASSERT_TRUE(driver_.PumpUntil([this] { return TextOf("txtInput") == L"5"; }));
    WindowDriver::Press(GetParam());
    driver_.PumpFor(400);
    EXPECT_EQ(FindWindowW(L"#32770", kErrorTitle.c_str()), nullptr);
    ASSERT_NE(window_.Handle(), nullptr);
    EXPECT_EQ(TextOf("txtInput"), L"5");
    EXPECT_EQ(TextOf("lblCV17"), L"");
    EXPECT_TRUE(Focused("txtInput"));
    EXPECT_FALSE(driver_.QuitPosted());
}

INSTANTIATE_TEST_SUITE_P(ReturnAndEscape, NoButtonKeyTest,
                         ::testing::Values(WORD{VK_RETURN}, WORD{VK_ESCAPE}),
                         [](const ::testing::TestParamInfo<WORD>& param) {
                             return param.param == VK_RETURN ? "Return" : "Escape";
                         });

TEST_F(InputTest, FocusReturnsToItsControlWhenTheWindowIsActivatedAgain) {
    WindowDriver::Press(VK_TAB);
    ASSERT_TRUE(driver_.PumpUntil([this] { return Focused("cmdEnter"); }));
    const HWND other = CreateWindowExW(0, L"STATIC", L"Other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                       nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(other, nullptr);
    SetForegroundWindow(other);
    ASSERT_TRUE(driver_.PumpUntil([other] { return GetForegroundWindow() == other; }));
    SetForegroundWindow(window_.Handle());
    EXPECT_TRUE(driver_.PumpUntil([this] { return Focused("cmdEnter"); }));
    DestroyWindow(other);
}

// Labels report clicks (STN_CLICKED, the code of BN_CLICKED) so that their
// tooltips work; a click on one must not count as a button's.
TEST_F(InputTest, ClickingLabelsClicksNothing) {
    WindowDriver::Type(L"5");
    ASSERT_TRUE(driver_.PumpUntil([this] { return TextOf("txtInput") == L"5"; }));
    for (const design::ControlRecord& record : design::kControls) {
        if (record.kind == design::ControlKind::Label) {
            WindowDriver::Click(Control(record.name));
            driver_.PumpFor(100);
        }
    }
    driver_.PumpFor(300);
    EXPECT_EQ(FindWindowW(L"#32770", kErrorTitle.c_str()), nullptr);
    ASSERT_NE(window_.Handle(), nullptr);
    EXPECT_EQ(TextOf("txtInput"), L"5");
    EXPECT_EQ(TextOf("lblCV17"), L"");
    EXPECT_TRUE(Focused("txtInput"));
    EXPECT_EQ(window_.State().LocoNumber, 0);
}

TEST_F(InputTest, EnterRightAfterStartReportsTheError) {
    ExpectErrorBox(ClickEnterExpectingError());
    EXPECT_EQ(TextOf("lblCV17"), L"");
    EXPECT_EQ(TextOf("lblCV18"), L"");
}

TEST_F(InputTest, ErrorKeepsThePreviousResults) {
    WindowDriver::Type(L"1000");
    ClickEnterAndWaitForResults();
    // Back into the input, which selects its text, and replace it.
    WindowDriver::Press(VK_TAB, {VK_SHIFT});
    ASSERT_TRUE(driver_.PumpUntil([this] { return Focused("txtInput"); }));
    WindowDriver::Type(L"-5");
    ASSERT_TRUE(driver_.PumpUntil([this] { return TextOf("txtInput") == L"-5"; }));
    ExpectErrorBox(ClickEnterExpectingError());
    EXPECT_EQ(TextOf("lblCV17"), L" 195");
    EXPECT_EQ(TextOf("lblCV18"), L" 232");
    EXPECT_EQ(window_.State().LocoNumber, -5);
}

TEST_F(InputTest, EnterAfterClearFindsTheEmptiedInput) {
    WindowDriver::Type(L"10");
    ClickEnterAndWaitForResults();
    WindowDriver::Click(Control("cmdClear"));
    ASSERT_TRUE(driver_.PumpUntil([this] { return TextOf("lblCV17").empty(); }));
    EXPECT_EQ(TextOf("txtInput"), L"");
    EXPECT_EQ(TextOf("lblCV18"), L"");
    EXPECT_TRUE(Focused("txtInput"));
    ExpectErrorBox(ClickEnterExpectingError());
}

// Resting anywhere on the blank label shows the version tooltip, not only
// where a caption would be.
TEST_F(InputTest, VersionToolTipOverTheWholeBlankLabel) {
    const HWND tip = window_.ToolTipHandle();
    const HWND label = Control("lblCopyRight");
    ASSERT_NE(tip, nullptr);
    RECT rect{};
    GetWindowRect(label, &rect);
    const std::u16string notice(kCopyrightNotice);
    const std::wstring expected = L" Veltrop v" + std::to_wstring(version::kMajor) + L"." +
                                  std::to_wstring(version::kMinor) + L"." +
                                  std::to_wstring(version::kRevision) + L"   \u00A9 " +
                                  std::wstring(notice.begin(), notice.end());
    RECT windowRect{};
    GetWindowRect(window_.Handle(), &windowRect);
    const POINT away{windowRect.left - 40, windowRect.top - 40};
    const POINT spots[] = {{rect.left + 2, rect.bottom - 2},
                           {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2},
                           {rect.right - 2, rect.top + 3}};
    for (const POINT spot : spots) {
        SCOPED_TRACE("at " + std::to_string(spot.x - rect.left) + "," +
                     std::to_string(spot.y - rect.top));
        WindowDriver::MoveTo(away);
        ASSERT_TRUE(driver_.PumpUntil([tip] { return !IsWindowVisible(tip); }));
        WindowDriver::MoveTo(spot);
        ASSERT_TRUE(driver_.PumpUntil([tip] { return IsWindowVisible(tip) != FALSE; }, 4000));
        TTTOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        ASSERT_TRUE(SendMessageW(tip, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&tool)));
        EXPECT_EQ(tool.uId, reinterpret_cast<UINT_PTR>(label));
        wchar_t text[128]{};
        tool.lpszText = text;
        SendMessageW(tip, TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&tool));
        EXPECT_EQ(std::wstring(text), expected);
    }
}

TEST_F(InputTest, ExitDestroysTheWindowAndEndsTheLoop) {
    WindowDriver::Click(Control("cmdExit"));
    EXPECT_TRUE(driver_.PumpUntil([this] { return window_.Handle() == nullptr; }));
    driver_.PumpFor(50);
    EXPECT_TRUE(driver_.QuitPosted());
}

// The frame's close (here Alt+F4) ends the program without an operation of
// the controller: not even the input's focus loss is delivered.
TEST_F(InputTest, CloseFromTheFrameEndsWithoutAControllerOperation) {
    WindowDriver::Type(L"77");
    ASSERT_TRUE(driver_.PumpUntil([this] { return TextOf("txtInput") == L"77"; }));
    WindowDriver::Press(VK_F4, {VK_MENU});
    EXPECT_TRUE(driver_.PumpUntil([this] { return window_.Handle() == nullptr; }));
    driver_.PumpFor(50);
    EXPECT_TRUE(driver_.QuitPosted());
    EXPECT_EQ(window_.State().LocoNumber, 0);
}

}  // namespace
}  // namespace veltrop::testing
