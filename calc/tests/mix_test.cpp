// SPDX-License-Identifier: GPL-3.0-or-later
// The concrete and mortar mixes: worked examples, whole minutes, and the refusals of inputs and
// prices at their bounds, in their order.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <variant>

#include "calc/calc.h"

namespace {

using C = calc::ConcreteMix;
using M = calc::MortarMix;
using enum calc::InputError;
using enum calc::Price;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

constexpr double C::*kConcreteFields[] = {
    &C::EauTot,      &C::EauTotL,   &C::CimentTot,   &C::SableTot,   &C::GravierTot,
    &C::CimentTotL,  &C::SableTotL, &C::GravierTotL, &C::PrixDetCim, &C::PrixDetSab,
    &C::PrixDetGrav, &C::PrixAchat, &C::Eau,         &C::Ciment,     &C::Sable,
    &C::Gravier,     &C::Beton,     &C::TempsTh,     &C::TempsTm};

constexpr double M::*kMortarFields[] = {&M::Eau,       &M::Ciment,   &M::Sable,      &M::Mortier,
                                        &M::CimentTot, &M::SableTot, &M::CimentTotL, &M::SableTotL,
                                        &M::EauTotL,   &M::EauTot,   &M::PrixDetCim, &M::PrixDetSab,
                                        &M::PrixAchat, &M::TempsTh,  &M::TempsTm};

// expected holds the fields shown with their patterns, separated by spaces, under the decimal
// comma; under the point only the separator differs.
template <class Mix>
void ExpectShown(const Mix& mix, std::span<double Mix::*const> fields, std::string expected) {
    for (const char separator : {',', '.'}) {
        std::string texts;
        for (const auto field : fields)
            texts += (texts.empty() ? "" : " ") +
                     calc::FormatNumber(mix.*field, calc::Pattern(field), separator);
        EXPECT_EQ(texts, expected);
        std::replace(expected.begin(), expected.end(), ',', '.');
    }
}

// 350 kg/m3 in a 150 L mixer.
void ExpectConcrete(double volume, const calc::MaterialPrices& prices, bool avecTransport,
                    const std::string& commaText) {
    const auto mix = std::get<C>(calc::CalculBeton(350, volume, 150, prices));
    ExpectShown<C>(mix, kConcreteFields, commaText);
    EXPECT_EQ(mix.AvecTransport, avecTransport);
}

TEST(CalculBeton, WorkedExamples) {
    ExpectConcrete(1000, {7.25, 40, 35, 60}, true,
                   "194,4 194,4 350,0 734,2 1101,3 280,0 506,4 579,6 72,50 20,25 20,29 173,04 "
                   "21,4 30,7 55,6 63,7 109,8 0 27");
    // A job smaller than the mixer: one smaller batch, one cycle; no prices, no costs.
    ExpectConcrete(100, {}, false,
                   "19,4 19,4 35,0 73,4 110,1 28,0 50,6 58,0 0,00 0,00 0,00 0,00 19,4 28,0 50,6 "
                   "58,0 100,0 0 3");
}

// Prices 7.5, 40 and 0, then the transport; the values are those the decimal point reads back.
// The purchase price adds the costs as shown: 69.64 + 47.2 + 20, not 136.8428... The shown
// texts, when given, are those of the mortar's patterns.
void ExpectMortar(std::size_t range, double dosage, double volume, double contenance,
                  double transport, bool avecTransport,
                  const std::array<double, std::size(kMortarFields)>& values,
                  const std::string& commaText = {}) {
    const auto mix = std::get<M>(calc::CalculMortier(
        dosage, volume, contenance, calc::DosageRanges()[range], {7.5, 40, 0, transport}));
    for (std::size_t i = 0; i < values.size(); ++i)
        EXPECT_DOUBLE_EQ(mix.*kMortarFields[i], values[i]) << "dosage " << dosage << " field " << i;
    EXPECT_EQ(mix.AvecTransport, avecTransport);
    if (!commaText.empty()) ExpectShown<M>(mix, kMortarFields, commaText);
}

TEST(CalculMortier, WorkedExamples) {
    ExpectMortar(0, 325, 1000, 100, 20, true,
                 {11.2847222222222, 18.0555555555556, 81.9444444444444, 69.4444444444444, 325, 1711,
                  260, 1180, 162.5, 162.5, 69.6428571428572, 47.2, 136.84, 0, 43});
    ExpectMortar(1, 425, 2400, 150, 20, true,
                 {22.1354166666667, 35.4166666666667, 114.583333333333, 104.166666666667, 1020,
                  3828, 816, 2640, 510, 510, 218.571428571429, 105.6, 344.17, 1, 9});
    ExpectMortar(
        2, 575, 800, 120, 0, false,
        {23.9583333333333, 38.3333333333333, 81.6666666666667, 83.3333333333333, 460, 1136.8, 368,
         784, 230, 230, 98.5714285714286, 31.36, 129.93, 0, 28},
        "24,0 38,3 81,7 83,3 460,0 1136,8 368,0 784,0 230,0 230,0 98,57 31,36 129,93 0 28");
    // One small batch.
    ExpectMortar(3, 800, 50, 100, 20, true,
                 {20, 32, 40, 50, 40, 58, 32, 40, 20, 20, 8.57142857142857, 1.6, 30.17, 0, 3});
    // A tiny price, which the menu accepts, still costs to 15 digits.
    const auto tiny =
        calc::CalculMortier(325, 1000, 100, calc::DosageRanges()[0], {1e-300, 0, 0, 0});
    EXPECT_DOUBLE_EQ(std::get<M>(tiny).PrixDetCim, 9.28571428571429e-300);
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
            return i == 0 ? calc::CheckBeton(dosage, volume, contenance)
                          : calc::CheckMortier(dosage, volume, contenance,
                                               calc::DosageRanges()[i - 1]);
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
    for (const calc::DosageRange& range : calc::DosageRanges()) {
        for (const double between : {375.0, 500.0, 650.0})
            EXPECT_EQ(calc::CheckMortier(between, 1000, 100, range), ErrDosage) << between;
    }
    // The calculations refuse what the checks refuse.
    EXPECT_EQ(std::get<calc::InputError>(calc::CalculBeton(350, 0, 0, {})), ErrVolume);
    EXPECT_EQ(
        std::get<calc::InputError>(calc::CalculMortier(325, 1000, 0, calc::DosageRanges()[0], {})),
        ErrContenance);
}

TEST(CheckPrices, FirstPriceOutOfItsRange) {
    const struct {
        calc::MaterialPrices prices;  // cement, sand, gravel, transport
        std::optional<calc::Price> refused;
    } cases[] = {
        {{0, 0, 0, 0}, std::nullopt},
        {{800000, 9000000, 9000000, 9000000}, std::nullopt},
        {{800000.5, 0, 0, 0}, Ciment},
        {{-1, -1, -1, -1}, Ciment},  // the later ones are not examined
        {{0, 9000000.5, -1, -1}, Sable},
        {{0, kNaN, 0, 0}, Sable},
        {{0, 0, 9000000.5, kNaN}, Gravier},
        {{0, 0, 0, 9000000.5}, Transport},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(calc::CheckPrices(cases[i].prices), cases[i].refused) << "case " << i;
}

}  // namespace
