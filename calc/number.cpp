// SPDX-License-Identifier: GPL-3.0-or-later
// Val, the rule for typed numbers, and FormatNumber, the format patterns; neither goes
// through the C locale, which the windows set to the user's regional settings.
#include "calc/number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <limits>
#include <optional>
#include <string>

#include "calc/detail/decimal.h"

namespace calc {

namespace {

// Exponent digits stop counting here: far past any double, far from int64 overflow.
constexpr std::int64_t kExponentCap = 1'000'000'000;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

int DigitValue(char c, int base) {
    int digit = base;
    if (c >= '0' && c <= '9') digit = c - '0';
    if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    return digit < base ? digit : -1;
}

// Walks a typed text, skipping the blanks that Val ignores wherever they stand.
class Cursor {
  public:
    explicit Cursor(std::string_view text) : text_(text) {}

    char Peek() {
        while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    bool Accept(char upper, char lower) {
        const char c = Peek();
        if (c != upper && c != lower) return false;
        ++pos_;
        return true;
    }
    int AcceptDigit(int base) {
        const int digit = DigitValue(Peek(), base);
        if (digit >= 0) ++pos_;
        return digit;
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Unsigned and computed in double: &HFFFFFFFF is 4294967295, a very long one is infinity.
std::optional<double> ReadWhole(Cursor& cursor, int base) {
    std::optional<double> value;
    for (int digit = cursor.AcceptDigit(base); digit >= 0; digit = cursor.AcceptDigit(base)) {
        value = value.value_or(0) * base + digit;
    }
    return value;
}

// A decimal mantissa as its significant digits and the power of ten of its point:
// value = 0.digits * 10^pointExponent.
struct Mantissa {
    bool found = false;
    std::string digits;
    std::int64_t pointExponent = 0;
    bool secondPoint = false;  // its digits run on after another point: "1.000,50", "1,5,3"
};

Mantissa ReadMantissa(Cursor& cursor, char otherPoint) {
    Mantissa m;
    bool afterPoint = false;
    while (true) {
        const int digit = cursor.AcceptDigit(10);
        if (digit < 0 && afterPoint) {
            Cursor ahead = cursor;  // looked at, not read: "1.5.e3" is still 1.5 to Val
            m.secondPoint = ahead.Accept('.', otherPoint) && DigitValue(ahead.Peek(), 10) >= 0;
            break;
        }
        if (digit < 0) {
            if (!cursor.Accept('.', otherPoint)) break;
            afterPoint = true;
            continue;
        }
        m.found = true;
        if (digit == 0 && m.digits.empty()) {
            if (afterPoint) --m.pointExponent;
            continue;
        }
        m.digits.push_back(static_cast<char>('0' + digit));
        if (!afterPoint) ++m.pointExponent;
    }
    while (!m.digits.empty() && m.digits.back() == '0') m.digits.pop_back();
    return m;
}

// "E" without digits is no exponent: "1e" reads 1.
std::int64_t ReadExponent(Cursor& cursor) {
    if (!cursor.Accept('E', 'e')) return 0;
    const bool negative = cursor.Accept('-', '-');
    if (!negative) cursor.Accept('+', '+');
    std::int64_t exponent = 0;
    for (int digit = cursor.AcceptDigit(10); digit >= 0; digit = cursor.AcceptDigit(10)) {
        if (exponent < kExponentCap) exponent = exponent * 10 + digit;
    }
    return negative ? -exponent : exponent;
}

double ToDouble(const Mantissa& m, std::int64_t exponent) {
    if (m.digits.empty()) return 0;
    const auto length = static_cast<std::int64_t>(m.digits.size());
    return detail::NearestDouble(m.digits, m.pointExponent + exponent - length);
}

struct PatternShape {
    std::size_t minIntegerDigits = 0;
    std::size_t places = 0;
    std::size_t minPlaces = 0;  // up to the last "0": an optional place before a shown one shows
};

PatternShape ShapeOf(std::string_view pattern) {
    PatternShape shape;
    const std::size_t point = pattern.find('.');
    const std::string_view integer = pattern.substr(0, point);
    shape.minIntegerDigits =
        static_cast<std::size_t>(std::count(integer.begin(), integer.end(), '0'));
    if (point == std::string_view::npos) return shape;
    for (const char c : pattern.substr(point + 1)) {
        if (c != '#' && c != '0') continue;
        ++shape.places;
        if (c == '0') shape.minPlaces = shape.places;
    }
    return shape;
}

std::string ToDigits(std::uint64_t number) {
    char buffer[24];
    char* end = std::to_chars(buffer, std::end(buffer), number).ptr;
    return std::string(buffer, end);
}

constexpr std::uint64_t TenToThe(std::int64_t power) {
    std::uint64_t result = 1;
    for (std::int64_t i = 0; i < power; ++i) result *= 10;
    return result;
}

// The digits of magnitude * 10^places, rounded half away from zero on the 15-significant-digit
// decimal form, so that 0.15 at one place gives 2 although the double is below 0.15.
std::string ScaledDigits(double magnitude, std::size_t places) {
    const detail::Decimal decimal = detail::ToDecimal15(magnitude);
    const std::int64_t shift = decimal.exponent + static_cast<std::int64_t>(places);
    if (shift >= 0) {
        std::string digits = ToDigits(decimal.significand);
        if (decimal.significand != 0) digits.append(static_cast<std::size_t>(shift), '0');
        return digits;
    }
    // The significand is below 10^15, so from 16 places down it is below a tenth of the unit.
    if (shift < -16) return "0";
    const std::uint64_t withRoundingDigit = decimal.significand / TenToThe(-shift - 1);
    return ToDigits(withRoundingDigit / 10 + (withRoundingDigit % 10 >= 5 ? 1 : 0));
}

// otherPoint is a second character read as the decimal point ('.' when there is none). A typed
// number whose digits run on after a second point is NaN: no reading of it would be the user's.
std::optional<double> ReadLeadingNumber(std::string_view text, char otherPoint, bool typed) {
    Cursor cursor(text);
    if (cursor.Accept('&', '&')) {
        if (cursor.Accept('H', 'h')) return ReadWhole(cursor, 16);
        if (cursor.Accept('O', 'o')) return ReadWhole(cursor, 8);
        return std::nullopt;
    }
    const bool negative = cursor.Accept('-', '-');
    if (!negative) cursor.Accept('+', '+');
    const Mantissa mantissa = ReadMantissa(cursor, otherPoint);
    if (!mantissa.found) return std::nullopt;
    if (typed && mantissa.secondPoint) return std::numeric_limits<double>::quiet_NaN();
    const double value = ToDouble(mantissa, ReadExponent(cursor));
    return negative ? -value : value;
}

}  // namespace

double Val(std::string_view text) {
    return ReadLeadingNumber(text, '.', false).value_or(0);
}

std::optional<double> TypedNumber(std::string_view text) {
    return ReadLeadingNumber(text, ',', true);
}

double ReadTyped(std::string_view text) {
    return TypedNumber(text).value_or(0);
}

std::string FormatNumber(double value, std::string_view pattern, char decimalSeparator) {
    if (!std::isfinite(value)) return std::string(kOverflowText);
    const PatternShape shape = ShapeOf(pattern);
    std::string digits = ScaledDigits(std::fabs(value), shape.places);
    if (digits.size() <= shape.places) digits.insert(0, shape.places + 1 - digits.size(), '0');

    const std::size_t integerLength = digits.size() - shape.places;
    std::size_t first = 0;
    while (first + shape.minIntegerDigits < integerLength && digits[first] == '0') ++first;
    std::size_t places = shape.places;
    while (places > shape.minPlaces && digits[integerLength + places - 1] == '0') --places;

    std::string text;
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    if (value < 0 && !zero) text.push_back('-');
    text.append(digits, first, integerLength - first);
    if (places > 0) {
        text.push_back(decimalSeparator);
        text.append(digits, integerLength, places);
    }
    return text;
}

}  // namespace calc
