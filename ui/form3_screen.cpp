// SPDX-License-Identifier: GPL-3.0-or-later
// Table of the mortar window: one row per control with its kind, text, geometry in twips,
// look, state when the window is created, groups, print role, focus order, place among what
// "X" and a range choice empty, the result it shows and what a screen reader calls it.
#include "ui/screens.h"

namespace ui {
namespace {

// clang-format off
constexpr TextPart kRange1[] = {
    {"    Dosage    300 à 350 Kg/m3        Liaison des agglos ou des briques", 95},
    {"Crépissages talochés", 0},
};
constexpr TextPart kRange2[] = {
    {"", 21},
    {"400 à 450 Kg/m3        Enduits - Dégrossissage - Jointoyages", 88},
    {"Chapes sous linos et parquets collés", 0},
};
constexpr TextPart kRange3[] = {
    {"", 21},
    {"550 à 600 Kg/m3        Glaçage contre murs", 119},
    {"Chapes glaçées et bouchardées", 0},
};
constexpr TextPart kRange4[] = {
    {"", 21},
    {"700 à 900 Kg/m3        Enduits étanches", 125},
    {"Chapes avec carbure de silicium", 0},
};

constexpr ControlDef kControls[] = {
    {Kind::Label, "Label1", kRange1, 120, 240, 9255, 615, {kDefault, 0xC0FFC0, 11.25, Bold|Italic}, 0, Print::Paper},
    {Kind::Frame, "Frame1", "", 8640, 360, 615, 2535, {kDefault, 0x004000, 0, 0}, Above, Print::PaperBack, 0, 0, {}, {.name = "Plage de dosage"}},
    {Kind::Option, "OptDose1", "", 120, 0, 255, 465, {0xFFFFFF, 0x004000, 9.75, Bold}, InFrame|Selected, Print::Paper, 12, 0, {}, {.describedBy = "Label1"}},
    {Kind::Option, "OptDose2", "", 120, 720, 255, 495, {0xFFFFFF, 0x004000, 9.75, Bold}, InFrame, Print::Paper, 13, 0, {}, {.describedBy = "Label2"}},
    {Kind::Option, "OptDose3", "", 120, 1440, 255, 375, {0xFFFFFF, 0x004000, 9.75, Bold}, InFrame, Print::Paper, 14, 0, {}, {.describedBy = "Label3"}},
    {Kind::Option, "OptDose4", "", 120, 2040, 255, 495, {0xFFFFFF, 0x004000, 9.75, Bold}, InFrame, Print::Paper, 15, 0, {}, {.describedBy = "Label4"}},
    {Kind::Label, "Label2", kRange2, 120, 960, 9255, 615, {kDefault, 0xC0FFC0, 11.25, Bold|Italic}, 0, Print::Paper},
    {Kind::Label, "Label3", kRange3, 120, 1680, 9255, 615, {kDefault, 0xC0FFC0, 11.25, Bold|Italic}, 0, Print::Paper},
    {Kind::Label, "Label4", kRange4, 120, 2400, 9255, 615, {kDefault, 0xC0FFC0, 11.25, Bold|Italic}, 0, Print::Paper},
    {Kind::Label, "LblMauvaisDos2", "Mauvais dosage", 120, 3360, 2175, 375, {0xFFFFFF, 0xFF0000, 12, Bold|Centred}, Hidden|Above|Alert},
    {Kind::Label, "Label5", "Dosage du mortier", 120, 3360, 2175, 375, {0x00FF00, 0x000000, 12, Bold}, 0, Print::Paper},
    {Kind::Label, "LblPlageDosage", "", 3000, 3360, 2895, 495, {0x00FF00, 0x000000, 12, Bold}, 0, Print::Paper},
    {Kind::TextBox, "TxtDosage2", "", 8280, 3360, 1095, 405, {0x0000FF, 0xFFFFFF, 14.25, Bold}, Input, Print::Kept, 1, 1, {}, {.captions = {"Label5"}}},
    {Kind::Label, "Label6", "Volume du mortier à mettre en place", 120, 3960, 3975, 375, {0x00FF00, 0x000000, 0, 0}, 0, Print::Paper},
    {Kind::Label, "Label14", "en litres", 4680, 3960, 1095, 375, {0x00FF00, 0x000000, 12, Bold}, 0, Print::Paper},
    {Kind::Label, "LblErrVolBet2", "De 0 à 100000", 6000, 3960, 1815, 375, {0xFF0000, 0x000000, 12, Bold}, Hidden|Alert, Print::Paper, 0, 0, {}, {.captions = {"Label6"}}},
    {Kind::TextBox, "TxtVolMortier", "", 8280, 3960, 1095, 405, {kDefault, 0xFFFFFF, 14.25, Bold}, Input, Print::Kept, 2, 2, {}, {.captions = {"Label6"}}},
    {Kind::Label, "Label12", "Contenance de la bétonnière", 120, 4560, 3255, 255, {0x00FF00, 0x000000, 0, 0}, 0, Print::Paper},
    {Kind::Label, "Label15", "en litres", 4680, 4560, 1095, 375, {0x00FF00, 0x000000, 12, Bold}, 0, Print::Paper},
    {Kind::Label, "LblErrCont2", "De 0 à 10000", 6000, 4560, 1695, 375, {0xFF0000, 0x000000, 12, Bold}, Hidden|Alert, Print::Paper, 0, 0, {}, {.captions = {"Label12"}}},
    {Kind::TextBox, "TxtContenance2", "", 8280, 4560, 1095, 405, {kDefault, kDefault, 14.25, Bold}, Input, Print::Kept, 21, 3, {}, {.captions = {"Label12"}}},
    {Kind::Label, "Label8", "Qtés totales  à fournir", 120, 5280, 1335, 495, {0xFFFFFF, 0x000000, 11.25, Bold}, ResultArea, Print::Paper},
    {Kind::Label, "Label16", "Qtés dans    bétonnière", 6840, 5280, 1335, 495, {0xFFFFFF, 0x000000, 11.25, Bold}, ResultArea, Print::Paper},
    {Kind::Label, "Label7", "Litres", 1680, 5520, 735, 375, {0x00FF00, 0x000000, 12, Bold}, ResultArea, Print::Paper},
    {Kind::Label, "Label11", "Kg", 3360, 5520, 375, 375, {0x00FF00, 0x000000, 12, Bold}, ResultArea, Print::Paper},
    {Kind::Label, "LblPrixDetail3", "Prix", 5160, 5520, 735, 375, {0xFFFFFF, 0x000000, 14.25, Bold}, ResultArea, Print::Paper},
    {Kind::Label, "Label21", "Litres", 8520, 5520, 735, 375, {0x00FF00, 0x000000, 12, Bold}, ResultArea, Print::Paper},
    {Kind::TextBox, "TxtEauTotL3", "", 1320, 6000, 1335, 405, {kDefault, 0xC0FFC0, 14.25, Bold}, ResultArea, Print::Kept, 16, 0, &calc::MortarMix::EauTotL, {.captions = {"Lbl12", "Label7"}}},
    {Kind::TextBox, "TxtEauTot3", "", 2760, 6000, 1335, 450, {kDefault, 0xC0FFC0, 14.25, Bold}, ResultArea, Print::Kept, 17, 0, &calc::MortarMix::EauTot, {.captions = {"Lbl12", "Label11"}}},
    {Kind::TextBox, "TxtEau3", "", 8280, 6000, 1095, 405, {kDefault, 0xC0FFC0, 14.25, Bold}, ResultArea, Print::Kept, 22, 0, &calc::MortarMix::Eau, {.captions = {"Label17", "Label21", "Label16"}}},
    {Kind::Label, "Lbl12", "Eau  MINI", 120, 6120, 1095, 255, {0x00FF00, 0x000000, 0, 0}, ResultArea, Print::Paper},
    {Kind::Label, "Label17", "  Eau  MINI", 6720, 6120, 1215, 375, {0x00FF00, 0x000000, 0, 0}, ResultArea, Print::Paper},
    {Kind::TextBox, "TxtVolCiment2", "", 1320, 6600, 1335, 390, {kDefault, 0xC0FFC0, 14.25, Bold}, ResultArea|EmptiedByRefusal, Print::Kept, 9, 6, &calc::MortarMix::CimentTotL, {.captions = {"Label9", "Label7"}}},
    {Kind::TextBox, "TxtPoidsCiment2", "", 2760, 6600, 1335, 390, {kDefault, 0xC0FFC0, 14.25, Bold}, ResultArea|EmptiedByRefusal, Print::Kept, 7, 4, &calc::MortarMix::CimentTot, {.captions = {"Label9", "Label11"}}},
    {Kind::TextBox, "TxtPrixDetCim3", "", 4320, 6600, 2175, 405, {kDefault, 0xFFFF80, 14.25, Bold}, ResultArea, Print::Kept, 18, 0, &calc::MortarMix::PrixDetCim, {.captions = {"Label9", "LblPrixDetail3"}}},
    {Kind::TextBox, "TxtCiment3", "", 8280, 6600, 1095, 405, {kDefault, 0xC0FFC0, 14.25, Bold}, ResultArea, Print::Kept, 23, 0, &calc::MortarMix::Ciment, {.captions = {"Label18", "Label21", "Label16"}}},
    {Kind::Label, "Label9", "Ciment", 120, 6720, 855, 255, {0x00FF00, 0x000000, 0, 0}, ResultArea, Print::Paper},
    {Kind::Label, "Label18", "  Ciment", 6720, 6720, 855, 375, {0x00FF00, 0x000000, 11.25, 0}, ResultArea, Print::Paper},
    {Kind::TextBox, "TxtVolSable2", "", 1320, 7200, 1335, 390, {kDefault, 0xC0FFC0, 14.25, Bold}, ResultArea|EmptiedByRefusal, Print::Kept, 10, 7, &calc::MortarMix::SableTotL, {.captions = {"Label10", "Label7"}}},
    {Kind::TextBox, "TxtPoidsSable2", "", 2760, 7200, 1335, 390, {kDefault, 0xC0FFC0, 14.25, Bold}, ResultArea|EmptiedByRefusal, Print::Kept, 8, 5, &calc::MortarMix::SableTot, {.captions = {"Label10", "Label11"}}},
    {Kind::TextBox, "TxtPrixDetSab3", "", 4320, 7200, 2175, 405, {kDefault, 0xFFFF80, 14.25, Bold}, ResultArea, Print::Kept, 19, 0, &calc::MortarMix::PrixDetSab, {.captions = {"Label10", "LblPrixDetail3"}}},
    {Kind::TextBox, "TxtSable3", "", 8280, 7200, 1095, 405, {kDefault, 0xC0FFC0, 14.25, Bold}, ResultArea, Print::Kept, 24, 0, &calc::MortarMix::Sable, {.captions = {"Label19", "Label21", "Label16"}}},
    {Kind::Label, "Label10", "Sable", 120, 7320, 615, 255, {0x00FF00, 0x000000, 0, 0}, ResultArea, Print::Paper},
    {Kind::Label, "Label19", "  Sable", 6720, 7320, 735, 375, {0x00FF00, 0x000000, 0, 0}, ResultArea, Print::Paper},
    {Kind::Label, "Label20", "  Mortier      en place", 6720, 7920, 1095, 615, {0xFFFFFF, 0x000000, 12, Bold}, ResultArea, Print::Paper},
    {Kind::TextBox, "TxtPrixAchat3", "", 4200, 8040, 2295, 450, {kDefault, 0xFFFF00, 14.25, Bold}, ResultArea, Print::Kept, 20, 0, &calc::MortarMix::PrixAchat, {.captions = {"Lab12"}}},
    {Kind::TextBox, "TxtMortier", "", 8280, 8040, 1095, 390, {kDefault, kDefault, 14.25, Bold}, ResultArea, Print::Kept, 25, 0, &calc::MortarMix::Mortier, {.captions = {"Label20", "Label21", "Label16"}}},
    {Kind::Label, "Lab12", "Prix d'achat total", 120, 8160, 1815, 375, {0xFFFFFF, 0x000000, 11.25, Bold}, ResultArea, Print::Paper},
    {Kind::Label, "Lab13", "avec le transport", 2160, 8160, 1815, 375, {0x00FF00, 0x000000, 11.25, Bold}, ResultArea, Print::Paper},
    {Kind::Button, "CmdRetour2", "RETOUR", 120, 8760, 1335, 375, {kDefault, 0xFFC080, 12, Bold}, 0, Print::Hidden, 3},
    {Kind::Button, "CmdEffacer2", "X", 1680, 8760, 495, 375, {kDefault, 0xFFC080, 14.25, Bold}, 0, Print::Hidden, 4, 0, {}, {.name = "Effacer les données"}},
    {Kind::Button, "CmdAideInfoMortier", "INFOS", 4800, 8760, 975, 375, {kDefault, 0x80FFFF, 12, Bold}, 0, Print::Hidden, 11},
    {Kind::Button, "CmdImprimer2", "IMPRIMER", 6000, 8760, 1575, 375, {kDefault, 0x80FF80, 12, Bold}, ResultArea, Print::Hidden, 5},
    {Kind::Button, "CmdCalcul2", "CALCULS", 7800, 8760, 1575, 375, {kDefault, 0x80FF80, 12, Bold}, 0, Print::Hidden, 6},
    {Kind::TextBox, "TxtTempsTh3", "", 1560, 9360, 615, 495, {0x00FF00, 0x000000, 15.75, Bold}, ResultArea, Print::Paper, 26, 0, &calc::MortarMix::TempsTh, {.captions = {"Label22", "Label23"}}},
    {Kind::TextBox, "TxtTempsTm3", "", 2520, 9360, 495, 495, {0x00FF00, 0x000000, 15.75, Bold}, ResultArea, Print::Paper, 27, 0, &calc::MortarMix::TempsTm, {.captions = {"Label22", "Label24"}}},
    {Kind::Label, "Label22", "Temps total :", 0, 9480, 1575, 255, {0x00FF00, 0x000000, 11.25, Centred}, ResultArea, Print::Paper},
    {Kind::Label, "Label23", "h", 2280, 9480, 255, 375, {0x00FF00, 0x000000, 11.25, 0}, ResultArea, Print::Paper},
    {Kind::Label, "Label24", "mn", 3120, 9480, 375, 375, {0x00FF00, 0x000000, 11.25, 0}, ResultArea, Print::Paper},
    {Kind::Label, "Label25", "Temps d'une gachée : environ   3 mn", 5400, 9480, 3975, 375, {0x00FF00, 0x000000, 11.25, Bold|Italic}, ResultArea, Print::Paper},
    {Kind::Line, "Line1", "", 120, 5160, 9480, 5160, {0x00FF00, kDefault, 0, 0}, ResultArea},
    {Kind::Line, "Line2", "", 4200, 5160, 4200, 7800, {0x00FF00, kDefault, 0, 0}, ResultArea},
    {Kind::Line, "Line4", "", 6600, 5160, 6600, 8640, {0x00FF00, kDefault, 0, 0}, ResultArea},
    {Kind::Line, "Line5", "", 120, 7800, 6600, 7800, {0x00FF00, kDefault, 0, 0}, ResultArea},
    {Kind::Line, "Line3", "", 120, 8640, 9480, 8640, {0x00FF00, kDefault, 0, 0}, 0},
    {Kind::Line, "Line6", "", 120, 9240, 9480, 9240, {0x00FF00, kDefault, 0, 0}, 0, Print::Hidden},
};

// clang-format on

}  // namespace

const WindowDef& Form3Screen() {
    static const WindowDef def{"Form3",      "Dosage du mortier Karvo",
                               9570,         10005,
                               kDefault,     kBlack,
                               12,           kControls,
                               "CmdCalcul2", true};
    return def;
}

}  // namespace ui
