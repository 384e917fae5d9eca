// SPDX-License-Identifier: GPL-3.0-or-later
// The concrete mix: validation of dosage, volume and mixer capacity, and every result with
// its format pattern.
#pragma once

#include <optional>
#include <string_view>
#include <variant>

#include "calc/patterns.h"
#include "calc/prices.h"

namespace calc {

struct ConcreteMix {
    double EauTot = 0, CimentTot = 0, SableTot = 0, GravierTot = 0;
    double EauTotL = 0, CimentTotL = 0, SableTotL = 0, GravierTotL = 0;
    double PrixDetCim = 0, PrixDetSab = 0, PrixDetGrav = 0, PrixAchat = 0;
    bool AvecTransport = false;
    double Eau = 0, Ciment = 0, Sable = 0, Gravier = 0, Beton = 0;
    double TempsTh = 0, TempsTm = 0;
};

// The first faulty input in the order dosage, volume, capacity, as CalculBeton refuses it.
std::optional<InputError> CheckBeton(double Dosage, double Volume, double Contenance);

std::variant<ConcreteMix, InputError> CalculBeton(double Dosage, double Volume, double Contenance,
                                                  const MaterialPrices& prices);

// The format pattern with which each field is shown.
inline constexpr auto kConcretePatterns = std::to_array<FieldPattern<ConcreteMix>>({
    {&ConcreteMix::EauTot, "######0.0"},
    {&ConcreteMix::CimentTot, "######0.0"},
    {&ConcreteMix::SableTot, "#######0.0"},
    {&ConcreteMix::GravierTot, "#######0.0"},
    {&ConcreteMix::EauTotL, "######0.0"},
    {&ConcreteMix::CimentTotL, "######0.0"},
    {&ConcreteMix::SableTotL, "######0.0"},
    {&ConcreteMix::GravierTotL, "######0.0"},
    {&ConcreteMix::PrixDetCim, "######0.#0"},
    {&ConcreteMix::PrixDetSab, "######0.#0"},
    {&ConcreteMix::PrixDetGrav, "######0.#0"},
    {&ConcreteMix::PrixAchat, "######0.#0"},
    {&ConcreteMix::Eau, "#####0.0"},
    {&ConcreteMix::Ciment, "#######0.0"},
    {&ConcreteMix::Sable, "#######0.0"},
    {&ConcreteMix::Gravier, "#######0.0"},
    {&ConcreteMix::Beton, "#######0.0"},
    {&ConcreteMix::TempsTh, "####0"},
    {&ConcreteMix::TempsTm, "##0"},
});
static_assert(PatternsSound<kConcretePatterns>());

constexpr std::string_view Pattern(double ConcreteMix::*field) {
    return FindPattern(kConcretePatterns, field);
}

}  // namespace calc
