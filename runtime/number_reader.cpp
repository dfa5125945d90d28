#include "runtime/number_reader.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace veltrop::runtime {
namespace {

// Walks a text while skipping the blanks that may stand anywhere in a number.
class BlankSkippingCursor {
public:
    explicit BlankSkippingCursor(std::u16string_view text) : text_(text) { SkipBlanks(); }

    bool AtEnd() const { return pos_ >= text_.size(); }
    char16_t Peek() const { return AtEnd() ? u'\0' : text_[pos_]; }
    void Advance() {
        ++pos_;
        SkipBlanks();
    }

private:
    void SkipBlanks() {
        while (pos_ < text_.size() &&
               (text_[pos_] == u' ' || text_[pos_] == u'\t' || text_[pos_] == u'\n')) {
            ++pos_;
        }
    }

    std::u16string_view text_;
    std::size_t pos_ = 0;
};

bool IsDecimalDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

int DigitValue(char16_t c, int radix) {
    int value = -1;
    if (c >= u'0' && c <= u'9') {
        value = c - u'0';
    } else if (c >= u'a' && c <= u'f') {
        value = c - u'a' + 10;
    } else if (c >= u'A' && c <= u'F') {
        value = c - u'A' + 10;
    }
    return value < radix ? value : -1;
}

// "&H..." / "&O...": an unsigned integer; the '&' has been consumed.
double ReadRadixInteger(BlankSkippingCursor& cursor) {
    int radix = 0;
    const char16_t marker = cursor.Peek();
    if (marker == u'H' || marker == u'h') {
        radix = 16;
    } else if (marker == u'O' || marker == u'o') {
        radix = 8;
    } else {
        return 0.0;
    }
    cursor.Advance();
    double value = 0.0;
    for (int digit = DigitValue(cursor.Peek(), radix); digit >= 0;
         digit = DigitValue(cursor.Peek(), radix)) {
        // Exact while the value fits 53 bits; beyond that it is far out of
        // any range the program accepts, and saturates to infinity.
        value = value * radix + digit;
        cursor.Advance();
    }
    return value;
}

// Converts a clean ASCII decimal ("-123.45e6"), correctly rounded; beyond
// double's range it gives +/-infinity or +/-0, as magnitude (the decimal
// position of the leading digit) says.
double ConvertDecimal(const std::string& ascii, bool negative, long long magnitude) {
#if defined(__cpp_lib_to_chars)
    double value = 0.0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        const double limit = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        return negative ? -limit : limit;
    }
    return value;
#elif defined(__EMSCRIPTEN__)
    // The WebAssembly build's C++ library has no from_chars for double. Its
    // C library's strtod (musl's) gives the same results: correctly rounded,
    // '.' as the separator whatever the locale, +/-infinity past the range,
    // and the nearest subnormal or +/-0 below it.
    (void)negative;
    (void)magnitude;
    return std::strtod(ascii.c_str(), nullptr);
#else
#error "no locale-free, correctly rounded decimal conversion for this C++ library"
#endif
}

// Copies the decimal number into a clean ASCII buffer, which ConvertDecimal
// turns into the double nearest to it.
double ReadDecimal(BlankSkippingCursor& cursor) {
    std::string ascii;
    if (cursor.Peek() == u'+' || cursor.Peek() == u'-') {
        if (cursor.Peek() == u'-') {
            ascii += '-';
        }
        cursor.Advance();
    }
    const bool negative = !ascii.empty();

    // Decimal position of the most significant non-zero digit, to tell an
    // overflow from an underflow when from_chars reports out of range.
    long long magnitude = 0;
    bool nonZero = false;
    bool anyDigit = false;
    while (IsDecimalDigit(cursor.Peek())) {
        const char16_t c = cursor.Peek();
        if (c != u'0' || nonZero) {
            nonZero = true;
            ++magnitude;
            ascii += static_cast<char>(c);
        }
        anyDigit = true;
        cursor.Advance();
    }
    if (cursor.Peek() == u'.') {
        ascii += '.';
        cursor.Advance();
        while (IsDecimalDigit(cursor.Peek())) {
            const char16_t c = cursor.Peek();
            if (!nonZero) {
                if (c == u'0') {
                    --magnitude;
                } else {
                    nonZero = true;
                }
            }
            ascii += static_cast<char>(c);
            anyDigit = true;
            cursor.Advance();
        }
    }
    if (!anyDigit || !nonZero) {
        return 0.0;
    }

    if (cursor.Peek() == u'E' || cursor.Peek() == u'e') {
        cursor.Advance();
        bool negativeExponent = false;
        if (cursor.Peek() == u'+' || cursor.Peek() == u'-') {
            negativeExponent = cursor.Peek() == u'-';
            cursor.Advance();
        }
        // Saturate: any exponent past a million is beyond double either way.
        long long exponent = 0;
        while (IsDecimalDigit(cursor.Peek())) {
            if (exponent < 1'000'000) {
                exponent = exponent * 10 + (cursor.Peek() - u'0');
            }
            cursor.Advance();
        }
        if (negativeExponent) {
            exponent = -exponent;
        }
        magnitude += exponent;
        ascii += 'e';
        ascii += std::to_string(exponent);
    }

    return ConvertDecimal(ascii, negative, magnitude);
}

}  // namespace

double ReadLeadingNumber(std::u16string_view text) {
    BlankSkippingCursor cursor(text);
    if (cursor.Peek() == u'&') {
        cursor.Advance();
        return ReadRadixInteger(cursor);
    }
    return ReadDecimal(cursor);
}

}  // namespace veltrop::runtime
