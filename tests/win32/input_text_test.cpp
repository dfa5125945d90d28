// What text the input box takes, and that the results always belong to the
// text it shows, whichever way that text came in.
#include <windows.h>

#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "calculator_window_fixture.h"
#include "input_text_cases.h"

namespace veltrop::testing {

// Test names carry the row's name rather than its bytes.
void PrintTo(const ShownNumberCase& entry, std::ostream* out) {
    *out << entry.name;
}

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

std::wstring Wide(std::u16string_view text) {
    return {text.begin(), text.end()};
}

// The keys that paste, each with its modifier held.
struct PasteKeys {
    const char* name;
    WORD key;
    WORD modifier;
};
constexpr PasteKeys kPasteKeys[] = {{"CtrlV", 'V', VK_CONTROL},
                                    {"ShiftInsert", VK_INSERT, VK_SHIFT}};

struct KeptTextRun {
    const KeptTextCase* rule;
    const PasteKeys* keys;  // null for a row that only types
};

// Every row, a pasting one once with each of the keys that paste.
std::vector<KeptTextRun> KeptTextRuns() {
    std::vector<KeptTextRun> runs;
    for (const KeptTextCase& rule : kKeptTextCases) {
        if (rule.pasted.empty()) {
            runs.push_back({&rule, nullptr});
            continue;
        }
        for (const PasteKeys& keys : kPasteKeys) {
            runs.push_back({&rule, &keys});
        }
    }
    return runs;
}

void PrintTo(const KeptTextRun& run, std::ostream* out) {
    *out << run.rule->name;
    if (run.keys != nullptr) {
        *out << " by " << run.keys->name;
    }
}

class KeptTextTest : public CalculatorWindowTest,
                     public ::testing::WithParamInterface<KeptTextRun> {};

TEST_P(KeptTextTest, BoxKeepsItsText) {
    const auto [rule, keys] = GetParam();
    WindowDriver::Type(Wide(rule->typed));
    if (keys != nullptr) {
        ASSERT_TRUE(driver_.PumpUntil([&] { return TextOf("txtInput") == Wide(rule->typed); }));
        PutOnClipboard(window_.Handle(), Wide(rule->pasted));
        WindowDriver::Press(keys->key, {keys->modifier});
    }
    const std::wstring kept = Wide(rule->kept);
    EXPECT_TRUE(driver_.PumpUntil([&] { return TextOf("txtInput") == kept; }))
        << "input holds '" << Narrow(TextOf("txtInput")) << "'";
    // No key still on its way adds to it.
    driver_.PumpFor(300);
    EXPECT_EQ(TextOf("txtInput"), kept);
}

INSTANTIATE_TEST_SUITE_P(Rows, KeptTextTest, ::testing::ValuesIn(KeptTextRuns()),
                         [](const ::testing::TestParamInfo<KeptTextRun>& param) {
                             std::string name(param.param.rule->name);
                             if (param.param.keys != nullptr) {
                                 name += std::string("_") + param.param.keys->name;
                             }
                             return name;
                         });

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

class ShownNumberTest : public CalculatorWindowTest,
                        public ::testing::WithParamInterface<ShownNumberCase> {};

TEST_P(ShownNumberTest, EnterComputesFromTheTextShown) {
    const ShownNumberCase& entry = GetParam();
    if (!entry.earlier.empty()) {
        WindowDriver::Type(Wide(entry.earlier));
        ASSERT_TRUE(driver_.PumpUntil([&] { return TextOf("txtInput") == Wide(entry.earlier); }));
        WindowDriver::Click(Control("cmdEnter"));
        ASSERT_TRUE(driver_.PumpUntil([this] { return !TextOf("lblCV17").empty(); }));
        // Back into the box, which selects its text, to type over it.
        WindowDriver::Press(VK_TAB, {VK_SHIFT});
        ASSERT_TRUE(driver_.PumpUntil([this] { return Focused("txtInput"); }));
    }
    WindowDriver::Type(Wide(entry.typed));
    if (!entry.pasted.empty()) {
        PutOnClipboard(window_.Handle(), Wide(entry.pasted));
        WindowDriver::Press('V', {VK_CONTROL});
    }
    const std::wstring shown = Wide(entry.typed) + Wide(entry.pasted);
    ASSERT_TRUE(driver_.PumpUntil([&] { return TextOf("txtInput") == shown; }));
    WindowDriver::Click(Control("cmdEnter"));
    const auto resultsShown = [&] {
        return TextOf("lblCV17") == Wide(entry.cv17) && TextOf("lblCV18") == Wide(entry.cv18);
    };
    EXPECT_TRUE(driver_.PumpUntil(resultsShown))
        << "results '" << Narrow(TextOf("lblCV17")) << "' '" << Narrow(TextOf("lblCV18")) << "'";
    // The input keeps its text and the focus stays on the button.
    EXPECT_EQ(TextOf("txtInput"), shown);
    EXPECT_TRUE(Focused("cmdEnter"));
}

INSTANTIATE_TEST_SUITE_P(Rows, ShownNumberTest, ::testing::ValuesIn(kShownNumberCases),
                         [](const ::testing::TestParamInfo<ShownNumberCase>& param) {
                             return std::string(param.param.name);
                         });

}  // namespace
}  // namespace veltrop::testing
