// SPDX-License-Identifier: GPL-3.0-or-later
// The monkey's expectations: its own table of which box shows which field, the accepted
// ranges, and the calculations run again from the boxes' texts.
#include "ui/tests/monkey_model.h"

#include <QLineEdit>
#include <QRadioButton>
#include <variant>

#include "calc/calc.h"
#include "ui/numbers.h"
#include "ui/screens.h"
#include "ui/tests/fixture.h"

namespace ui::test {
namespace {

struct PriceBox {
    const char* box;
    double upper;  // the lower bound is 0
};
constexpr PriceBox kPriceBoxes[] = {{"TxtPrixCiment", 800000},
                                    {"TxtPrixSable", 9000000},
                                    {"TxtPrixGravier", 9000000},
                                    {"TxtPrixTransport", 9000000}};

template <class Mix>
struct ResultBox {
    const char* box;
    double Mix::*field;
};

constexpr ResultBox<calc::ConcreteMix> kConcreteBoxes[] = {
    {"TxtEauTot", &calc::ConcreteMix::EauTot},
    {"TxtCimentTot", &calc::ConcreteMix::CimentTot},
    {"TxtSableTot", &calc::ConcreteMix::SableTot},
    {"TxtGravierTot", &calc::ConcreteMix::GravierTot},
    {"TxtEauTotL", &calc::ConcreteMix::EauTotL},
    {"TxtCimentTotL", &calc::ConcreteMix::CimentTotL},
    {"TxtSableTotL", &calc::ConcreteMix::SableTotL},
    {"TxtGravierTotL", &calc::ConcreteMix::GravierTotL},
    {"TxtPrixDetCim", &calc::ConcreteMix::PrixDetCim},
    {"TxtPrixDetSab", &calc::ConcreteMix::PrixDetSab},
    {"TxtPrixDetGrav", &calc::ConcreteMix::PrixDetGrav},
    {"TxtPrixAchat", &calc::ConcreteMix::PrixAchat},
    {"TxtEau", &calc::ConcreteMix::Eau},
    {"TxtCiment", &calc::ConcreteMix::Ciment},
    {"TxtSable", &calc::ConcreteMix::Sable},
    {"TxtGravier", &calc::ConcreteMix::Gravier},
    {"TxtBeton", &calc::ConcreteMix::Beton},
    {"TxtTempsTh", &calc::ConcreteMix::TempsTh},
    {"TxtTempsTm", &calc::ConcreteMix::TempsTm},
};

// The water in kg is a copy of the water in litres, the same number.
constexpr ResultBox<calc::MortarMix> kMortarBoxes[] = {
    {"TxtEau3", &calc::MortarMix::Eau},
    {"TxtCiment3", &calc::MortarMix::Ciment},
    {"TxtSable3", &calc::MortarMix::Sable},
    {"TxtMortier", &calc::MortarMix::Mortier},
    {"TxtPoidsCiment2", &calc::MortarMix::CimentTot},
    {"TxtPoidsSable2", &calc::MortarMix::SableTot},
    {"TxtVolCiment2", &calc::MortarMix::CimentTotL},
    {"TxtVolSable2", &calc::MortarMix::SableTotL},
    {"TxtEauTotL3", &calc::MortarMix::EauTotL},
    {"TxtEauTot3", &calc::MortarMix::EauTot},
    {"TxtPrixDetCim3", &calc::MortarMix::PrixDetCim},
    {"TxtPrixDetSab3", &calc::MortarMix::PrixDetSab},
    {"TxtPrixAchat3", &calc::MortarMix::PrixAchat},
    {"TxtTempsTh3", &calc::MortarMix::TempsTh},
    {"TxtTempsTm3", &calc::MortarMix::TempsTm},
};

QString TextOf(const char* window, const char* box) {
    return ProgramWindow(window)->findChild<QLineEdit*>(box)->text();
}

double ValOf(const char* window, const char* box) {
    return calc::ReadTyped(TextOf(window, box).toStdString());
}

calc::MaterialPrices Prices() {
    return {ValOf("Form2", "TxtPrixCiment"), ValOf("Form2", "TxtPrixSable"),
            ValOf("Form2", "TxtPrixGravier"), ValOf("Form2", "TxtPrixTransport")};
}

template <class Mix>
std::vector<std::string> Differences(const char* window, std::span<const ResultBox<Mix>> boxes,
                                     const std::variant<Mix, calc::InputError>& result) {
    const Mix* mix = std::get_if<Mix>(&result);
    if (!mix) return {std::string(window) + " shows results for inputs it refuses"};
    std::vector<std::string> differences;
    for (const auto& [box, field] : boxes) {
        const std::string shown = TextOf(window, box).toStdString();
        const std::string expected =
            calc::FormatNumber(mix->*field, calc::Pattern(field), DecimalSeparator());
        if (shown != expected)
            differences.push_back(std::string(window) + "." + box + " shows \"" + shown +
                                  "\" instead of \"" + expected + "\"");
    }
    return differences;
}

}  // namespace

const Calculator kConcrete{"Form1",
                           "CmdCalcul",
                           "Label29",
                           {"TxtDosage", "TxtVolume", "TxtContenance"},
                           {"LblMauvaisDos", "LblErrVolBet", "LblErrCont"},
                           Form1Screen};
const Calculator kMortar{"Form3",
                         "CmdCalcul2",
                         "Lab13",
                         {"TxtDosage2", "TxtVolMortier", "TxtContenance2"},
                         {"LblMauvaisDos2", "LblErrVolBet2", "LblErrCont2"},
                         Form3Screen};

const calc::DosageRange& SelectedMortarRange() {
    const QWidget* form3 = ProgramWindow("Form3");
    for (const calc::DosageRange& range : calc::DosageRanges())
        if (form3
                ->findChild<QRadioButton*>(
                    QString::fromLatin1(range.option.data(), qsizetype(range.option.size())))
                ->isChecked())
            return range;
    return calc::DosageRanges().front();
}

QStringList InputsOf(const Calculator& calculator) {
    QStringList texts;
    for (const char* box : calculator.inputs) texts << TextOf(calculator.window, box);
    for (const PriceBox& price : kPriceBoxes) texts << TextOf("Form2", price.box);
    if (&calculator == &kMortar)
        texts << QString::fromUtf8(SelectedMortarRange().caption.data(),
                                   qsizetype(SelectedMortarRange().caption.size()));
    return texts;
}

bool Acceptable(const Calculator& calculator) {
    const double dosage = ValOf(calculator.window, calculator.inputs[0]);
    const double volume = ValOf(calculator.window, calculator.inputs[1]);
    const double contenance = ValOf(calculator.window, calculator.inputs[2]);
    const bool inputs = &calculator == &kConcrete ? !calc::CheckBeton(dosage, volume, contenance)
                                                  : !calc::CheckMortier(dosage, volume, contenance,
                                                                        SelectedMortarRange());
    for (const PriceBox& price : kPriceBoxes) {
        const double value = ValOf("Form2", price.box);
        if (!(value >= 0 && value <= price.upper)) return false;
    }
    return inputs;
}

bool TransportPaid() {
    return ValOf("Form2", "TxtPrixTransport") != 0;
}

std::vector<std::string> StaleResults(const Calculator& calculator) {
    const double dosage = ValOf(calculator.window, calculator.inputs[0]);
    const double volume = ValOf(calculator.window, calculator.inputs[1]);
    const double contenance = ValOf(calculator.window, calculator.inputs[2]);
    if (&calculator == &kConcrete)
        return Differences<calc::ConcreteMix>(
            calculator.window, kConcreteBoxes,
            calc::CalculBeton(dosage, volume, contenance, Prices()));
    return Differences<calc::MortarMix>(
        calculator.window, kMortarBoxes,
        calc::CalculMortier(dosage, volume, contenance, SelectedMortarRange(), Prices()));
}

}  // namespace ui::test
