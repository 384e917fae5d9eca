// SPDX-License-Identifier: GPL-3.0-or-later
// CalculBeton and CalculMortier fed as the windows feed them: Val of typed texts. The input
// holds the texts of the dosage, volume, capacity and four prices, one per line, then a line
// whose first byte picks the mortar range and the decimal separator. Every field must show as
// a number or the overflow text; quantities and times, which prices cannot touch, are finite.
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "calc/calc.h"
#include "checks.h"

namespace {

using karvo_fuzz::Require;

struct Inputs {
    std::array<double, 7> values{};  // dosage, volume, capacity, then the four prices
    const calc::DosageRange* range = nullptr;
    char separator = '.';
};

Inputs Split(std::string_view text) {
    Inputs inputs;
    for (double& value : inputs.values) {
        const std::size_t end = text.find('\n');
        value = calc::Val(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    const auto choice = static_cast<unsigned char>(text.empty() ? 0 : text.front());
    inputs.range = &calc::DosageRanges()[choice % 4];
    inputs.separator = karvo_fuzz::kSeparators[(choice / 4) % 2];
    return inputs;
}

template <class Mix>
void CheckShown(const Mix& mix, double Mix::*field, char separator, bool priced) {
    const double value = mix.*field;
    const std::string_view pattern = calc::Pattern(field);
    const std::string text = calc::FormatNumber(value, pattern, separator);
    Require((text == calc::kOverflowText) == !std::isfinite(value),
            "the overflow text exactly for values that are not finite", text);
    karvo_fuzz::RequireShown(text, pattern, separator);
    if (!priced) Require(std::isfinite(value) && value >= 0, "finite, positive quantities", text);
}

void CheckTime(double hours, double minutes) {
    Require(hours == std::floor(hours) && minutes == std::floor(minutes) && minutes < 60,
            "whole hours and minutes below 60");
}

void CheckConcrete(const Inputs& in, const calc::MaterialPrices& prices) {
    using M = calc::ConcreteMix;
    const auto result = calc::CalculBeton(in.values[0], in.values[1], in.values[2], prices);
    const auto error = calc::CheckBeton(in.values[0], in.values[1], in.values[2]);
    Require(std::holds_alternative<calc::InputError>(result) == error.has_value(),
            "CalculBeton refuses what CheckBeton refuses");
    const M* mix = std::get_if<M>(&result);
    if (!mix) return;
    for (const auto field : {&M::EauTot, &M::CimentTot, &M::SableTot, &M::GravierTot, &M::EauTotL,
                             &M::CimentTotL, &M::SableTotL, &M::GravierTotL, &M::Eau, &M::Ciment,
                             &M::Sable, &M::Gravier, &M::Beton, &M::TempsTh, &M::TempsTm})
        CheckShown(*mix, field, in.separator, false);
    for (const auto field : {&M::PrixDetCim, &M::PrixDetSab, &M::PrixDetGrav, &M::PrixAchat})
        CheckShown(*mix, field, in.separator, true);
    CheckTime(mix->TempsTh, mix->TempsTm);
    Require(mix->AvecTransport == (prices.PrixTransport != 0), "transport shown when paid");
}

void CheckMortar(const Inputs& in, const calc::MaterialPrices& prices) {
    using M = calc::MortarMix;
    const auto result =
        calc::CalculMortier(in.values[0], in.values[1], in.values[2], *in.range, prices);
    const auto error = calc::CheckMortier(in.values[0], in.values[1], in.values[2], *in.range);
    Require(std::holds_alternative<calc::InputError>(result) == error.has_value(),
            "CalculMortier refuses what CheckMortier refuses");
    const M* mix = std::get_if<M>(&result);
    if (!mix) return;
    for (const auto field :
         {&M::Eau, &M::Ciment, &M::Sable, &M::Mortier, &M::CimentTot, &M::SableTot, &M::CimentTotL,
          &M::SableTotL, &M::EauTotL, &M::EauTot, &M::TempsTh, &M::TempsTm})
        CheckShown(*mix, field, in.separator, false);
    for (const auto field : {&M::PrixDetCim, &M::PrixDetSab, &M::PrixAchat})
        CheckShown(*mix, field, in.separator, true);
    CheckTime(mix->TempsTh, mix->TempsTm);
    Require(mix->AvecTransport == (prices.PrixTransport != 0), "transport shown when paid");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Inputs in = Split(std::string_view(reinterpret_cast<const char*>(data), size));
    const calc::MaterialPrices prices{in.values[3], in.values[4], in.values[5], in.values[6]};
    CheckConcrete(in, prices);
    CheckMortar(in, prices);
    return 0;
}
