#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "calc/extended_address.h"
#include "runtime/integer_conversion.h"
#include "runtime/number_reader.h"

namespace veltrop {
namespace {

std::string Printable(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) {
        out += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
    }
    return out;
}

struct ReaderCase {
    std::u16string_view text;
    double value;
};

TEST(NumberReader, ReadsTheLeadingNumber) {
    const ReaderCase cases[] = {
        // no number
        {u"", 0},
        {u"abc", 0},
        {u"   ", 0},
        {u"-", 0},
        {u"+", 0},
        {u".", 0},
        {u"e5", 0},
        {u"--5", 0},
        {u"+-5", 0},
        {u"\r5", 0},
        {u"\u00A05", 0},
        {u"\uFF15", 0},
        // blanks (space, tab, line feed) anywhere
        {u" 4 2", 42},
        {u"\t1\n2 3", 123},
        {u"- 5", -5},
        {u"1 . 5", 1.5},
        {u"1 e 2", 100},
        // sign, fraction, exponent
        {u"-7", -7},
        {u"+7", 7},
        {u"007", 7},
        {u"1.5", 1.5},
        {u".5", 0.5},
        {u"-.25", -0.25},
        {u"5.", 5},
        {u"1e3", 1000},
        {u"1E3", 1000},
        {u"1e+2", 100},
        {u"25e-1", 2.5},
        {u"1e", 1},
        {u"1e-", 1},
        {u"0e999", 0},
        {u"1e400", std::numeric_limits<double>::infinity()},
        {u"-1e400", -std::numeric_limits<double>::infinity()},
        {u"1e-400", 0},
        {u"1e99999999999999999999", std::numeric_limits<double>::infinity()},
        // reading stops where the number cannot go on
        {u"12ab", 12},
        {u"1.5.3", 1.5},
        {u"1e5e3", 1e5},
        {u"5-", 5},
        {u"1,5", 1},
        {u"3d2", 3},
        // hexadecimal and octal
        {u"&HFF", 255},
        {u"&hff", 255},
        {u"&H 1 0", 16},
        {u"& H10", 16},
        {u"&O17", 15},
        {u"&o777", 511},
        {u"&O8", 0},
        {u"&H", 0},
        {u"&", 0},
        {u"&X1", 0},
        {u"&H1G", 1},
        {u"&H7FFF", 32767},
        {u"&HFFFF", 65535},
        {u"-&H10", 0},
    };
    for (const ReaderCase& c : cases) {
        EXPECT_EQ(runtime::ReadLeadingNumber(c.text), c.value) << Printable(c.text);
    }
}

TEST(NumberReader, IgnoresTheProcessLocale) {
    // A locale with a decimal comma must not change how '.' is read.
    const char* previous = std::setlocale(LC_ALL, nullptr);
    const std::string saved = previous != nullptr ? previous : "C";
    // The C library's name for it on Linux, then on Windows.
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr &&
        std::setlocale(LC_ALL, "German_Germany.1252") == nullptr) {
        GTEST_SKIP() << "no German locale (de_DE.UTF-8 from Debian's locales by LOCPATH, or "
                        "German_Germany.1252)";
    }
    EXPECT_EQ(runtime::ReadLeadingNumber(u"1.5"), 1.5);
    EXPECT_EQ(runtime::ReadLeadingNumber(u"1,5"), 1.0);
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(NumberReader, CorrectlyRoundedNearHalves) {
    // A naive digit-by-digit accumulation lands on the wrong side of .5 here.
    EXPECT_EQ(runtime::ReadLeadingNumber(u"0.49999999999999999"), 0.5);
    EXPECT_LT(runtime::ReadLeadingNumber(u"0.4999999999999999"), 0.5);
    EXPECT_EQ(runtime::ReadLeadingNumber(u"32767.49999999999"), 32767.49999999999);
}

TEST(NumberReader, RoundsCorrectlyAtTheEdgesOfDouble) {
    // Bit for bit, sign of zero included: every build must convert these
    // alike, whichever library routine does the work for it.
    constexpr double kMax = std::numeric_limits<double>::max();
    constexpr double kMinNormal = std::numeric_limits<double>::min();
    constexpr double kMinSubnormal = std::numeric_limits<double>::denorm_min();
    const ReaderCase cases[] = {
        {u"1.7976931348623157e308", kMax},
        {u"1.7976931348623158e308", kMax},  // under the halfway point to infinity
        {u"1.7976931348623159e308", std::numeric_limits<double>::infinity()},
        {u"-1.7976931348623159e308", -std::numeric_limits<double>::infinity()},
        {u"2.2250738585072014e-308", kMinNormal},
        {u"2.2250738585072011e-308", std::nextafter(kMinNormal, 0.0)},
        {u"4.9406564584124654e-324", kMinSubnormal},
        {u"2.4703282292062328e-324", kMinSubnormal},  // just over half the least
        {u"2.4703282292062327e-324", 0.0},            // just under it
        {u"-1e-400", -0.0},
        {u"9007199254740993", 9007199254740992.0},  // halfway: to even
        {u"9007199254740995", 9007199254740996.0},
        {u"1.00000000000000011102230246251565404236316680908203125", 1.0},
        {u"1.00000000000000011102230246251565404236316680908203126", std::nextafter(1.0, 2.0)},
        {u"123456789012345678901234567890", 1.2345678901234568e29},
        {u"0.000000000000000000000000000001e30", 1.0},
    };
    for (const ReaderCase& c : cases) {
        const double read = runtime::ReadLeadingNumber(c.text);
        EXPECT_EQ(read, c.value) << Printable(c.text);
        EXPECT_EQ(std::signbit(read), std::signbit(c.value)) << Printable(c.text);
    }
}

TEST(NumberReader, SurvivesHugeTexts) {
    const std::u16string digits(200'000, u'9');
    EXPECT_TRUE(std::isinf(runtime::ReadLeadingNumber(digits)));
    const std::u16string zeros = u"0." + std::u16string(200'000, u'0') + u"1e200000";
    EXPECT_EQ(runtime::ReadLeadingNumber(zeros), 0.1);
    const std::u16string blanks = std::u16string(100'000, u' ') + u"42";
    EXPECT_EQ(runtime::ReadLeadingNumber(blanks), 42);
    const std::u16string hex = u"&H" + std::u16string(100'000, u'F');
    EXPECT_TRUE(std::isinf(runtime::ReadLeadingNumber(hex)));
}

TEST(IntegerConversion, RoundsHalvesToEvenWithinSixteenBits) {
    const std::pair<double, std::optional<std::int16_t>> cases[] = {
        {0.5, 0},
        {1.5, 2},
        {2.5, 2},
        {3.5, 4},
        {-0.5, 0},
        {-1.5, -2},
        {-2.5, -2},
        {0.49999999999999994, 0},
        {2.5000000000000004, 3},
        {-2.4, -2},
        {-2.6, -3},
        {32767.0, 32767},
        {32767.4, 32767},
        {32767.5, std::nullopt},
        {32768.0, std::nullopt},
        {-32768.0, -32768},
        {-32768.5, -32768},
        {-32768.6, std::nullopt},
        {-32769.0, std::nullopt},
        {1e300, std::nullopt},
        {std::numeric_limits<double>::infinity(), std::nullopt},
        {-std::numeric_limits<double>::infinity(), std::nullopt},
        {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
    };
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(runtime::RoundToInt16(value), expected) << value;
    }
}

TEST(IntegerConversion, FloorsTowardMinusInfinity) {
    const std::pair<double, std::optional<std::int16_t>> cases[] = {
        {195.90625, 195},
        {192.0, 192},
        {-0.5, -1},
        {-1.0, -1},
        {32767.9, 32767},
        {32768.0, std::nullopt},
        {-32768.0, -32768},
        {-32768.1, std::nullopt},
        {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
    };
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(runtime::FloorToInt16(value), expected) << value;
    }
}

TEST(ParseLocoNumber, TextToSixteenBitNumber) {
    const std::pair<std::u16string_view, std::int16_t> cases[] = {
        {u"", 0},
        {u"12ab", 12},
        {u" 4 2", 42},
        {u"&HFF", 255},
        {u"1.5", 2},
        {u"2.5", 2},
        {u"0.5", 0},
        {u"-7", -7},
        {u"abc", 0},
        {u"-2.5", -2},
        {u"-3.5", -4},
        {u"9999", 9999},
        {u"1e4", 10000},
        {u"1e3", 1000},
        {u"32767", 32767},
        {u"-32768", -32768},
        {u"-32768.5", -32768},
        {u"32767.4", 32767},
        {u"&H7FFF", 32767},
        // beyond 16 bits: 0, which is never an accepted number
        {u"1e5", 0},
        {u"9e9", 0},
        {u"-9e9", 0},
        {u"32767.5", 0},
        {u"32768", 0},
        {u"-32769", 0},
        {u"&HFFFF", 0},
        {u"1e400", 0},
    };
    for (const auto& [text, number] : cases) {
        EXPECT_EQ(ParseLocoNumber(text), number) << Printable(text);
    }
}

TEST(ParseLocoNumber, EverySixteenBitNumberYieldsItself) {
    for (int n = -32768; n <= 32767; ++n) {
        std::u16string text;
        for (char c : std::to_string(n)) {
            text += static_cast<char16_t>(c);
        }
        ASSERT_EQ(ParseLocoNumber(text), n);
    }
}

}  // namespace
}  // namespace veltrop
