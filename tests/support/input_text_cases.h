#pragma once

#include <array>
#include <string_view>

// What the input box keeps and what the window computes from it, whichever
// front end draws the window: each front end runs every row through its own
// ways of typing and pasting. Typed text is plain ASCII, key by key; pasted
// text may hold any UTF-16. Names are identifiers, usable as test names.
namespace veltrop::testing {

struct KeptTextCase {
    std::string_view name;
    std::u16string_view typed;   // typed first, into the empty box
    std::u16string_view pasted;  // then pasted at the end; empty: no paste
    std::u16string_view kept;    // what the box then holds
};

// Four characters at most, the first line of a paste only, never half of a
// character made of two UTF-16 units.
inline constexpr std::array kKeptTextCases{
    KeptTextCase{"TypedFifth", u"12345", u"", u"1234"},
    KeptTextCase{"Typed10000", u"10000", u"", u"1000"},
    KeptTextCase{"PastedWhole", u"", u"98765", u"9876"},
    KeptTextCase{"PastedAfterTwo", u"12", u"345", u"1234"},
    KeptTextCase{"PasteIntoFullBox", u"9999", u"1", u"9999"},
    KeptTextCase{"TwoLines", u"", u"12\n34", u"12"},
    KeptTextCase{"CrLf", u"", u"7\r\n8", u"7"},
    KeptTextCase{"FirstLineThenLimit", u"9", u"1234\n5", u"9123"},
    KeptTextCase{"EmptyFirstLine", u"5", u"\n12", u"5"},
    KeptTextCase{"EmojiPastTheLimit", u"123", u"\U0001F682", u"123"},
    KeptTextCase{"EmojiWithinTheLimit", u"12", u"\U0001F682", u"12\U0001F682"},
};

struct ShownNumberCase {
    std::string_view name;
    std::u16string_view earlier;  // computed first, then typed over; empty: none
    std::u16string_view typed;
    std::u16string_view pasted;  // pasted after the typed text; empty: no paste
    std::u16string_view cv17;    // the results after a click on Enter
    std::u16string_view cv18;
};

// Enter computes from the text the box shows: the text just typed, not the
// number computed before. Invisible characters take no part in the number;
// ones drawn as a blank count as the blank they look like.
inline constexpr std::array kShownNumberCases{
    ShownNumberCase{"Typed1000", u"", u"1000", u"", u" 195", u" 232"},
    ShownNumberCase{"Typed3", u"", u"3", u"", u" 192", u" 3"},
    ShownNumberCase{"Typed9999", u"", u"9999", u"", u" 231", u" 15"},
    ShownNumberCase{"Typed1000After3", u"3", u"1000", u"", u" 195", u" 232"},
    ShownNumberCase{"Typed3After1000", u"1000", u"3", u"", u" 192", u" 3"},
    ShownNumberCase{"Typed9999After1", u"1", u"9999", u"", u" 231", u" 15"},
    ShownNumberCase{"ZeroWidthSpace", u"", u"", u"1\u200B23", u" 192", u" 123"},
    ShownNumberCase{"RightToLeftMark", u"", u"", u"\u200F123", u" 192", u" 123"},
    ShownNumberCase{"NoBreakSpace", u"", u"", u"1\u00A02", u" 192", u" 12"},
};

}  // namespace veltrop::testing
