// SPDX-License-Identifier: GPL-3.0-or-later
// The concrete calculation: worked example with its shown texts, input checks, batch sizes,
// working time and prices.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>

#include "calc/concrete.h"
#include "calc/number.h"
#include "calc/tests/shown.h"

namespace {

using calc::CalculBeton;
using calc::CheckBeton;
using calc::ConcreteMix;
using calc::InputError;
using calc::MaterialPrices;
using calc_test::ExpectShown;

constexpr MaterialPrices kExamplePrices{7.25, 40, 35, 60};

ConcreteMix Mix(double dosage, double volume, double contenance,
                const MaterialPrices& prices = kExamplePrices) {
    const auto result = CalculBeton(dosage, volume, contenance, prices);
    EXPECT_TRUE(std::holds_alternative<ConcreteMix>(result));
    return std::holds_alternative<ConcreteMix>(result) ? std::get<ConcreteMix>(result)
                                                       : ConcreteMix{};
}

struct ShownField {
    const char* name;
    double ConcreteMix::*field;
    std::string_view commaText;
};

void ExpectFields(const ConcreteMix& mix, std::initializer_list<ShownField> fields) {
    for (const ShownField& f : fields) {
        SCOPED_TRACE(f.name);
        ExpectShown(mix.*f.field, calc::Pattern(f.field), f.commaText);
    }
}

TEST(CalculBeton, WorkedExampleShownTexts) {
    const ConcreteMix mix = Mix(350, 1000, 150);
    ExpectFields(mix, {{"EauTot", &ConcreteMix::EauTot, "194,4"},
                       {"EauTotL", &ConcreteMix::EauTotL, "194,4"},
                       {"CimentTot", &ConcreteMix::CimentTot, "350,0"},
                       {"SableTot", &ConcreteMix::SableTot, "734,2"},
                       {"GravierTot", &ConcreteMix::GravierTot, "1101,3"},
                       {"CimentTotL", &ConcreteMix::CimentTotL, "280,0"},
                       {"SableTotL", &ConcreteMix::SableTotL, "506,4"},
                       {"GravierTotL", &ConcreteMix::GravierTotL, "579,6"},
                       {"PrixDetCim", &ConcreteMix::PrixDetCim, "72,50"},
                       {"PrixDetSab", &ConcreteMix::PrixDetSab, "20,25"},
                       {"PrixDetGrav", &ConcreteMix::PrixDetGrav, "20,29"},
                       {"PrixAchat", &ConcreteMix::PrixAchat, "173,04"},
                       {"Eau", &ConcreteMix::Eau, "21,4"},
                       {"Ciment", &ConcreteMix::Ciment, "30,7"},
                       {"Sable", &ConcreteMix::Sable, "55,6"},
                       {"Gravier", &ConcreteMix::Gravier, "63,7"},
                       {"Beton", &ConcreteMix::Beton, "109,8"},
                       {"TempsTh", &ConcreteMix::TempsTh, "0"},
                       {"TempsTm", &ConcreteMix::TempsTm, "27"}});
    EXPECT_TRUE(mix.AvecTransport);
}

TEST(CalculBeton, WorkedExampleUnroundedValues) {
    const ConcreteMix mix = Mix(350, 1000, 150);
    EXPECT_EQ(mix.EauTot, mix.EauTotL);
    EXPECT_NEAR(mix.SableTot, 734.211, 1e-3);
    EXPECT_NEAR(mix.GravierTot, 1101.317, 1e-3);
    EXPECT_NEAR(mix.PrixDetSab, 20.254, 1e-3);
    EXPECT_NEAR(mix.PrixAchat, 173.042, 1e-3);
    EXPECT_NEAR(mix.Beton, 109.810, 1e-3);
    // A full mixer: the per-batch loads add up to the capacity.
    EXPECT_NEAR(mix.Ciment + mix.Sable + mix.Gravier, 150, 1e-9);
}

struct InputCase {
    const char* name;
    double dosage;
    double volume;
    double contenance;
    std::optional<InputError> error;
};

void PrintTo(const InputCase& c, std::ostream* os) {
    *os << c.name;
}

class CalculBetonInputs : public ::testing::TestWithParam<InputCase> {};

TEST_P(CalculBetonInputs, ChecksDosageThenVolumeThenCapacity) {
    const InputCase& c = GetParam();
    const auto result = CalculBeton(c.dosage, c.volume, c.contenance, kExamplePrices);
    EXPECT_EQ(CheckBeton(c.dosage, c.volume, c.contenance), c.error);
    if (c.error) {
        ASSERT_TRUE(std::holds_alternative<InputError>(result));
        EXPECT_EQ(std::get<InputError>(result), *c.error);
    } else {
        EXPECT_TRUE(std::holds_alternative<ConcreteMix>(result));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, CalculBetonInputs,
    ::testing::Values(
        InputCase{"Dosage150", 150, 1000, 150, std::nullopt},
        InputCase{"Dosage400", 400, 1000, 150, std::nullopt},
        InputCase{"Dosage149_9", 149.9, 1000, 150, InputError::ErrDosage},
        InputCase{"Dosage400_1", 400.1, 1000, 150, InputError::ErrDosage},
        InputCase{"DosageBoxEmpty", calc::Val(""), 1000, 150, InputError::ErrDosage},
        InputCase{"DosageBoxNotNumeric", calc::Val("abc"), 1000, 150, InputError::ErrDosage},
        InputCase{"DosageHugeExponent", calc::Val("1e999"), 1000, 150, InputError::ErrDosage},
        InputCase{"DosageNaN", std::nan(""), 1000, 150, InputError::ErrDosage},
        InputCase{"Volume0_1", 350, 0.1, 150, std::nullopt},
        InputCase{"Volume100000", 350, 100000, 150, std::nullopt},
        InputCase{"Volume0_09", 350, 0.09, 150, InputError::ErrVolume},
        InputCase{"Volume100000_1", 350, 100000.1, 150, InputError::ErrVolume},
        InputCase{"Contenance0_1", 350, 1000, 0.1, std::nullopt},
        InputCase{"Contenance10000", 350, 1000, 10000, std::nullopt},
        InputCase{"Contenance0_09", 350, 1000, 0.09, InputError::ErrContenance},
        InputCase{"Contenance10000_1", 350, 1000, 10000.1, InputError::ErrContenance},
        InputCase{"BadDosageAndVolume", 100, 0, 150, InputError::ErrDosage},
        InputCase{"BadVolumeAndContenance", 350, 0, 0, InputError::ErrVolume},
        InputCase{"AllBad", 0, 0, 0, InputError::ErrDosage}),
    [](const ::testing::TestParamInfo<InputCase>& info) { return std::string(info.param.name); });

TEST(CalculBeton, JobSmallerThanOneBatch) {
    const ConcreteMix mix = Mix(350, 100, 150);
    ExpectFields(mix, {{"Beton", &ConcreteMix::Beton, "100,0"},
                       {"Ciment", &ConcreteMix::Ciment, "28,0"},
                       {"Sable", &ConcreteMix::Sable, "50,6"},
                       {"Gravier", &ConcreteMix::Gravier, "58,0"},
                       {"Eau", &ConcreteMix::Eau, "19,4"},
                       {"TempsTh", &ConcreteMix::TempsTh, "0"},
                       {"TempsTm", &ConcreteMix::TempsTm, "3"}});
    EXPECT_EQ(mix.Beton, 100);
    // The smaller load is the dry materials of the smaller batch.
    EXPECT_NEAR(mix.Ciment + mix.Sable + mix.Gravier, 136.599, 1e-3);
}

TEST(CalculBeton, PartialLastBatchNotRoundedUp) {
    const ConcreteMix mix = Mix(350, 10000, 150);
    EXPECT_EQ(mix.TempsTh, 4);
    EXPECT_EQ(mix.TempsTm, 33);
}

TEST(CalculBeton, LargestJobLeanestMix) {
    const ConcreteMix mix = Mix(150, 100000, 10000);
    EXPECT_NEAR(mix.Beton, 6750.575, 1e-3);
    EXPECT_EQ(mix.TempsTh, 0);
    EXPECT_EQ(mix.TempsTm, 44);
}

TEST(CalculBeton, NoPricesNoCosts) {
    const ConcreteMix mix = Mix(350, 1000, 150, MaterialPrices{});
    for (const auto field : {&ConcreteMix::PrixDetCim, &ConcreteMix::PrixDetSab,
                             &ConcreteMix::PrixDetGrav, &ConcreteMix::PrixAchat}) {
        EXPECT_EQ(mix.*field, 0);
        EXPECT_EQ(calc::FormatNumber(mix.*field, calc::Pattern(field), ','), "0,00");
    }
    EXPECT_FALSE(mix.AvecTransport);
}

TEST(CalculBeton, TransportAlone) {
    const ConcreteMix mix = Mix(350, 1000, 150, MaterialPrices{0, 0, 0, 60});
    EXPECT_EQ(mix.PrixAchat, 60);
    EXPECT_TRUE(mix.AvecTransport);
}

TEST(CalculBeton, NegativePriceGivesNegativeCost) {
    const ConcreteMix mix = Mix(350, 1000, 150, MaterialPrices{-7.25, 0, 0, 0});
    ExpectShown(mix.PrixDetCim, calc::Pattern(&ConcreteMix::PrixDetCim), "-72,50");
    ExpectShown(mix.PrixAchat, calc::Pattern(&ConcreteMix::PrixAchat), "-72,50");
}

TEST(CalculBeton, AbsurdPricesOverflowOnlyTheCosts) {
    const ConcreteMix mix = Mix(350, 1000, 150, MaterialPrices{1e308, 1e308, 1e308, 1e308});
    for (const auto field : {&ConcreteMix::PrixDetCim, &ConcreteMix::PrixAchat}) {
        EXPECT_EQ(calc::FormatNumber(mix.*field, calc::Pattern(field), ','), calc::kOverflowText);
    }
    ExpectShown(mix.CimentTot, calc::Pattern(&ConcreteMix::CimentTot), "350,0");
}

TEST(CalculBeton, HugePricesShownInFull) {
    const ConcreteMix mix = Mix(350, 1000, 150, MaterialPrices{1e300, 0, 0, 0});
    const std::string_view pattern = calc::Pattern(&ConcreteMix::PrixAchat);
    EXPECT_EQ(calc::FormatNumber(mix.PrixAchat, pattern, ',').size(), 302u + 3u);
    EXPECT_DOUBLE_EQ(calc::Val(calc::FormatNumber(mix.PrixAchat, pattern, '.')), 1e301);
}

}  // namespace
