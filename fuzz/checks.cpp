// The shape of a shown number, read from the pattern the way the program's patterns mean it.
#include "checks.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "calc/number.h"

namespace karvo_fuzz {
namespace {

struct Shape {
    std::size_t minIntegerDigits = 0;
    std::size_t minPlaces = 0;  // up to the last "0" after the point
    std::size_t maxPlaces = 0;
};

Shape ShapeOf(std::string_view pattern) {
    Shape shape;
    const std::size_t point = pattern.find('.');
    const std::string_view integer = pattern.substr(0, point);
    shape.minIntegerDigits = std::size_t(std::count(integer.begin(), integer.end(), '0'));
    if (point == std::string_view::npos) return shape;
    for (const char c : pattern.substr(point + 1)) {
        if (c != '#' && c != '0') continue;
        ++shape.maxPlaces;
        if (c == '0') shape.minPlaces = shape.maxPlaces;
    }
    return shape;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t DigitsFrom(std::string_view text, std::size_t& at) {
    const std::size_t start = at;
    while (at < text.size() && IsDigit(text[at])) ++at;
    return at - start;
}

}  // namespace

void Require(bool holds, std::string_view rule, std::string_view detail) {
    if (holds) return;
    std::fprintf(stderr, "broken rule: %.*s: %.*s\n", int(rule.size()), rule.data(),
                 int(detail.size()), detail.data());
    std::abort();
}

bool IsShownNumber(std::string_view text, std::string_view pattern, char separator) {
    const Shape shape = ShapeOf(pattern);
    std::size_t at = text.starts_with('-') ? 1 : 0;
    const std::size_t integerStart = at;
    const std::size_t integerDigits = DigitsFrom(text, at);
    if (integerDigits < std::max<std::size_t>(shape.minIntegerDigits, 1)) return false;
    if (integerDigits > shape.minIntegerDigits && text[integerStart] == '0') return false;
    std::size_t places = 0;
    if (at < text.size()) {
        if (text[at++] != separator) return false;
        places = DigitsFrom(text, at);
    }
    if (at != text.size() || places < shape.minPlaces || places > shape.maxPlaces) return false;
    if (places == 0 && text.ends_with(separator)) return false;
    return !text.starts_with('-') ||
           text.find_first_not_of(std::string("-0") + separator) != std::string_view::npos;
}

void RequireShown(std::string_view text, std::string_view pattern, char separator) {
    Require(text == calc::kOverflowText || IsShownNumber(text, pattern, separator),
            std::string("shown as a number with ") + std::string(pattern), text);
}

}  // namespace karvo_fuzz
