// SPDX-License-Identifier: GPL-3.0-or-later
// The mortar mix: several results are computed from the numbers as they are shown, read back
// with the decimal point that wrote them, so the separator only changes how they are written.
#include "calc/mortar.h"

#include <array>
#include <cmath>

#include "calc/detail/decimal.h"
#include "calc/detail/mix.h"
#include "calc/number.h"

namespace calc {

namespace {

// The number read back from the text of x shown with the field's pattern. A value that
// cannot be shown keeps its value, so that it still shows as an overflow downstream.
double Shown(double x, double MortarMix::*field) {
    if (!std::isfinite(x)) return x;
    return Val(FormatNumber(x, Pattern(field), '.'));
}

// The number read back from the ordinary text of x, which shows 15 significant digits.
double RoundTrip(double x) {
    if (!std::isfinite(x)) return x;
    const double magnitude = detail::NearestDouble(detail::ToDecimal15(std::fabs(x)));
    return x < 0 ? -magnitude : magnitude;
}

// Quantities for one cubic metre of placed mortar, named as in the mix design.
struct PerCubicMetre {
    double W;   // water, litres and kg
    double Vc;  // cement, loose litres
    double Vs;  // sand, loose litres
    double Ms;  // sand, kg
    double Vt;  // dry materials, loose litres
};

PerCubicMetre MixPerCubicMetre(double D) {
    const double W = D / 2;
    const double Vc = D / 1.25;
    const double Vs = 1440 - Vc;
    const double Ms = Vs * 1.45;
    return {W, Vc, Vs, Ms, Vc + Vs};
}

// Totals and costs start from the kilograms as shown.
void SetTotalsAndCosts(MortarMix& mix, const PerCubicMetre& m, double D, double V,
                       const MaterialPrices& prices) {
    mix.CimentTot = (D * V) / 1000;
    mix.SableTot = (m.Ms * V) / 1000;
    const double KC = Shown(mix.CimentTot, &MortarMix::CimentTot);
    const double KS = Shown(mix.SableTot, &MortarMix::SableTot);
    mix.CimentTotL = KC / 1.25;
    mix.SableTotL = KS / 1.45;
    mix.EauTotL = KC / 2;
    mix.EauTot = mix.EauTotL;
    mix.PrixDetCim = RoundTrip((KC / 35) * prices.PrixCiment);
    mix.PrixDetSab = RoundTrip((KS / 1450) * prices.PrixSable);
    mix.PrixAchat = (Shown(mix.PrixDetSab, &MortarMix::PrixDetSab) +
                     Shown(mix.PrixDetCim, &MortarMix::PrixDetCim)) +
                    prices.PrixTransport;
    mix.AvecTransport = prices.PrixTransport != 0;
}

}  // namespace

std::optional<InputError> CheckMortier(double Dosage, double Volume, double Contenance,
                                       const DosageRange& range) {
    return detail::CheckInputs(Dosage, range.lower, range.upper, Volume, Contenance);
}

std::variant<MortarMix, InputError> CalculMortier(double Dosage, double Volume, double Contenance,
                                                  const DosageRange& range,
                                                  const MaterialPrices& prices) {
    if (const auto error = CheckMortier(Dosage, Volume, Contenance, range)) return *error;

    const PerCubicMetre m = MixPerCubicMetre(Dosage);
    const detail::Batch batch = detail::BatchFor(Volume, Contenance, m.Vt);
    MortarMix mix;
    mix.Eau = RoundTrip((m.W * batch.load) / m.Vt);
    mix.Ciment = RoundTrip((m.Vc * batch.load) / m.Vt);
    mix.Sable = RoundTrip((m.Vs * batch.load) / m.Vt);
    mix.Mortier = RoundTrip(batch.size);
    SetTotalsAndCosts(mix, m, Dosage, Volume, prices);
    const WorkingTime time = detail::JobTime(Volume, batch);
    mix.TempsTh = time.hours;
    mix.TempsTm = time.minutes;
    return mix;
}

}  // namespace calc
