// SPDX-License-Identifier: GPL-3.0-or-later
// CalculBeton and CalculMortier fed as the windows feed them, with Val of typed texts: the
// dosage, volume, capacity and four prices, one a line, then a byte that picks the mortar range.
// Inputs and prices are refused at the bounds written out here, in their order; with the prices
// the menu accepts the purchase price is finite and at least the transport, and the working time is
// three minutes a batch in whole minutes.
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>

#include "calc/calc.h"
#include "checks.h"

namespace {

using calc::InputError;
using karvo_fuzz::Require;

// v holds the dosage, volume, capacity and prices; batch is the field of the batch size.
template <class Mix>
void Check(const std::variant<Mix, InputError>& result, const std::array<double, 7>& v,
           const double (&dosage)[2], bool pricesAccepted, double Mix::*batch) {
    const auto in = [](double x, double lower, double upper) { return lower <= x && x <= upper; };
    std::optional<InputError> refusal;
    if (!in(v[2], 0.1, 10000)) refusal = InputError::ErrContenance;
    if (!in(v[1], 0.1, 100000)) refusal = InputError::ErrVolume;
    if (!in(v[0], dosage[0], dosage[1])) refusal = InputError::ErrDosage;
    const auto* error = std::get_if<InputError>(&result);
    Require(error ? refusal == *error : !refusal, "refused at the bounds, dosage first");
    const Mix* mix = std::get_if<Mix>(&result);
    if (!mix) return;
    Require(!pricesAccepted || (std::isfinite(mix->PrixAchat) && mix->PrixAchat >= v[6]),
            "a finite purchase price, at least the transport");
    const double minutes = 60 * mix->TempsTh + mix->TempsTm, cycles = 3 * v[1] / (mix->*batch);
    Require(mix->TempsTh == std::floor(mix->TempsTh) && mix->TempsTm == std::floor(mix->TempsTm) &&
                mix->TempsTm < 60 && minutes <= cycles + 1e-5 && cycles < minutes + 1,
            "three minutes a batch, in whole hours and minutes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::array<double, 7> v{};
    for (double& value : v) {
        const std::size_t end = text.find('\n');
        value = calc::Val(text.substr(0, end));
        text = end == text.npos ? std::string_view() : text.substr(end + 1);
    }
    const calc::MaterialPrices prices{v[3], v[4], v[5], v[6]};
    const auto in = [](double x, double upper) { return 0 <= x && x <= upper; };
    const bool pricesAccepted =
        in(v[3], 800000) && in(v[4], 9000000) && in(v[5], 9000000) && in(v[6], 9000000);
    Require(pricesAccepted == !calc::CheckPrices(prices), "prices refused beyond their bounds");
    // The dosages of the concrete, then of the four mortar ranges.
    constexpr double kDosages[][2] = {{150, 400}, {300, 350}, {400, 450}, {550, 600}, {700, 900}};
    Check(calc::CalculBeton(v[0], v[1], v[2], prices), v, kDosages[0], pricesAccepted,
          &calc::ConcreteMix::Beton);
    const std::size_t range = text.empty() ? 0 : static_cast<unsigned char>(text.front()) % 4;
    Check(calc::CalculMortier(v[0], v[1], v[2], calc::kDosageRanges[range], prices), v,
          kDosages[1 + range], pricesAccepted, &calc::MortarMix::Mortier);
    return 0;
}
