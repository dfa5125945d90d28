#include "runtime/text_conversion.h"

#include <gtest/gtest.h>

namespace veltrop::runtime {
namespace {

TEST(TextConversion, PlainIntegerHasNoSignPlace) {
    const std::pair<std::int16_t, std::u16string> cases[] = {
        {0, u"0"}, {1, u"1"}, {10, u"10"}, {-1, u"-1"}, {32767, u"32767"}, {-32768, u"-32768"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(FormatInteger(value), text) << value;
    }
}

TEST(TextConversion, AnsiCodesFollowWindows1252) {
    const std::pair<std::uint8_t, char16_t> cases[] = {
        {169, u'\u00A9'},  {65, u'A'},        {0x80, u'\u20AC'}, {0x92, u'\u2019'},
        {0x9F, u'\u0178'}, {0x81, u'\u0081'}, {0xA0, u'\u00A0'}, {0xFF, u'\u00FF'},
    };
    for (const auto& [code, character] : cases) {
        EXPECT_EQ(AnsiCharacter(code), character) << int{code};
    }
}

}  // namespace
}  // namespace veltrop::runtime
