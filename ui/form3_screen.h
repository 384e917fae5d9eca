// SPDX-License-Identifier: GPL-3.0-or-later
// Table of the mortar window: one row per control with its kind, text, place in twips, look,
// state when the window is created, groups, print role, the result it shows and what a screen
// reader calls it; then the window's focus order, what "X" and a range choice empty, and the
// option of each dosage range, checked as they compile; and the names of its controls that the
// window's code uses, each checked against the table.
#pragma once

#include "calc/mortar.h"
#include "ui/screen_checks.h"

namespace ui::form3 {

using Mix = calc::MortarMix;

using enum Kind;

// clang-format off
inline constexpr Look kQuantityBox{.back = 0xC0FFC0, .points = 14.25, .style = Bold};  // a box of quantities
inline constexpr Look kCaption{.fore = kGreen, .back = kBlack};  // a caption of the screen scheme, in the window's font
inline constexpr Look kCaptionBold{.fore = kGreen, .back = kBlack, .points = 12, .style = Bold};
inline constexpr Look kRangeOption{.fore = kWhite, .back = 0x004000, .points = 9.75, .style = Bold};  // a range's option button
inline constexpr Look kUse{.back = 0xC0FFC0, .points = 11.25, .style = Bold | Italic};  // a range and its uses
inline constexpr Look kRule{.fore = kGreen};  // a rule of the screen scheme
inline constexpr Look kCostBox{.back = 0xFFFF80, .points = 14.25, .style = Bold};  // a box of costs
inline constexpr Look kTimeBox{.fore = kGreen, .back = kBlack, .points = 15.75, .style = Bold};  // a box of the working time
inline constexpr Look kHeading{.fore = kWhite, .back = kBlack, .points = 11.25, .style = Bold};  // a heading of the results
inline constexpr Look kRefusal{.fore = kRed, .back = kBlack, .points = 12, .style = Bold};  // a refused input

inline constexpr TextPart kRange1[] = {
    {"    Dosage    300 à 350 Kg/m3        Liaison des agglos ou des briques", 95},
    {"Crépissages talochés", 0},
};
inline constexpr TextPart kRange2[] = {
    {"", 21},
    {"400 à 450 Kg/m3        Enduits - Dégrossissage - Jointoyages", 88},
    {"Chapes sous linos et parquets collés", 0},
};
inline constexpr TextPart kRange3[] = {
    {"", 21},
    {"550 à 600 Kg/m3        Glaçage contre murs", 119},
    {"Chapes glaçées et bouchardées", 0},
};
inline constexpr TextPart kRange4[] = {
    {"", 21},
    {"700 à 900 Kg/m3        Enduits étanches", 125},
    {"Chapes avec carbure de silicium", 0},
};

inline constexpr ControlDef kControls[] = {
    {.kind = Label, .name = "Label1", .text = kRange1, .at = {120, 240, 9255, 615}, .look = kUse, .print = Print::Paper},
    {.kind = Frame, .name = "Frame1", .at = {8640, 360, 615, 2535}, .look = {.back = 0x004000}, .flags = Above, .print = Print::PaperBack, .speech = {.name = "Plage de dosage"}},
    {.kind = Option, .name = "OptDose1", .at = {120, 0, 255, 465}, .look = kRangeOption, .flags = InFrame | Selected, .print = Print::Paper, .speech = {.describedBy = "Label1"}},
    {.kind = Option, .name = "OptDose2", .at = {120, 720, 255, 495}, .look = kRangeOption, .flags = InFrame, .print = Print::Paper, .speech = {.describedBy = "Label2"}},
    {.kind = Option, .name = "OptDose3", .at = {120, 1440, 255, 375}, .look = kRangeOption, .flags = InFrame, .print = Print::Paper, .speech = {.describedBy = "Label3"}},
    {.kind = Option, .name = "OptDose4", .at = {120, 2040, 255, 495}, .look = kRangeOption, .flags = InFrame, .print = Print::Paper, .speech = {.describedBy = "Label4"}},
    {.kind = Label, .name = "Label2", .text = kRange2, .at = {120, 960, 9255, 615}, .look = kUse, .print = Print::Paper},
    {.kind = Label, .name = "Label3", .text = kRange3, .at = {120, 1680, 9255, 615}, .look = kUse, .print = Print::Paper},
    {.kind = Label, .name = "Label4", .text = kRange4, .at = {120, 2400, 9255, 615}, .look = kUse, .print = Print::Paper},
    {.kind = Label, .name = "LblMauvaisDos2", .text = "Mauvais dosage", .at = {120, 3360, 2175, 375}, .look = {.fore = kWhite, .back = kRed, .points = 12, .style = Bold | Centred}, .flags = Hidden | Above | Alert},
    {.kind = Label, .name = "Label5", .text = "Dosage du mortier", .at = {120, 3360, 2175, 375}, .look = kCaptionBold, .print = Print::Paper},
    {.kind = Label, .name = "LblPlageDosage", .at = {3000, 3360, 2895, 495}, .look = kCaptionBold, .print = Print::Paper},
    {.kind = TextBox, .name = "TxtDosage2", .at = {8280, 3360, 1095, 405}, .look = {.fore = 0x0000FF, .back = kWhite, .points = 14.25, .style = Bold}, .flags = Input, .speech = {.captions = {"Label5"}}},
    {.kind = Label, .name = "Label6", .text = "Volume du mortier à mettre en place", .at = {120, 3960, 3975, 375}, .look = kCaption, .print = Print::Paper},
    {.kind = Label, .name = "Label14", .text = "en litres", .at = {4680, 3960, 1095, 375}, .look = kCaptionBold, .print = Print::Paper},
    {.kind = Label, .name = "LblErrVolBet2", .text = "De 0 à 100000", .at = {6000, 3960, 1815, 375}, .look = kRefusal, .flags = Hidden | Alert, .print = Print::Paper, .speech = {.captions = {"Label6"}}},
    {.kind = TextBox, .name = "TxtVolMortier", .at = {8280, 3960, 1095, 405}, .look = {.back = kWhite, .points = 14.25, .style = Bold}, .flags = Input, .speech = {.captions = {"Label6"}}},
    {.kind = Label, .name = "Label12", .text = "Contenance de la bétonnière", .at = {120, 4560, 3255, 255}, .look = kCaption, .print = Print::Paper},
    {.kind = Label, .name = "Label15", .text = "en litres", .at = {4680, 4560, 1095, 375}, .look = kCaptionBold, .print = Print::Paper},
    {.kind = Label, .name = "LblErrCont2", .text = "De 0 à 10000", .at = {6000, 4560, 1695, 375}, .look = kRefusal, .flags = Hidden | Alert, .print = Print::Paper, .speech = {.captions = {"Label12"}}},
    {.kind = TextBox, .name = "TxtContenance2", .at = {8280, 4560, 1095, 405}, .look = {.points = 14.25, .style = Bold}, .flags = Input, .speech = {.captions = {"Label12"}}},
    {.kind = Label, .name = "Label8", .text = "Qtés totales  à fournir", .at = {120, 5280, 1335, 495}, .look = kHeading, .flags = ResultArea, .print = Print::Paper},
    {.kind = Label, .name = "Label16", .text = "Qtés dans    bétonnière", .at = {6840, 5280, 1335, 495}, .look = kHeading, .flags = ResultArea, .print = Print::Paper},
    {.kind = Label, .name = "Label7", .text = "Litres", .at = {1680, 5520, 735, 375}, .look = kCaptionBold, .flags = ResultArea, .print = Print::Paper},
    {.kind = Label, .name = "Label11", .text = "Kg", .at = {3360, 5520, 375, 375}, .look = kCaptionBold, .flags = ResultArea, .print = Print::Paper},
    {.kind = Label, .name = "LblPrixDetail3", .text = "Prix", .at = {5160, 5520, 735, 375}, .look = {.fore = kWhite, .back = kBlack, .points = 14.25, .style = Bold}, .flags = ResultArea, .print = Print::Paper},
    {.kind = Label, .name = "Label21", .text = "Litres", .at = {8520, 5520, 735, 375}, .look = kCaptionBold, .flags = ResultArea, .print = Print::Paper},
    {.kind = TextBox, .name = "TxtEauTotL3", .at = {1320, 6000, 1335, 405}, .look = kQuantityBox, .flags = ResultArea, .field = &Mix::EauTotL, .speech = {.captions = {"Lbl12", "Label7"}}},
    {.kind = TextBox, .name = "TxtEauTot3", .at = {2760, 6000, 1335, 450}, .look = kQuantityBox, .flags = ResultArea, .field = &Mix::EauTot, .speech = {.captions = {"Lbl12", "Label11"}}},
    {.kind = TextBox, .name = "TxtEau3", .at = {8280, 6000, 1095, 405}, .look = kQuantityBox, .flags = ResultArea, .field = &Mix::Eau, .speech = {.captions = {"Label17", "Label21", "Label16"}}},
    {.kind = Label, .name = "Lbl12", .text = "Eau  MINI", .at = {120, 6120, 1095, 255}, .look = kCaption, .flags = ResultArea, .print = Print::Paper},
    {.kind = Label, .name = "Label17", .text = "  Eau  MINI", .at = {6720, 6120, 1215, 375}, .look = kCaption, .flags = ResultArea, .print = Print::Paper},
    {.kind = TextBox, .name = "TxtVolCiment2", .at = {1320, 6600, 1335, 390}, .look = kQuantityBox, .flags = ResultArea | EmptiedByRefusal, .field = &Mix::CimentTotL, .speech = {.captions = {"Label9", "Label7"}}},
    {.kind = TextBox, .name = "TxtPoidsCiment2", .at = {2760, 6600, 1335, 390}, .look = kQuantityBox, .flags = ResultArea | EmptiedByRefusal, .field = &Mix::CimentTot, .speech = {.captions = {"Label9", "Label11"}}},
    {.kind = TextBox, .name = "TxtPrixDetCim3", .at = {4320, 6600, 2175, 405}, .look = kCostBox, .flags = ResultArea, .field = &Mix::PrixDetCim, .speech = {.captions = {"Label9", "LblPrixDetail3"}}},
    {.kind = TextBox, .name = "TxtCiment3", .at = {8280, 6600, 1095, 405}, .look = kQuantityBox, .flags = ResultArea, .field = &Mix::Ciment, .speech = {.captions = {"Label18", "Label21", "Label16"}}},
    {.kind = Label, .name = "Label9", .text = "Ciment", .at = {120, 6720, 855, 255}, .look = kCaption, .flags = ResultArea, .print = Print::Paper},
    {.kind = Label, .name = "Label18", .text = "  Ciment", .at = {6720, 6720, 855, 375}, .look = {.fore = kGreen, .back = kBlack, .points = 11.25}, .flags = ResultArea, .print = Print::Paper},
    {.kind = TextBox, .name = "TxtVolSable2", .at = {1320, 7200, 1335, 390}, .look = kQuantityBox, .flags = ResultArea | EmptiedByRefusal, .field = &Mix::SableTotL, .speech = {.captions = {"Label10", "Label7"}}},
    {.kind = TextBox, .name = "TxtPoidsSable2", .at = {2760, 7200, 1335, 390}, .look = kQuantityBox, .flags = ResultArea | EmptiedByRefusal, .field = &Mix::SableTot, .speech = {.captions = {"Label10", "Label11"}}},
    {.kind = TextBox, .name = "TxtPrixDetSab3", .at = {4320, 7200, 2175, 405}, .look = kCostBox, .flags = ResultArea, .field = &Mix::PrixDetSab, .speech = {.captions = {"Label10", "LblPrixDetail3"}}},
    {.kind = TextBox, .name = "TxtSable3", .at = {8280, 7200, 1095, 405}, .look = kQuantityBox, .flags = ResultArea, .field = &Mix::Sable, .speech = {.captions = {"Label19", "Label21", "Label16"}}},
    {.kind = Label, .name = "Label10", .text = "Sable", .at = {120, 7320, 615, 255}, .look = kCaption, .flags = ResultArea, .print = Print::Paper},
    {.kind = Label, .name = "Label19", .text = "  Sable", .at = {6720, 7320, 735, 375}, .look = kCaption, .flags = ResultArea, .print = Print::Paper},
    {.kind = Label, .name = "Label20", .text = "  Mortier      en place", .at = {6720, 7920, 1095, 615}, .look = {.fore = kWhite, .back = kBlack, .points = 12, .style = Bold}, .flags = ResultArea, .print = Print::Paper},
    {.kind = TextBox, .name = "TxtPrixAchat3", .at = {4200, 8040, 2295, 450}, .look = {.back = 0xFFFF00, .points = 14.25, .style = Bold}, .flags = ResultArea, .field = &Mix::PrixAchat, .speech = {.captions = {"Lab12"}}},
    {.kind = TextBox, .name = "TxtMortier", .at = {8280, 8040, 1095, 390}, .look = {.points = 14.25, .style = Bold}, .flags = ResultArea, .field = &Mix::Mortier, .speech = {.captions = {"Label20", "Label21", "Label16"}}},
    {.kind = Label, .name = "Lab12", .text = "Prix d'achat total", .at = {120, 8160, 1815, 375}, .look = kHeading, .flags = ResultArea, .print = Print::Paper},
    {.kind = Label, .name = "Lab13", .text = "avec le transport", .at = {2160, 8160, 1815, 375}, .look = {.fore = kGreen, .back = kBlack, .points = 11.25, .style = Bold}, .flags = ResultArea, .print = Print::Paper},
    {.kind = Button, .name = "CmdRetour2", .text = "RETOUR", .at = {120, 8760, 1335, 375}, .look = {.back = 0xFFC080, .points = 12, .style = Bold}, .print = Print::Hidden},
    {.kind = Button, .name = "CmdEffacer2", .text = "X", .at = {1680, 8760, 495, 375}, .look = {.back = 0xFFC080, .points = 14.25, .style = Bold}, .print = Print::Hidden, .speech = {.name = "Effacer les données"}},
    {.kind = Button, .name = "CmdAideInfoMortier", .text = "INFOS", .at = {4800, 8760, 975, 375}, .look = {.back = 0x80FFFF, .points = 12, .style = Bold}, .print = Print::Hidden},
    {.kind = Button, .name = "CmdImprimer2", .text = "IMPRIMER", .at = {6000, 8760, 1575, 375}, .look = {.back = 0x80FF80, .points = 12, .style = Bold}, .flags = ResultArea, .print = Print::Hidden},
    {.kind = Button, .name = "CmdCalcul2", .text = "CALCULS", .at = {7800, 8760, 1575, 375}, .look = {.back = 0x80FF80, .points = 12, .style = Bold}, .print = Print::Hidden},
    {.kind = TextBox, .name = "TxtTempsTh3", .at = {1560, 9360, 615, 495}, .look = kTimeBox, .flags = ResultArea, .print = Print::Paper, .field = &Mix::TempsTh, .speech = {.captions = {"Label22", "Label23"}}},
    {.kind = TextBox, .name = "TxtTempsTm3", .at = {2520, 9360, 495, 495}, .look = kTimeBox, .flags = ResultArea, .print = Print::Paper, .field = &Mix::TempsTm, .speech = {.captions = {"Label22", "Label24"}}},
    {.kind = Label, .name = "Label22", .text = "Temps total :", .at = {0, 9480, 1575, 255}, .look = {.fore = kGreen, .back = kBlack, .points = 11.25, .style = Centred}, .flags = ResultArea, .print = Print::Paper},
    {.kind = Label, .name = "Label23", .text = "h", .at = {2280, 9480, 255, 375}, .look = {.fore = kGreen, .back = kBlack, .points = 11.25}, .flags = ResultArea, .print = Print::Paper},
    {.kind = Label, .name = "Label24", .text = "mn", .at = {3120, 9480, 375, 375}, .look = {.fore = kGreen, .back = kBlack, .points = 11.25}, .flags = ResultArea, .print = Print::Paper},
    {.kind = Label, .name = "Label25", .text = "Temps d'une gachée : environ   3 mn", .at = {5400, 9480, 3975, 375}, .look = {.fore = kGreen, .back = kBlack, .points = 11.25, .style = Bold | Italic}, .flags = ResultArea, .print = Print::Paper},
    {.kind = Line, .name = "Line1", .at = {120, 5160, 9480, 5160}, .look = kRule, .flags = ResultArea},
    {.kind = Line, .name = "Line2", .at = {4200, 5160, 4200, 7800}, .look = kRule, .flags = ResultArea},
    {.kind = Line, .name = "Line4", .at = {6600, 5160, 6600, 8640}, .look = kRule, .flags = ResultArea},
    {.kind = Line, .name = "Line5", .at = {120, 7800, 6600, 7800}, .look = kRule, .flags = ResultArea},
    {.kind = Line, .name = "Line3", .at = {120, 8640, 9480, 8640}, .look = kRule},
    {.kind = Line, .name = "Line6", .at = {120, 9240, 9480, 9240}, .look = kRule, .print = Print::Hidden},
};

// Tab goes through the window in this order, from the dosage.
inline constexpr const char* kFocus[] = {
    "TxtDosage2", "TxtVolMortier", "CmdRetour2", "CmdEffacer2", "CmdImprimer2", "CmdCalcul2",
    "TxtPoidsCiment2", "TxtPoidsSable2", "TxtVolCiment2", "TxtVolSable2", "CmdAideInfoMortier",
    "OptDose1", "OptDose2", "OptDose3", "OptDose4", "TxtEauTotL3", "TxtEauTot3", "TxtPrixDetCim3",
    "TxtPrixDetSab3", "TxtPrixAchat3", "TxtContenance2", "TxtEau3", "TxtCiment3", "TxtSable3",
    "TxtMortier", "TxtTempsTh3", "TxtTempsTm3"};
// "X" and a range choice empty these boxes, in this order.
inline constexpr const char* kClear[] = {
    "TxtDosage2", "TxtVolMortier", "TxtContenance2", "TxtPoidsCiment2", "TxtPoidsSable2",
    "TxtVolCiment2", "TxtVolSable2"};

// The options of the dosage ranges, in the order of calc::kDosageRanges.
inline constexpr const char* kRangeOptions[] = {"OptDose1", "OptDose2", "OptDose3", "OptDose4"};

// clang-format on

inline constexpr WindowDef kWindow{.name = "Form3",
                                   .caption = "Dosage du mortier Karvo",
                                   .width = 9570,
                                   .height = 10005,
                                   .fore = kDefault,
                                   .back = kBlack,
                                   .fontPoints = 12,
                                   .controls = kControls,
                                   .focusOrder = kFocus,
                                   .clearOrder = kClear,
                                   .defaultButton = "CmdCalcul2",
                                   .printColours = true};
static_assert(checks::Sound<kWindow>());
static_assert(checks::ResultsShownOnce<kWindow, calc::kMortarPatterns>());
static_assert(checks::ListOf<kWindow, kRangeOptions, calc::kDosageRanges.size(), Option>());

template <checks::Text Name>
inline constexpr auto Control = checks::Control<kWindow, Name>();

}  // namespace ui::form3
