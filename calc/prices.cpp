// SPDX-License-Identifier: GPL-3.0-or-later
// The price checks of the menu's "OK", also made before each calculation.
#include "calc/prices.h"

#include <array>

#include "calc/detail/mix.h"

namespace calc {

std::optional<Price> CheckPrices(const MaterialPrices& prices) {
    struct Check {
        Price price;
        double value, upper;
    };
    const std::array<Check, 4> checks{{
        {Price::Ciment, prices.PrixCiment, 800000},
        {Price::Sable, prices.PrixSable, 9000000},
        {Price::Gravier, prices.PrixGravier, 9000000},
        {Price::Transport, prices.PrixTransport, 9000000},
    }};
    for (const Check& check : checks)
        if (!detail::InRange(check.value, 0, check.upper)) return check.price;
    return std::nullopt;
}

}  // namespace calc
