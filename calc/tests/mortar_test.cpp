// SPDX-License-Identifier: GPL-3.0-or-later
// The mortar dosage ranges and the mortar calculation: worked examples, input checks,
// working time, prices and the shown texts under both decimal separators.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "calc/mortar.h"
#include "calc/number.h"
#include "calc/ranges.h"
#include "calc/tests/shown.h"

namespace {

using calc::CalculMortier;
using calc::CheckMortier;
using calc::DosageRanges;
using calc::InputError;
using calc::MaterialPrices;
using calc::MortarMix;
using calc_test::ExpectShown;

constexpr MaterialPrices kExamplePrices{7.5, 40, 0, 20};

MortarMix Mix(std::size_t range, double dosage, double volume, double contenance,
              const MaterialPrices& prices = kExamplePrices) {
    const auto result = CalculMortier(dosage, volume, contenance, DosageRanges()[range], prices);
    EXPECT_TRUE(std::holds_alternative<MortarMix>(result));
    return std::holds_alternative<MortarMix>(result) ? std::get<MortarMix>(result) : MortarMix{};
}

TEST(DosageRanges, FourRangesInOrder) {
    const struct {
        double lower, upper;
        std::string_view caption, option, description;
    } expected[] = {
        {300, 350, "entre 300 et 350 Kg/m3", "OptDose1", "Label1"},
        {400, 450, "entre 400 et 450 Kg/m3", "OptDose2", "Label2"},
        {550, 600, "entre 550 et 600 Kg/m3", "OptDose3", "Label3"},
        {700, 900, "entre 700 et 900 Kg/m3", "OptDose4", "Label4"},
    };
    for (std::size_t i = 0; i < DosageRanges().size(); ++i) {
        SCOPED_TRACE(i);
        const calc::DosageRange& range = DosageRanges()[i];
        EXPECT_EQ(range.lower, expected[i].lower);
        EXPECT_EQ(range.upper, expected[i].upper);
        EXPECT_EQ(range.caption, expected[i].caption);
        EXPECT_EQ(range.option, expected[i].option);
        EXPECT_EQ(range.description, expected[i].description);
    }
}

// The fields of the worked examples, in the order of their table.
constexpr double MortarMix::*kExampleFields[] = {
    &MortarMix::Eau,       &MortarMix::Ciment,   &MortarMix::Sable,      &MortarMix::Mortier,
    &MortarMix::CimentTot, &MortarMix::SableTot, &MortarMix::CimentTotL, &MortarMix::SableTotL,
    &MortarMix::EauTotL,   &MortarMix::EauTot,   &MortarMix::PrixDetCim, &MortarMix::PrixDetSab,
    &MortarMix::PrixAchat, &MortarMix::TempsTh,  &MortarMix::TempsTm};

struct ExampleInputs {
    std::size_t range;
    double dosage, volume, contenance, transport;
};

struct WorkedExample {
    const char* name;
    ExampleInputs in;
    std::array<double, std::size(kExampleFields)> values;
    bool avecTransport;
    std::string_view prixAchatText;  // with the decimal comma
};

const WorkedExample kWorkedExamples[] = {
    {"Range1",
     {0, 325, 1000, 100, 20},
     {11.2847222222222, 18.0555555555556, 81.9444444444444, 69.4444444444444, 325, 1711, 260, 1180,
      162.5, 162.5, 69.6428571428572, 47.2, 136.84, 0, 43},
     true,
     "136,84"},
    {"Range2",
     {1, 425, 2400, 150, 20},
     {22.1354166666667, 35.4166666666667, 114.583333333333, 104.166666666667, 1020, 3828, 816, 2640,
      510, 510, 218.571428571429, 105.6, 344.17, 1, 9},
     true,
     "344,17"},
    {"Range3NoTransport",
     {2, 575, 800, 120, 0},
     {23.9583333333333, 38.3333333333333, 81.6666666666667, 83.3333333333333, 460, 1136.8, 368, 784,
      230, 230, 98.5714285714286, 31.36, 129.93, 0, 28},
     false,
     "129,93"},
    {"Range4OneSmallBatch",
     {3, 800, 50, 100, 20},
     {20, 32, 40, 50, 40, 58, 32, 40, 20, 20, 8.57142857142857, 1.6, 30.17, 0, 3},
     true,
     "30,17"},
};

void PrintTo(const WorkedExample& c, std::ostream* os) {
    *os << c.name;
}

class CalculMortierExample : public ::testing::TestWithParam<WorkedExample> {};

TEST_P(CalculMortierExample, DecimalPointValues) {
    const WorkedExample& e = GetParam();
    const MortarMix mix = Mix(e.in.range, e.in.dosage, e.in.volume, e.in.contenance,
                              MaterialPrices{7.5, 40, 0, e.in.transport});
    for (std::size_t i = 0; i < e.values.size(); ++i) {
        EXPECT_DOUBLE_EQ(mix.*kExampleFields[i], e.values[i]) << "field " << i;
    }
    EXPECT_EQ(mix.AvecTransport, e.avecTransport);
    ExpectShown(mix.PrixAchat, calc::Pattern(&MortarMix::PrixAchat), e.prixAchatText);
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, CalculMortierExample, ::testing::ValuesIn(kWorkedExamples),
                         [](const ::testing::TestParamInfo<WorkedExample>& info) {
                             return std::string(info.param.name);
                         });

struct InputCase {
    std::string name;
    std::size_t range;
    double dosage, volume, contenance;
    std::optional<InputError> error;
};

std::vector<InputCase> InputCases() {
    std::vector<InputCase> cases = {
        {"Range1Dosage300", 0, 300, 1000, 100, std::nullopt},
        {"Range1Dosage350", 0, 350, 1000, 100, std::nullopt},
        {"Range1Dosage299_9", 0, 299.9, 1000, 100, InputError::ErrDosage},
        {"Range1Dosage350_1", 0, 350.1, 1000, 100, InputError::ErrDosage},
        {"Range1Dosage350_5", 0, 350.5, 1000, 100, InputError::ErrDosage},
        {"Range1DosageOfRange2", 0, 425, 1000, 100, InputError::ErrDosage},
        {"DosageBoxEmpty", 0, calc::Val(""), 1000, 100, InputError::ErrDosage},
        {"Volume0_1", 0, 325, 0.1, 100, std::nullopt},
        {"Volume100000", 0, 325, 100000, 100, std::nullopt},
        {"Volume0_09", 0, 325, 0.09, 100, InputError::ErrVolume},
        {"Volume100000_1", 0, 325, 100000.1, 100, InputError::ErrVolume},
        {"Contenance0_1", 0, 325, 1000, 0.1, std::nullopt},
        {"Contenance10000", 0, 325, 1000, 10000, std::nullopt},
        {"Contenance0_09", 0, 325, 1000, 0.09, InputError::ErrContenance},
        {"Contenance10000_1", 0, 325, 1000, 10000.1, InputError::ErrContenance},
        {"BadDosageAndVolume", 0, 425, 0, 100, InputError::ErrDosage},
        {"BadVolumeAndContenance", 0, 325, 0, 0, InputError::ErrVolume},
    };
    for (std::size_t range = 0; range < DosageRanges().size(); ++range) {
        const std::string prefix = "Range" + std::to_string(range + 1);
        for (const double between : {375, 500, 650}) {
            cases.push_back({prefix + "Between" + std::to_string(static_cast<int>(between)), range,
                             between, 1000, 100, InputError::ErrDosage});
        }
    }
    return cases;
}

void PrintTo(const InputCase& c, std::ostream* os) {
    *os << c.name;
}

class CalculMortierInputs : public ::testing::TestWithParam<InputCase> {};

TEST_P(CalculMortierInputs, ChecksDosageThenVolumeThenCapacity) {
    const InputCase& c = GetParam();
    const auto result =
        CalculMortier(c.dosage, c.volume, c.contenance, DosageRanges()[c.range], kExamplePrices);
    EXPECT_EQ(CheckMortier(c.dosage, c.volume, c.contenance, DosageRanges()[c.range]), c.error);
    if (c.error) {
        ASSERT_TRUE(std::holds_alternative<InputError>(result));
        EXPECT_EQ(std::get<InputError>(result), *c.error);
    } else {
        EXPECT_TRUE(std::holds_alternative<MortarMix>(result));
    }
}

INSTANTIATE_TEST_SUITE_P(Bounds, CalculMortierInputs, ::testing::ValuesIn(InputCases()),
                         [](const ::testing::TestParamInfo<InputCase>& info) {
                             return info.param.name;
                         });

TEST(CalculMortier, BoundsOfEveryRangeAccepted) {
    const struct {
        double lower, upper;
    } bounds[] = {{300, 350}, {400, 450}, {550, 600}, {700, 900}};
    ASSERT_EQ(std::size(bounds), DosageRanges().size());
    for (std::size_t i = 0; i < std::size(bounds); ++i) {
        SCOPED_TRACE(i);
        const calc::DosageRange& range = DosageRanges()[i];
        for (const double dosage : {bounds[i].lower, bounds[i].upper}) {
            EXPECT_TRUE(std::holds_alternative<MortarMix>(
                CalculMortier(dosage, 1000, 100, range, kExamplePrices)))
                << dosage;
        }
        for (const double dosage : {bounds[i].lower - 0.1, bounds[i].upper + 0.1}) {
            const auto result = CalculMortier(dosage, 1000, 100, range, kExamplePrices);
            ASSERT_TRUE(std::holds_alternative<InputError>(result)) << dosage;
            EXPECT_EQ(std::get<InputError>(result), InputError::ErrDosage) << dosage;
        }
    }
}

TEST(CalculMortier, ExactWholeMinutesKeepTheirLastMinute) {
    // 30 L per batch: 610 L take exactly 61 minutes, 500 L at 20.83 L per batch 72 minutes.
    const MortarMix sixtyOne = Mix(0, 325, 610, 43.2);
    EXPECT_EQ(sixtyOne.TempsTh, 1);
    EXPECT_EQ(sixtyOne.TempsTm, 1);
    const MortarMix seventyTwo = Mix(0, 300, 500, 30);
    EXPECT_EQ(seventyTwo.TempsTh, 1);
    EXPECT_EQ(seventyTwo.TempsTm, 12);
}

TEST(CalculMortier, PurchasePriceAddsTheCostsAsShown) {
    const MortarMix mix = Mix(0, 325, 1000, 100, MaterialPrices{1, 1.14, 0, 0});
    ExpectShown(mix.PrixDetCim, calc::Pattern(&MortarMix::PrixDetCim), "9,29");
    ExpectShown(mix.PrixDetSab, calc::Pattern(&MortarMix::PrixDetSab), "1,35");
    // The unrounded costs would add up to 10.6309...
    EXPECT_DOUBLE_EQ(mix.PrixAchat, 10.64);
}

TEST(CalculMortier, NoPricesNoCosts) {
    const MortarMix mix = Mix(0, 325, 1000, 100, MaterialPrices{});
    EXPECT_EQ(mix.PrixDetCim, 0);
    EXPECT_EQ(mix.PrixDetSab, 0);
    EXPECT_EQ(mix.PrixAchat, 0);
    EXPECT_FALSE(mix.AvecTransport);
}

TEST(CalculMortier, TransportAlone) {
    const MortarMix mix = Mix(0, 325, 1000, 100, MaterialPrices{0, 0, 99, 20});
    EXPECT_EQ(mix.PrixAchat, 20);
    EXPECT_TRUE(mix.AvecTransport);
}

TEST(CalculMortier, AbsurdPricesOverflowOnlyTheCosts) {
    const MortarMix mix = Mix(0, 325, 1000, 100, MaterialPrices{1e308, 1e308, 0, 1e308});
    for (const auto field : {&MortarMix::PrixDetCim, &MortarMix::PrixAchat}) {
        EXPECT_EQ(calc::FormatNumber(mix.*field, calc::Pattern(field), ','), calc::kOverflowText);
    }
    // 1711 kg of sand is 1.18 cubic metres: still a finite cost, shown in full.
    const std::string sand = calc::FormatNumber(mix.PrixDetSab, "######0.#0", '.');
    EXPECT_EQ(sand.size(), 309u + 3u);
    EXPECT_DOUBLE_EQ(calc::Val(sand), 1711.0 / 1450 * 1e308);
    ExpectShown(mix.SableTotL, calc::Pattern(&MortarMix::SableTotL), "1180,0");
}

TEST(CalculMortier, HugePricesReadBackInFull) {
    const MortarMix mix = Mix(0, 325, 1000, 100, MaterialPrices{1e300, 1e300, 0, 0});
    EXPECT_NEAR(mix.PrixAchat / ((1711.0 / 1450 + 325.0 / 35) * 1e300), 1, 1e-12);
}

}  // namespace
