// SPDX-License-Identifier: GPL-3.0-or-later
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
    std::string_view pattern;
    std::size_t minIntegerDigits;
    std::size_t minPlaces;
    std::size_t maxPlaces;
};

// Written out by hand rather than read from the patterns as the program reads them, so that a
// misreading in the program cannot also pass here. "0.#0" shows both places: the optional
// place before a shown one shows too.
constexpr Shape kShapes[] = {
    {"######0.0", 1, 1, 1},  {"#######0.0", 1, 1, 1}, {"#####0.0", 1, 1, 1},
    {"######0.#0", 1, 2, 2}, {"####0", 1, 0, 0},      {"##0", 1, 0, 0},
};

Shape ShapeOf(std::string_view pattern) {
    const auto* shape = std::find_if(std::begin(kShapes), std::end(kShapes),
                                     [pattern](const Shape& s) { return s.pattern == pattern; });
    Require(shape != std::end(kShapes), "a known pattern", pattern);
    return *shape;
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
