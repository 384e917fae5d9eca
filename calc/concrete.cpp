// SPDX-License-Identifier: GPL-3.0-or-later
// The concrete mix: per cubic metre, per batch, totals, costs and working time.
#include "calc/concrete.h"

#include <array>

#include "calc/detail/mix.h"

namespace calc {

namespace {

constexpr double kLowestDosage = 150;
constexpr double kHighestDosage = 400;

// Quantities for one cubic metre of placed concrete, named as in the mix design.
struct PerCubicMetre {
    double W;   // water, litres and kg
    double S;   // sand, kg
    double G;   // gravel, kg
    double Sv;  // sand, loose litres
    double Gv;  // gravel, loose litres
    double Cv;  // cement, loose litres
    double B;   // dry materials, loose litres
};

PerCubicMetre MixPerCubicMetre(double D) {
    const double W = D / 1.8;
    const double Vc = D / 3.1;
    const double P = W + Vc;
    const double A = 1000 - P;
    const double M = A * 2.65;
    const double S = M * 0.4;
    const double G = M * 0.6;
    const double Sv = S / 1.45;
    const double Gv = G / 1.9;
    const double Cv = D / 1.25;
    return {W, S, G, Sv, Gv, Cv, (Cv + Sv) + Gv};
}

void SetTotals(ConcreteMix& mix, const PerCubicMetre& m, double D, double V) {
    mix.EauTot = (m.W * V) / 1000;
    mix.CimentTot = (D * V) / 1000;
    mix.SableTot = (m.S * V) / 1000;
    mix.GravierTot = (m.G * V) / 1000;
    mix.EauTotL = mix.EauTot;
    mix.CimentTotL = mix.CimentTot / 1.25;
    mix.SableTotL = mix.SableTot / 1.45;
    mix.GravierTotL = mix.GravierTot / 1.9;
}

// Bags and cubic metres are paid by the fraction, never rounded up.
void SetCosts(ConcreteMix& mix, const MaterialPrices& prices) {
    mix.PrixDetCim = (mix.CimentTot / 35) * prices.PrixCiment;
    mix.PrixDetSab = (mix.SableTot / 1450) * prices.PrixSable;
    mix.PrixDetGrav = (mix.GravierTot / 1900) * prices.PrixGravier;
    mix.PrixAchat = ((mix.PrixDetCim + mix.PrixDetSab) + mix.PrixDetGrav) + prices.PrixTransport;
    mix.AvecTransport = prices.PrixTransport != 0;
}

}  // namespace

std::optional<InputError> CheckBeton(double Dosage, double Volume, double Contenance) {
    return detail::CheckInputs(Dosage, kLowestDosage, kHighestDosage, Volume, Contenance);
}

std::variant<ConcreteMix, InputError> CalculBeton(double Dosage, double Volume, double Contenance,
                                                  const MaterialPrices& prices) {
    if (const auto error = CheckBeton(Dosage, Volume, Contenance)) return *error;

    const PerCubicMetre m = MixPerCubicMetre(Dosage);
    const detail::Batch batch = detail::BatchFor(Volume, Contenance, m.B);
    ConcreteMix mix;
    mix.Ciment = (m.Cv * batch.load) / m.B;
    mix.Sable = (m.Sv * batch.load) / m.B;
    mix.Gravier = (m.Gv * batch.load) / m.B;
    mix.Eau = (m.W * batch.size) / 1000;
    mix.Beton = batch.size;
    SetTotals(mix, m, Dosage, Volume);
    SetCosts(mix, prices);
    const WorkingTime time = detail::JobTime(Volume, batch);
    mix.TempsTh = time.hours;
    mix.TempsTm = time.minutes;
    return mix;
}

}  // namespace calc
