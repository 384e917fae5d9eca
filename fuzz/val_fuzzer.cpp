// SPDX-License-Identifier: GPL-3.0-or-later
// Val on any text: never a NaN, blanks ignored wherever they stand, a comma ends the number, a
// minus before a text that starts with a number negates it; ReadTyped reads a comma as a point.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "calc/number.h"
#include "checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using karvo_fuzz::Require;
    // The same number, zero signs included.
    const auto same = [](double a, double b) {
        return a == b && std::signbit(a) == std::signbit(b);
    };
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = calc::Val(text);
    Require(!std::isnan(value), "Val never reads NaN", text);
    std::string squeezed, pointed;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') squeezed.push_back(c);
        pointed.push_back(c == ',' ? '.' : c);
    }
    Require(same(calc::Val(squeezed), value), "blanks are ignored", text);
    Require(same(calc::Val(text.substr(0, text.find(','))), value), "a comma ends it", text);
    Require(same(calc::ReadTyped(text), calc::Val(pointed)), "a typed comma is a point", text);
    const std::size_t digit = squeezed.find_first_of("0123456789");
    if (digit == 0 || (digit == 1 && squeezed[0] == '.'))
        Require(same(calc::Val("-" + std::string(text)), -value), "a minus negates", text);
    return 0;
}
