// SPDX-License-Identifier: GPL-3.0-or-later
// Time of one calculation plus formatting every field, as one press of "CALCULS" does.
#include <benchmark/benchmark.h>

#include <string>
#include <variant>

#include "calc/calc.h"

namespace {

using calc::ConcreteMix;
using calc::MortarMix;

void BM_CalculBetonAndFormat(benchmark::State& state) {
    const calc::MaterialPrices prices{7.25, 40, 35, 60};
    for (auto _ : state) {
        const auto mix = std::get<ConcreteMix>(calc::CalculBeton(350, 1000, 150, prices));
        for (const auto field :
             {&ConcreteMix::EauTot, &ConcreteMix::CimentTot, &ConcreteMix::SableTot,
              &ConcreteMix::GravierTot, &ConcreteMix::EauTotL, &ConcreteMix::CimentTotL,
              &ConcreteMix::SableTotL, &ConcreteMix::GravierTotL, &ConcreteMix::PrixDetCim,
              &ConcreteMix::PrixDetSab, &ConcreteMix::PrixDetGrav, &ConcreteMix::PrixAchat,
              &ConcreteMix::Eau, &ConcreteMix::Ciment, &ConcreteMix::Sable, &ConcreteMix::Gravier,
              &ConcreteMix::Beton, &ConcreteMix::TempsTh, &ConcreteMix::TempsTm}) {
            std::string text = calc::FormatNumber(mix.*field, calc::Pattern(field), ',');
            benchmark::DoNotOptimize(text);
        }
        benchmark::DoNotOptimize(mix.AvecTransport);
    }
}
BENCHMARK(BM_CalculBetonAndFormat);

void BM_CalculMortierAndFormat(benchmark::State& state) {
    const calc::MaterialPrices prices{7.5, 40, 0, 20};
    const calc::DosageRange& range = calc::kDosageRanges[1];
    for (auto _ : state) {
        const auto mix = std::get<MortarMix>(calc::CalculMortier(425, 2400, 150, range, prices));
        for (const auto field : {&MortarMix::Eau, &MortarMix::Ciment, &MortarMix::Sable,
                                 &MortarMix::Mortier, &MortarMix::CimentTot, &MortarMix::SableTot,
                                 &MortarMix::CimentTotL, &MortarMix::SableTotL, &MortarMix::EauTotL,
                                 &MortarMix::EauTot, &MortarMix::PrixDetCim, &MortarMix::PrixDetSab,
                                 &MortarMix::PrixAchat, &MortarMix::TempsTh, &MortarMix::TempsTm}) {
            std::string text = calc::FormatNumber(mix.*field, calc::Pattern(field), ',');
            benchmark::DoNotOptimize(text);
        }
        benchmark::DoNotOptimize(mix.AvecTransport);
    }
}
BENCHMARK(BM_CalculMortierAndFormat);

}  // namespace
