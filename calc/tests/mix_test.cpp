// SPDX-License-Identifier: GPL-3.0-or-later
// The concrete and mortar mixes: worked examples, whole minutes, and the refusals of inputs at
// their bounds, in their order.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>
#include <utility>
#include <variant>

#include "calc/calc.h"

namespace {

using M = calc::MortarMix;
using enum calc::InputError;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The mortar's worked examples are shown by the mortar window's tests; here, the purchase price
// adds the costs as shown (69.64 + 47.20 + 20, not 136.8428...), and a tiny price, which the
// menu accepts, still costs to 15 digits.
TEST(CalculMortier, CostsAreAddedAsShownAndATinyPriceCosts) {
    const auto example =
        calc::CalculMortier(325, 1000, 100, calc::kDosageRanges[0], {7.5, 40, 0, 20});
    EXPECT_EQ(std::get<M>(example).PrixAchat, 69.64 + 47.2 + 20);
    const auto tiny =
        calc::CalculMortier(325, 1000, 100, calc::kDosageRanges[0], {1e-300, 0, 0, 0});
    EXPECT_DOUBLE_EQ(std::get<M>(tiny).PrixDetCim, 9.28571428571429e-300);
}

// The litres, the water and the costs come from the kilograms as shown, and the total from the
// costs as shown: each of these inputs (325 kg/m3, a 100-litre mixer, 7.25 the bag, 40 the m3 of
// sand) changes the last digit against the unrounded figures (in brackets).
TEST(CalculMortier, FiguresFollowTheKilogramsAndCostsAsShown) {
    const struct {
        double volume;
        double M::*field;
        const char* shown;
    } cases[] = {
        {2, &M::CimentTotL, "0.6"},    // 0.7 kg shown (0.5)
        {2, &M::EauTotL, "0.4"},       // (0.3)
        {2, &M::PrixDetCim, "0.15"},   // (0.13)
        {14, &M::CimentTotL, "3.7"},   // 4.6 kg shown (3.6)
        {2, &M::SableTotL, "2.3"},     // 3.4 kg shown (2.4)
        {34, &M::PrixDetSab, "1.61"},  // 58.2 kg shown (1.60)
        {6, &M::PrixAchat, "0.69"},    // 0.41 + 0.28 (0.70)
    };
    for (const auto& [volume, field, shown] : cases) {
        const auto mix = std::get<M>(
            calc::CalculMortier(325, volume, 100, calc::kDosageRanges[0], {7.25, 40, 0, 0}));
        EXPECT_EQ(calc::FormatNumber(mix.*field, calc::Pattern(field), '.'), shown) << volume;
    }
}

TEST(SplitMinutes, WholeMinutes) {
    const double cases[][3] = {
        // total minutes, hours, minutes
        {61, 1, 1},
        {std::nextafter(61.0, 0.0), 1, 1},  // a whole minute short by a rounding error
        {43.2, 0, 43},
        {273.199, 4, 33},
        {std::nextafter(4320003.0, 0.0), 72000, 3},  // the longest job
    };
    for (const auto& c : cases) {
        const calc::WorkingTime time = calc::SplitMinutes(c[0]);
        EXPECT_EQ(std::pair(time.hours, time.minutes), std::pair(c[1], c[2])) << c[0];
    }
}

// Each bound accepted and refused just beyond, NaN refused; the dosage is examined first, then
// the volume, then the capacity, and the later inputs are not examined.
TEST(Inputs, RefusedInOrderAtTheirBounds) {
    // The concrete's dosages, then the mortar's ranges.
    const double dosages[][2] = {{150, 400}, {300, 350}, {400, 450}, {550, 600}, {700, 900}};
    for (std::size_t i = 0; i < std::size(dosages); ++i) {
        const auto check = [i](double dosage, double volume, double contenance) {
            return i == 0
                       ? calc::CheckBeton(dosage, volume, contenance)
                       : calc::CheckMortier(dosage, volume, contenance, calc::kDosageRanges[i - 1]);
        };
        const auto [lower, upper] = dosages[i];
        SCOPED_TRACE(lower);
        EXPECT_EQ(check(lower, 0.1, 0.1), std::nullopt);
        EXPECT_EQ(check(upper, 100000, 10000), std::nullopt);
        for (const double dosage : {lower - 0.1, upper + 0.1, kNaN})
            EXPECT_EQ(check(dosage, 0, 0), ErrDosage) << dosage;
        EXPECT_EQ(check(lower, 0.09, 0), ErrVolume);
        EXPECT_EQ(check(upper, 100000.1, 0.09), ErrVolume);
        EXPECT_EQ(check(lower, 0.1, 0.09), ErrContenance);
        EXPECT_EQ(check(upper, 100000, 10000.1), ErrContenance);
    }
    // The calculations refuse what the checks refuse.
    EXPECT_EQ(std::get<calc::InputError>(calc::CalculBeton(350, 0, 0, {})), ErrVolume);
    EXPECT_EQ(
        std::get<calc::InputError>(calc::CalculMortier(325, 1000, 0, calc::kDosageRanges[0], {})),
        ErrContenance);
}

}  // namespace
