// SPDX-License-Identifier: GPL-3.0-or-later
// The mortar mix within a dosage range. Several results are computed from the numbers as
// they are shown (rounded to the shown decimals), whatever the decimal separator.
#pragma once

#include <optional>
#include <string_view>
#include <variant>

#include "calc/patterns.h"
#include "calc/prices.h"
#include "calc/ranges.h"

namespace calc {

struct MortarMix {
    double Eau = 0, Ciment = 0, Sable = 0, Mortier = 0;
    double CimentTot = 0, SableTot = 0, CimentTotL = 0, SableTotL = 0;
    double EauTotL = 0, EauTot = 0;
    double PrixDetCim = 0, PrixDetSab = 0, PrixAchat = 0;
    bool AvecTransport = false;
    double TempsTh = 0, TempsTm = 0;
};

// The first faulty input in the order dosage, volume, capacity, as CalculMortier refuses it.
std::optional<InputError> CheckMortier(double Dosage, double Volume, double Contenance,
                                       const DosageRange& range);

std::variant<MortarMix, InputError> CalculMortier(double Dosage, double Volume, double Contenance,
                                                  const DosageRange& range,
                                                  const MaterialPrices& prices);

// The format pattern with which each field is shown.
inline constexpr auto kMortarPatterns = std::to_array<FieldPattern<MortarMix>>({
    {&MortarMix::Eau, "######0.0"},
    {&MortarMix::Ciment, "######0.0"},
    {&MortarMix::Sable, "######0.0"},
    {&MortarMix::Mortier, "######0.0"},
    {&MortarMix::CimentTot, "######0.0"},
    {&MortarMix::SableTot, "######0.0"},
    {&MortarMix::CimentTotL, "######0.0"},
    {&MortarMix::SableTotL, "######0.0"},
    {&MortarMix::EauTotL, "######0.0"},
    {&MortarMix::EauTot, "######0.0"},
    {&MortarMix::PrixDetCim, "######0.#0"},
    {&MortarMix::PrixDetSab, "######0.#0"},
    {&MortarMix::PrixAchat, "######0.#0"},
    {&MortarMix::TempsTh, "####0"},
    {&MortarMix::TempsTm, "##0"},
});
static_assert(PatternsSound<kMortarPatterns>());

constexpr std::string_view Pattern(double MortarMix::*field) {
    return FindPattern(kMortarPatterns, field);
}

}  // namespace calc
