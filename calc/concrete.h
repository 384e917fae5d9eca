// SPDX-License-Identifier: GPL-3.0-or-later
// The concrete mix: validation of dosage, volume and mixer capacity, and every result with
// its format pattern.
#pragma once

#include <optional>
#include <string_view>
#include <variant>

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

// The format pattern with which a field is shown.
std::string_view Pattern(double ConcreteMix::*field);

}  // namespace calc
