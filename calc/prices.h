// SPDX-License-Identifier: GPL-3.0-or-later
// The four material prices typed on the menu, in price units, and their accepted ranges.
#pragma once

#include <optional>
#include <string_view>

namespace calc {

struct MaterialPrices {
    double PrixCiment = 0;     // one 35 kg bag of cement
    double PrixSable = 0;      // one cubic metre of sand
    double PrixGravier = 0;    // one cubic metre of gravel
    double PrixTransport = 0;  // lump sum for the whole order
};

enum class InputError { ErrDosage, ErrVolume, ErrContenance };

// A price as typed in its box: an empty or blank box is 0, a text that begins with a number is
// that number ("7,25 €" is 7.25), and any other text is NaN, which CheckPrices refuses.
double ReadPrice(std::string_view text);

// The prices in the order they are checked.
enum class Price { Ciment, Sable, Gravier, Transport };
inline constexpr int kPriceCount = static_cast<int>(Price::Transport) + 1;

// The first price out of its range, in the order cement, sand, gravel, transport; the later
// ones are not examined. Every price goes from 0 to 800000 for the bag of cement, to 9000000
// for the others, bounds included.
std::optional<Price> CheckPrices(const MaterialPrices& prices);

}  // namespace calc
