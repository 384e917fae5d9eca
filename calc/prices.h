// The four material prices typed on the menu, in price units.
#pragma once

namespace calc {

struct MaterialPrices {
    double PrixCiment = 0;     // one 35 kg bag of cement
    double PrixSable = 0;      // one cubic metre of sand
    double PrixGravier = 0;    // one cubic metre of gravel
    double PrixTransport = 0;  // lump sum for the whole order
};

enum class InputError { ErrDosage, ErrVolume, ErrContenance };

}  // namespace calc
