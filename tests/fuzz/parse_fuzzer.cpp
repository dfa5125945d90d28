// Text to number on arbitrary UTF-16: must never crash or trip a sanitizer,
// and must keep the properties the window relies on.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "calc/extended_address.h"
#include "runtime/number_reader.h"

namespace {

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

// The first byte picks the encoding: one byte per character reaches the
// interesting ASCII cases quickly, two bytes per character reach all of UTF-16.
std::u16string Decode(const std::uint8_t* data, std::size_t size) {
    std::u16string text;
    if (size == 0) {
        return text;
    }
    if ((data[0] & 1U) == 0) {
        for (std::size_t i = 1; i < size; ++i) {
            text += static_cast<char16_t>(data[i]);
        }
    } else {
        for (std::size_t i = 1; i + 1 < size; i += 2) {
            text += static_cast<char16_t>(data[i] | (data[i + 1] << 8U));
        }
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using veltrop::runtime::ReadLeadingNumber;
    const std::u16string text = Decode(data, size);
    const double value = ReadLeadingNumber(text);
    Require(!std::isnan(value), "a text never reads as NaN");

    // Blanks are skipped wherever they stand.
    std::u16string packed;
    for (char16_t c : text) {
        if (!IsBlank(c)) {
            packed += c;
        }
    }
    Require(ReadLeadingNumber(packed) == value, "blanks change the value");

    // Reading stops where the number cannot go on, so a trailing letter
    // that no number can contain changes nothing.
    Require(ReadLeadingNumber(text + u"x") == value, "a trailing letter changes the value");

    // A sign in front negates a decimal number; in front of "&" it is no number.
    if (!packed.empty()) {
        const char16_t first = packed.front();
        if ((first >= u'0' && first <= u'9') || first == u'.') {
            Require(ReadLeadingNumber(u"-" + text) == -value, "a minus sign does not negate");
            Require(ReadLeadingNumber(u"+" + text) == value, "a plus sign changes the value");
        } else if (first == u'&') {
            Require(value >= 0, "a hexadecimal or octal number reads negative");
            Require(ReadLeadingNumber(u"-" + text) == 0, "a sign before & reads a number");
        }
    }

    // The 16-bit number is the nearest one, or 0 when there is none.
    const std::int16_t number = veltrop::ParseLocoNumber(text);
    if (number != 0) {
        Require(std::isfinite(value) && std::fabs(value - number) <= 0.5,
                "the 16-bit number is not the nearest");
    }
    if (std::isfinite(value) && std::fabs(value) <= 32767 && value == std::floor(value)) {
        Require(number == value, "a whole 16-bit value is not kept");
    }
    return 0;
}
