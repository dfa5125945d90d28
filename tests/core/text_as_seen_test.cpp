#include "runtime/text_as_seen.h"

#include <gtest/gtest.h>

namespace veltrop::runtime {
namespace {

TEST(TextAsSeen, InvisibleCharactersGoAndBlanksBecomeSpaces) {
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"1\u200B23", u"123"},              // zero-width space
        {u"1\u00AD2\u200E3", u"123"},        // soft hyphen, left-to-right mark
        {u"\u200F\uFEFF123\u2060", u"123"},  // right-to-left mark, BOM, word joiner
        {u"1\U000E0031\U0001D173", u"1"},    // a tag and a musical format mark
        {u"1\u00A02\u3000", u"1 2 "},        // no-break and ideographic spaces
        {std::u16string(u"1\0"
                        u"2",
                        3),
         u"1 2"},
        {u"1\v2\f3\r4\u00855\u20286\u20297\u007F8\uFFFC9", u"1 2 3 4 5 6 7 8 9"},
        {u"\uFF11\U0001F682-2.5e1", u"\uFF11\U0001F682-2.5e1"},  // visible: kept
        {u"12\xD83D", u"12\xD83D"},                              // an unpaired half: kept
        {u"", u""},
    };
    for (const auto& [text, seen] : cases) {
        EXPECT_EQ(TextAsSeen(text), seen);
    }
}

}  // namespace
}  // namespace veltrop::runtime
