// Every text of up to four characters over the characters that can change
// a number, typed into the window's input and entered: the window must end
// with the right captions for an accepted number or with the error message.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <string_view>

#include "calc/calculator_controller.h"
#include "recording_view.h"
#include "reference_reader.h"
#include "window_invariants.h"

namespace veltrop {
namespace {

using testing::RecordingView;
using testing::ReferenceReader;

// Digits, signs, point, exponent and radix letters, the blanks, and 'd':
// a hexadecimal digit after "&H" but no exponent letter in a decimal number.
constexpr std::u16string_view kAlphabet = u"0123456789+-.eE&hHoO \td";
constexpr std::size_t kLongest = 4;

std::string Printable(std::u16string_view text) {
    std::string out = "\"";
    for (char16_t c : text) {
        out += c == u'\t' ? std::string("\\t") : std::string(1, static_cast<char>(c));
    }
    return out + "\"";
}

TEST(ReferenceReader, AgreesWithTheDocumentedReadings) {
    const std::pair<std::u16string_view, int> cases[] = {
        {u"", 0},      {u"12ab", 12},      {u" 4 2", 42},  {u"&HFF", 255},  {u"1.5", 2},
        {u"2.5", 2},   {u"0.5", 0},        {u"-7", -7},    {u"abc", 0},     {u"-2.5", -2},
        {u"-3.5", -4}, {u"1e3", 1000},     {u"1e5", 0},    {u"&O17", 15},   {u"-&H1", 0},
        {u"1e", 1},    {u"1e-", 1},        {u".5e1", 5},   {u"3d2", 3},     {u"&Hd", 13},
        {u"1 . 5", 2}, {u"&H7FFF", 32767}, {u"&H8000", 0}, {u"32767.5", 0}, {u"-32768.5", -32768},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(ReferenceReader::LocoNumber(text), expected) << Printable(text);
    }
}

// Types the text and clicks Enter (the click takes the focus from the box
// first); checks the window against the reference reading of the text.
void TypeAndEnter(std::u16string_view text, int& accepted, int& refused) {
    RecordingView view;
    CalculatorController controller(view);
    controller.OnFormLoad();
    view.Type(text);
    controller.OnInputLostFocus();
    view.inputFocused = false;
    controller.OnEnterClicked();

    const int expected = ReferenceReader::LocoNumber(text);
    ASSERT_EQ(controller.State().LocoNumber, expected) << Printable(text);
    if (expected >= 1 && expected <= 9999) {
        ++accepted;
        ASSERT_EQ(view.cv17Caption, testing::ExpectedCV17Caption(expected)) << Printable(text);
        ASSERT_EQ(view.cv18Caption, testing::ExpectedCV18Caption(expected)) << Printable(text);
        ASSERT_EQ(view.messageBoxes, 0) << Printable(text);
        ASSERT_EQ(view.input, text);
    } else {
        ++refused;
        ASSERT_EQ(view.messageBoxes, 1) << Printable(text);
        ASSERT_EQ(view.lastMessageTitle, u"Input Error");
        ASSERT_EQ(view.lastMessageText, u"Enter a number between 1 and 9999.");
        ASSERT_TRUE(view.input.empty() && view.inputFocused) << Printable(text);
        ASSERT_TRUE(view.cv17Caption.empty() && view.cv18Caption.empty()) << Printable(text);
    }
}

TEST(InputSweep, EveryShortTextEndsWithTheRightValuesOrTheErrorMessage) {
    int accepted = 0;
    int refused = 0;
    std::u16string text;
    // Counts through all texts of each length like an odometer over the alphabet.
    for (std::size_t length = 0; length <= kLongest; ++length) {
        std::u16string digits(length, 0);
        while (true) {
            text.clear();
            for (char16_t d : digits) {
                text += kAlphabet[d];
            }
            TypeAndEnter(text, accepted, refused);
            if (HasFatalFailure()) {
                return;
            }
            std::size_t i = 0;
            while (i < length && ++digits[i] == kAlphabet.size()) {
                digits[i++] = 0;
            }
            if (i == length) {
                break;
            }
        }
    }
    std::printf("swept %d texts: %d accepted, %d refused with the error message\n",
                accepted + refused, accepted, refused);
    EXPECT_EQ(accepted + refused, 292561);  // 1 + 23 + 23^2 + 23^3 + 23^4
    EXPECT_GT(accepted, 10000);
}

}  // namespace
}  // namespace veltrop
