// SPDX-License-Identifier: GPL-3.0-or-later
// The library under a French C locale, as the windows run it: numbers are still read with the
// point and written with the separator the caller asks for.
#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <variant>

#include "calc/calc.h"

namespace {

using calc::ConcreteMix;
using calc::MortarMix;

class FrenchLocale : public ::testing::Test {
  protected:
    void SetUp() override {
        if (std::setlocale(LC_ALL, "fr_FR.UTF-8") == nullptr) {
            GTEST_SKIP() << "the fr_FR.UTF-8 locale is not installed";
        }
        ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

std::string ConcreteTexts() {
    const auto mix = std::get<ConcreteMix>(calc::CalculBeton(350, 1000, 150, {7.25, 40, 35, 60}));
    std::string texts;
    for (const auto field : {&ConcreteMix::EauTot, &ConcreteMix::GravierTot,
                             &ConcreteMix::PrixAchat, &ConcreteMix::Beton, &ConcreteMix::TempsTm}) {
        texts += calc::FormatNumber(mix.*field, calc::Pattern(field), ',') + ' ';
    }
    return texts;
}

std::string MortarTexts() {
    const auto mix = std::get<MortarMix>(
        calc::CalculMortier(575, 800, 120, calc::DosageRanges()[2], {7.5, 40, 0, 0}));
    std::string texts;
    for (const auto field : {&MortarMix::Eau, &MortarMix::SableTotL, &MortarMix::PrixDetCim,
                             &MortarMix::PrixAchat, &MortarMix::TempsTm}) {
        texts += calc::FormatNumber(mix.*field, calc::Pattern(field), '.') + ' ';
    }
    return texts;
}

TEST_F(FrenchLocale, ValStillReadsThePoint) {
    EXPECT_EQ(calc::Val("3.5"), 3.5);
    EXPECT_EQ(calc::Val("3,5"), 3);
    EXPECT_EQ(calc::Val("1.5e3"), 1500);
    EXPECT_EQ(calc::ReadTyped("3,5"), 3.5);
}

TEST_F(FrenchLocale, FormatNumberWritesTheAskedSeparator) {
    EXPECT_EQ(calc::FormatNumber(1.5, "0.0", '.'), "1.5");
    EXPECT_EQ(calc::FormatNumber(1.5, "0.0", ','), "1,5");
}

TEST_F(FrenchLocale, ResultsUnchanged) {
    EXPECT_EQ(ConcreteTexts(), "194,4 1101,3 173,04 109,8 27 ");
    EXPECT_EQ(MortarTexts(), "24.0 784.0 98.57 129.93 28 ");
}

}  // namespace
