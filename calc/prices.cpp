// SPDX-License-Identifier: GPL-3.0-or-later
// The price checks of the menu's "OK", also made before each calculation.
#include "calc/prices.h"

#include <array>
#include <limits>

#include "calc/detail/mix.h"
#include "calc/number.h"

namespace calc {

double ReadPrice(std::string_view text) {
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) return 0;
    return TypedNumber(text).value_or(std::numeric_limits<double>::quiet_NaN());
}

std::optional<Price> CheckPrices(const MaterialPrices& prices) {
    struct Check {
        Price price;
        double value, upper;
    };
    const std::array<Check, kPriceCount> checks{{
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
