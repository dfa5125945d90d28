// What text the input box takes, and that the results always belong to the
// text it shows, whichever way that text came in.
#include <windows.h>

#include <cstring>
#include <string>

#include "calculator_window_fixture.h"

namespace veltrop::testing {
namespace {

void PutOnClipboard(HWND owner, const std::wstring& text) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

std::string Narrow(const std::wstring& text) {
    return {text.begin(), text.end()};
}

struct PasteRule {
    const char* name;
    const wchar_t* before;
    const wchar_t* pasted;
    WORD key;  // with the modifier below: Ctrl+V or Shift+Insert
    WORD modifier;
    const wchar_t* expected;
};

class PasteRuleTest : public CalculatorWindowTest,
                      public ::testing::WithParamInterface<PasteRule> {};

// A single-line box keeps the first line of pasted text, then its limit.
TEST_P(PasteRuleTest, KeepsTheFirstLineThenTheLimit) {
    const PasteRule& rule = GetParam();
    WindowDriver::Type(rule.before);
    ASSERT_TRUE(driver_.PumpUntil([&] { return TextOf("txtInput") == rule.before; }));
    PutOnClipboard(window_.Handle(), rule.pasted);
    WindowDriver::Press(rule.key, {rule.modifier});
    EXPECT_TRUE(driver_.PumpUntil([&] { return TextOf("txtInput") == rule.expected; }))
        << "input holds '" << Narrow(TextOf("txtInput")) << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Pastes, PasteRuleTest,
    ::testing::Values(PasteRule{"TwoLines", L"", L"12\n34", 'V', VK_CONTROL, L"12"},
                      PasteRule{"CrLf", L"", L"7\r\n8", VK_INSERT, VK_SHIFT, L"7"},
                      PasteRule{"FirstLineThenLimit", L"9", L"1234\n5", 'V', VK_CONTROL, L"9123"},
                      PasteRule{"EmptyFirstLine", L"5", L"\n12", 'V', VK_CONTROL, L"5"},
                      PasteRule{"WholeCharacters", L"123", L"\U0001F600", 'V', VK_CONTROL,
                                L"123"}),
    [](const ::testing::TestParamInfo<PasteRule>& param) { return param.param.name; });

TEST_F(CalculatorWindowTest, InputIsNoDropTarget) {
    const HWND input = Control("txtInput");
    EXPECT_EQ(GetPropW(input, L"OleDropTargetInterface"), nullptr);
    EXPECT_EQ(GetWindowLongW(input, GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);
}

struct OutsideChange {
    const char* name;
    UINT message;
    const wchar_t* text;  // the message's text, or what is on the clipboard
};

class OutsideChangeTest : public CalculatorWindowTest,
                          public ::testing::WithParamInterface<OutsideChange> {};

// A screen reader or another program can change the box's text while the
// focus is elsewhere; the next click on Enter computes from what it shows.
TEST_P(OutsideChangeTest, EnterComputesFromTheTextShown) {
    const OutsideChange& change = GetParam();
    WindowDriver::Type(L"10");
    ASSERT_TRUE(driver_.PumpUntil([this] { return TextOf("txtInput") == L"10"; }));
    WindowDriver::Click(Control("cmdEnter"));
    ASSERT_TRUE(driver_.PumpUntil([this] { return TextOf("lblCV18") == L" 10"; }));
    ASSERT_TRUE(Focused("cmdEnter"));

    const HWND input = Control("txtInput");
    if (change.message == WM_PASTE) {
        PutOnClipboard(window_.Handle(), change.text);
        SendMessageW(input, EM_SETSEL, 2, 2);
    }
    const bool paste = change.message == WM_PASTE;
    SendMessageW(input, change.message, change.message == EM_REPLACESEL ? TRUE : 0,
                 paste ? 0 : reinterpret_cast<LPARAM>(change.text));
    ASSERT_EQ(TextOf("txtInput"), L"105");
    ASSERT_TRUE(Focused("cmdEnter"));

    WindowDriver::Click(Control("cmdEnter"));
    EXPECT_TRUE(driver_.PumpUntil([this] { return TextOf("lblCV18") == L" 105"; }))
        << "results '" << Narrow(TextOf("lblCV17")) << "' '" << Narrow(TextOf("lblCV18")) << "'";
    EXPECT_EQ(window_.State().LocoNumber, 105);
}

INSTANTIATE_TEST_SUITE_P(Changes, OutsideChangeTest,
                         ::testing::Values(OutsideChange{"SetText", WM_SETTEXT, L"105"},
                                           OutsideChange{"ReplaceSelection", EM_REPLACESEL, L"5"},
                                           OutsideChange{"Paste", WM_PASTE, L"5"}),
                         [](const ::testing::TestParamInfo<OutsideChange>& param) {
                             return param.param.name;
                         });

struct ShownNumber {
    const char* name;
    const wchar_t* pasted;
    const wchar_t* cv18;
};

class ShownNumberTest : public CalculatorWindowTest,
                        public ::testing::WithParamInterface<ShownNumber> {};

// Invisible characters take no part in the number; ones drawn as a blank
// count as the blank they look like.
TEST_P(ShownNumberTest, EnterComputesFromTheNumberShown) {
    const ShownNumber& row = GetParam();
    PutOnClipboard(window_.Handle(), row.pasted);
    WindowDriver::Press('V', {VK_CONTROL});
    ASSERT_TRUE(driver_.PumpUntil([&] { return TextOf("txtInput") == row.pasted; }));
    WindowDriver::Click(Control("cmdEnter"));
    EXPECT_TRUE(driver_.PumpUntil([&] { return TextOf("lblCV18") == row.cv18; }))
        << "results '" << Narrow(TextOf("lblCV17")) << "' '" << Narrow(TextOf("lblCV18")) << "'";
    EXPECT_EQ(TextOf("lblCV17"), L" 192");
}

INSTANTIATE_TEST_SUITE_P(Characters, ShownNumberTest,
                         ::testing::Values(ShownNumber{"ZeroWidthSpace", L"1\u200B23", L" 123"},
                                           ShownNumber{"RightToLeftMark", L"\u200F123", L" 123"},
                                           ShownNumber{"NoBreakSpace", L"1\u00A02", L" 12"}),
                         [](const ::testing::TestParamInfo<ShownNumber>& param) {
                             return param.param.name;
                         });

}  // namespace
}  // namespace veltrop::testing
