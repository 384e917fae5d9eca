// SPDX-License-Identifier: GPL-3.0-or-later
// Val on any text: never a NaN, blanks ignored wherever they stand, a comma ends the number,
// and a minus before a text that starts with a number negates it; a typed number reads a comma
// as Val reads a point.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "calc/number.h"
#include "checks.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The same number, zero signs included.
bool Same(double a, double b) {
    return a == b && std::signbit(a) == std::signbit(b);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using karvo_fuzz::Require;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = calc::Val(text);
    Require(!std::isnan(value), "Val never reads NaN", text);

    std::string squeezed;
    for (const char c : text)
        if (!IsBlank(c)) squeezed.push_back(c);
    Require(Same(calc::Val(squeezed), value), "blanks are ignored", text);

    const std::string_view beforeComma = text.substr(0, text.find(','));
    Require(Same(calc::Val(beforeComma), value), "a comma ends the number", text);

    std::string pointed(text);
    for (char& c : pointed)
        if (c == ',') c = '.';
    Require(Same(calc::ReadTyped(text), calc::Val(pointed)), "a typed comma is a point", text);

    const std::size_t digit = squeezed.find_first_of("0123456789");
    if (digit == 0 || (digit == 1 && squeezed[0] == '.'))
        Require(Same(calc::Val("-" + std::string(text)), -value), "a minus negates", text);
    return 0;
}
