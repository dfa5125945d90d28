#include "ui/web/input_edit.h"

#include <gtest/gtest.h>

#include <string>

namespace veltrop::web {
namespace {

std::string Shown(std::u16string_view text) {
    std::string out;
    for (const char16_t c : text) {
        out += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
    }
    return out;
}

struct PasteCase {
    std::u16string_view text;
    std::size_t start, end;
    std::u16string_view clipboard;
    std::u16string_view expected;
    std::size_t caret;
};

TEST(InputPaste, TheFirstLineInPlaceOfTheSelectionUpToTheLimit) {
    const PasteCase cases[] = {
        {u"", 0, 0, u"1000", u"1000", 4},
        {u"12", 2, 2, u"34", u"1234", 4},
        {u"12", 0, 0, u"34", u"3412", 2},
        {u"12", 1, 1, u"9", u"192", 2},
        {u"1234", 1, 3, u"9", u"194", 2},
        {u"1234", 3, 1, u"9", u"194", 2},  // a selection made backwards
        {u"12", 7, 9, u"3", u"123", 3},    // indexes past the end
        // the limit: what does not fit is cut off
        {u"", 0, 0, u"123456", u"1234", 4},
        {u"12", 2, 2, u"3456", u"1234", 4},
        {u"1234", 4, 4, u"5", u"1234", 4},
        {u"1234", 0, 4, u"98765", u"9876", 4},
        // the first line only; an empty one still replaces the selection
        {u"", 0, 0, u"12\r\n34", u"12", 2},
        {u"", 0, 0, u"7\n8", u"7", 1},
        {u"", 0, 0, u"5\r6", u"5", 1},
        {u"12", 2, 2, u"\r\n34", u"12", 2},
        {u"12", 0, 2, u"\n34", u"", 0},
        {u"12", 0, 2, u"", u"", 0},
        {u"12", 1, 1, u"", u"12", 1},
        // a character of two units goes in whole or not at all
        {u"12", 2, 2, u"\U0001F600", u"12\U0001F600", 4},
        {u"123", 3, 3, u"\U0001F600", u"123", 3},
        {u"12", 2, 2, u"3\U0001F600", u"123", 3},
        {u"", 0, 0, u"1\U0001F6002", u"1\U0001F6002", 4},
        {u"", 0, 0,
         u"12\xD83D"
         u"3",
         u"123", 3},  // a lone half on the clipboard
        {u"3", 0, 0, u"\xDE00", u"3", 0},
    };
    for (const PasteCase& c : cases) {
        const EditedText edited = Paste(c.text, c.start, c.end, c.clipboard, 4);
        EXPECT_EQ(edited.text, c.expected)
            << Shown(c.text) << " [" << c.start << "," << c.end << "] + " << Shown(c.clipboard);
        EXPECT_EQ(edited.caret, c.caret) << Shown(c.text) << " + " << Shown(c.clipboard);
    }
}

TEST(InputPaste, NoLimitTakesTheWholeLine) {
    EXPECT_EQ(Paste(u"1", 1, 1, u"234567\n8", 0).text, u"1234567");
    // Text the program set past the limit leaves no room, but a paste over
    // a selection still takes the selection out.
    EXPECT_EQ(Paste(u"123456", 6, 6, u"7", 4).text, u"123456");
    EXPECT_EQ(Paste(u"123456", 0, 1, u"7", 4).text, u"23456");
}

TEST(InputEdit, LoneHalvesGoAndTheCaretFollows) {
    const struct {
        std::u16string_view text;
        std::size_t caret;
        std::u16string_view expected;
        std::size_t expectedCaret;
    } cases[] = {
        {u"1234", 4, u"1234", 4},
        {u"123\xD83D", 4, u"123", 3},
        {u"\xDE00"
         u"12",
         3, u"12", 2},
        {u"1\xD83D"
         u"2",
         1, u"12", 1},  // after the caret: it stays
        {u"\U0001F600\xD83D", 3, u"\U0001F600", 2},
        {u"12", 9, u"12", 2},
    };
    for (const auto& c : cases) {
        const EditedText edited = WholeCharacters(c.text, c.caret);
        EXPECT_EQ(edited.text, c.expected) << Shown(c.text);
        EXPECT_EQ(edited.caret, c.expectedCaret) << Shown(c.text);
    }
}

}  // namespace
}  // namespace veltrop::web
