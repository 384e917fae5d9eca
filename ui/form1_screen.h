// SPDX-License-Identifier: GPL-3.0-or-later
// Table of the concrete window: one row per control with its kind, text, place in twips, look,
// state when the window is created, groups, print role, the result it shows and what a screen
// reader calls it; then the window's focus order and what "X" empties, checked as they compile;
// and the names of its controls that the window's code uses, each checked against the table.
#pragma once

#include "calc/concrete.h"
#include "ui/screen_checks.h"

namespace ui::form1 {

using Mix = calc::ConcreteMix;

using enum Kind;

// clang-format off
inline constexpr Look kQuantityBox{.back = 0xC0FFC0, .points = 14.25, .style = Bold};  // a box of quantities
inline constexpr Look kCaption{.fore = kGreen, .back = kBlack, .points = 12};  // a caption of the screen scheme
inline constexpr Look kCaptionBold{.fore = kGreen, .back = kBlack, .points = 12, .style = Bold};
inline constexpr Look kUse{.back = 0xC0FFC0, .points = 11.25, .style = Bold | Italic};  // a recommended dosage and its uses
inline constexpr Look kRule{.fore = kGreen};  // a rule of the screen scheme
inline constexpr Look kCostBox{.back = 0xFFFF80, .points = 14.25, .style = Bold};  // a box of costs
inline constexpr Look kTimeBox{.fore = kGreen, .back = kBlack, .points = 15.75, .style = Bold};  // a box of the working time
inline constexpr Look kHeading{.fore = kWhite, .back = kBlack, .points = 11.25, .style = Bold};  // a heading of the results
inline constexpr Look kRefusal{.fore = kRed, .back = kBlack, .points = 12, .style = Bold};  // a refused input

inline constexpr TextPart kInfoNote[] = {
    {"   L'humidité des composants du béton  étant un facteur assez variable,  il faut en pratique, rajouter une quantité d'eau pouvant aller environ jusqu'à 10 à 15 % et ceci afin d'obtenir un béton qui se présente sous l'aspect d'une pâte fluide mais épaisse qui remplit le coffrage avec facilité et sans travail particulier.  Penser à relancer un calcul pour la dernière gachée ( plus petite ).", 0},
};

inline constexpr ControlDef kControls[] = {
    {.kind = Label, .name = "LblInfo", .text = kInfoNote, .at = {120, 120, 8895, 1455}, .look = {.fore = kBlack, .back = 0xC0FFC0, .points = 11.25, .style = Bold}, .flags = Hidden | Above},
    {.kind = Label, .name = "Label1", .text = "  Dosage    150 Kg/m3                        Surfaces propres sous fondations", .at = {120, 120, 8895, 375}, .look = kUse, .print = Print::Paper},
    {.kind = Label, .name = "Label2", .text = "                   200 Kg/m3                        Fondations simples - Bétons de remplissages", .at = {120, 480, 8895, 375}, .look = kUse, .print = Print::Paper},
    {.kind = Label, .name = "Label3", .text = "                   250 Kg/m3                        Murs contre terre -  Murs de soutènement", .at = {120, 840, 8895, 375}, .look = kUse, .print = Print::Paper},
    {.kind = Label, .name = "Label4", .text = "                   300 à 400 Kg/m3              Béton armé", .at = {120, 1200, 8895, 375}, .look = kUse, .print = Print::Paper},
    {.kind = Button, .name = "CmdQuitterInfo", .text = "QUITTER", .at = {7800, 1200, 1215, 390}, .look = {.back = kGreen, .points = 11.25, .style = Bold}, .flags = Hidden | Above, .print = Print::NoteButton},
    {.kind = TextBox, .name = "TxtDosage", .at = {7920, 1680, 1095, 390}, .look = {.fore = 0x0000FF, .back = kWhite, .points = 15.75, .style = Bold}, .flags = Input, .speech = {.captions = {"Label5"}}},
    {.kind = Label, .name = "LblMauvaisDos", .text = "Mauvais dosage", .at = {120, 1800, 2295, 375}, .look = {.fore = kWhite, .back = kRed, .points = 12, .style = Bold | Centred}, .flags = Hidden | Above | Alert},
    {.kind = Label, .name = "Label5", .text = " Dosage du béton", .at = {120, 1800, 2055, 375}, .look = kCaptionBold, .print = Print::Paper},
    {.kind = Label, .name = "LblPlageDosage1", .text = "  entre 150 et 400 Kg/m3", .at = {2880, 1800, 2775, 375}, .look = {.fore = kGreen, .back = kBlack, .points = 12, .style = Bold | Centred}, .print = Print::Paper},
    {.kind = TextBox, .name = "TxtVolume", .at = {7920, 2160, 1095, 375}, .look = {.back = kWhite, .points = 14.25, .style = Bold}, .flags = Input, .speech = {.captions = {"Label6"}}},
    {.kind = Label, .name = "Label6", .text = " Volume de béton à mettre en place", .at = {120, 2280, 3855, 375}, .look = kCaption, .print = Print::Paper},
    {.kind = Label, .name = "Label24", .text = "en litres", .at = {4680, 2280, 975, 375}, .look = {.fore = kGreen, .back = kBlack, .points = 12, .style = Bold | Centred}, .print = Print::Paper},
    {.kind = Label, .name = "LblErrVolBet", .text = "De 0.1 à 100000", .at = {5880, 2280, 1935, 375}, .look = kRefusal, .flags = Hidden | Alert, .speech = {.captions = {"Label6"}}},
    {.kind = TextBox, .name = "TxtContenance", .at = {7920, 2640, 1095, 405}, .look = {.back = kWhite, .points = 14.25, .style = Bold}, .flags = Input, .speech = {.captions = {"Label7"}}},
    {.kind = Label, .name = "Label7", .text = " Contenance de la bétonnière", .at = {120, 2760, 3255, 375}, .look = kCaption, .print = Print::Paper},
    {.kind = Label, .name = "Label25", .text = "en litres", .at = {4680, 2760, 975, 375}, .look = {.fore = kGreen, .back = kBlack, .points = 12, .style = Bold | Centred}, .print = Print::Paper},
    {.kind = Label, .name = "LblErrCont", .text = "De 0.1 à   10000", .at = {5880, 2760, 1935, 375}, .look = kRefusal, .flags = Hidden | Alert, .speech = {.captions = {"Label7"}}},
    {.kind = Label, .name = "Label8", .text = "Qtés totales à fournir", .at = {240, 3360, 1335, 495}, .look = kHeading, .flags = ResultArea, .print = Print::Paper},
    {.kind = Label, .name = "Label9", .text = "Qtés dans    bétonnière", .at = {6840, 3360, 1335, 495}, .look = kHeading, .flags = ResultArea, .print = Print::Paper},
    {.kind = Label, .name = "Label28", .text = "Litres", .at = {1800, 3600, 735, 375}, .look = kCaptionBold, .flags = ResultArea, .print = Print::Paper},
    {.kind = Label, .name = "Label21", .text = "Kg", .at = {3480, 3600, 495, 375}, .look = kCaptionBold, .flags = ResultArea, .print = Print::Paper},
    {.kind = Label, .name = "LblPrixDetail", .text = "Prix", .at = {5040, 3600, 615, 375}, .look = {.fore = kWhite, .back = kBlack, .points = 14.25, .style = Bold}, .flags = ResultArea, .print = Print::Paper},
    {.kind = Label, .name = "Label20", .text = "Litres", .at = {8280, 3600, 735, 375}, .look = kCaptionBold, .flags = ResultArea, .print = Print::Paper},
    {.kind = TextBox, .name = "TxtEauTotL", .at = {1440, 4080, 1215, 405}, .look = kQuantityBox, .flags = ResultArea, .field = &Mix::EauTotL, .speech = {.captions = {"Label10", "Label28"}}},
    {.kind = TextBox, .name = "TxtEauTot", .at = {2880, 4080, 1335, 390}, .look = kQuantityBox, .flags = ResultArea, .field = &Mix::EauTot, .speech = {.captions = {"Label10", "Label21"}}},
    {.kind = TextBox, .name = "TxtEau", .at = {8040, 4080, 975, 405}, .look = kQuantityBox, .flags = ResultArea, .field = &Mix::Eau, .speech = {.captions = {"Label14", "Label20", "Label9"}}},
    {.kind = Label, .name = "Label10", .text = "Eau  MINI", .at = {240, 4200, 1095, 375}, .look = kCaption, .flags = ResultArea, .print = Print::Paper},
    {.kind = Label, .name = "Label14", .text = "  Eau  MINI", .at = {6720, 4200, 1215, 375}, .look = kCaption, .flags = ResultArea, .print = Print::Paper},
    {.kind = TextBox, .name = "TxtCimentTotL", .at = {1440, 4680, 1215, 405}, .look = kQuantityBox, .flags = ResultArea, .field = &Mix::CimentTotL, .speech = {.captions = {"Label11", "Label28"}}},
    {.kind = TextBox, .name = "TxtCimentTot", .at = {2880, 4680, 1335, 390}, .look = kQuantityBox, .flags = ResultArea, .field = &Mix::CimentTot, .speech = {.captions = {"Label11", "Label21"}}},
    {.kind = TextBox, .name = "TxtPrixDetCim", .at = {4440, 4680, 2055, 420}, .look = kCostBox, .flags = ResultArea, .field = &Mix::PrixDetCim, .speech = {.captions = {"Label11", "LblPrixDetail"}}},
    {.kind = TextBox, .name = "TxtCiment", .at = {8040, 4680, 975, 420}, .look = kQuantityBox, .flags = ResultArea, .field = &Mix::Ciment, .speech = {.captions = {"Label15", "Label20", "Label9"}}},
    {.kind = Label, .name = "Label11", .text = "  Ciment", .at = {120, 4800, 975, 375}, .look = kCaption, .flags = ResultArea, .print = Print::Paper},
    {.kind = Label, .name = "Label15", .text = "  Ciment", .at = {6720, 4800, 975, 375}, .look = kCaption, .flags = ResultArea, .print = Print::Paper},
    {.kind = TextBox, .name = "TxtSableTotL", .at = {1440, 5280, 1215, 405}, .look = kQuantityBox, .flags = ResultArea, .field = &Mix::SableTotL, .speech = {.captions = {"Label12", "Label28"}}},
    {.kind = TextBox, .name = "TxtSableTot", .at = {2880, 5280, 1335, 375}, .look = kQuantityBox, .flags = ResultArea, .field = &Mix::SableTot, .speech = {.captions = {"Label12", "Label21"}}},
    {.kind = TextBox, .name = "TxtPrixDetSab", .at = {4440, 5280, 2055, 420}, .look = kCostBox, .flags = ResultArea, .field = &Mix::PrixDetSab, .speech = {.captions = {"Label12", "LblPrixDetail"}}},
    {.kind = TextBox, .name = "TxtSable", .at = {8040, 5280, 975, 420}, .look = kQuantityBox, .flags = ResultArea, .field = &Mix::Sable, .speech = {.captions = {"Label16", "Label20", "Label9"}}},
    {.kind = Label, .name = "Label12", .text = "  Sable", .at = {120, 5400, 855, 375}, .look = kCaption, .flags = ResultArea, .print = Print::Paper},
    {.kind = Label, .name = "Label16", .text = "  Sable", .at = {6720, 5400, 855, 375}, .look = kCaption, .flags = ResultArea, .print = Print::Paper},
    {.kind = TextBox, .name = "TxtGravierTotL", .at = {1440, 5880, 1215, 390}, .look = kQuantityBox, .flags = ResultArea, .field = &Mix::GravierTotL, .speech = {.captions = {"Label13", "Label28"}}},
    {.kind = TextBox, .name = "TxtGravierTot", .at = {2880, 5880, 1335, 405}, .look = kQuantityBox, .flags = ResultArea, .field = &Mix::GravierTot, .speech = {.captions = {"Label13", "Label21"}}},
    {.kind = TextBox, .name = "TxtPrixDetGrav", .at = {4440, 5880, 2055, 420}, .look = kCostBox, .flags = ResultArea, .field = &Mix::PrixDetGrav, .speech = {.captions = {"Label13", "LblPrixDetail"}}},
    {.kind = TextBox, .name = "TxtGravier", .at = {8040, 5880, 975, 420}, .look = kQuantityBox, .flags = ResultArea, .field = &Mix::Gravier, .speech = {.captions = {"Label17", "Label20", "Label9"}}},
    {.kind = Label, .name = "Label13", .text = "  Gravier", .at = {120, 6000, 975, 375}, .look = kCaption, .flags = ResultArea, .print = Print::Paper},
    {.kind = Label, .name = "Label17", .text = "  Gravier", .at = {6720, 6000, 975, 375}, .look = kCaption, .flags = ResultArea, .print = Print::Paper},
    {.kind = Label, .name = "Label22", .text = "  Béton     coffré", .at = {6720, 6600, 975, 615}, .look = {.fore = kWhite, .back = kBlack, .points = 12, .style = Bold}, .flags = ResultArea, .print = Print::Paper},
    {.kind = TextBox, .name = "TxtPrixAchat", .at = {4200, 6720, 2295, 420}, .look = {.back = 0xFFFF00, .points = 14.25, .style = Bold}, .flags = ResultArea, .field = &Mix::PrixAchat, .speech = {.captions = {"Label19"}}},
    {.kind = TextBox, .name = "TxtBeton", .at = {8040, 6720, 975, 420}, .look = {.back = kWhite, .points = 14.25, .style = Bold}, .flags = ResultArea, .field = &Mix::Beton, .speech = {.captions = {"Label22", "Label20", "Label9"}}},
    {.kind = Label, .name = "Label19", .text = "Prix d'achat total", .at = {240, 6840, 1815, 375}, .look = kHeading, .flags = ResultArea, .print = Print::Paper},
    {.kind = Label, .name = "Label29", .text = "avec le transport", .at = {2160, 6840, 1815, 375}, .look = {.fore = kGreen, .back = kBlack, .points = 11.25, .style = Bold}, .flags = ResultArea, .print = Print::Paper},
    {.kind = Button, .name = "CmdRetour1", .text = "RETOUR", .at = {240, 7440, 1335, 375}, .look = {.back = 0xFFC080, .points = 12, .style = Bold}, .print = Print::Hidden},
    {.kind = Button, .name = "CmdEffacer", .text = "X", .at = {1800, 7440, 495, 375}, .look = {.back = 0xFFC080, .points = 15.75, .style = Bold}, .print = Print::Hidden, .speech = {.name = "Effacer les données"}},
    {.kind = Button, .name = "CmdAideBet", .text = "INFOS", .at = {2640, 7440, 1215, 375}, .look = {.back = 0x80FFFF, .points = 12, .style = Bold}, .print = Print::Hidden},
    {.kind = Button, .name = "CmdInfo", .text = "IMPORTANT", .at = {4080, 7440, 1455, 375}, .look = {.back = kGreen, .points = 11.25, .style = Bold}, .print = Print::Hidden},
    {.kind = Button, .name = "CmdImprimer", .text = "IMPRIMER", .at = {5760, 7440, 1455, 375}, .look = {.back = 0x80FF80, .points = 12, .style = Bold}, .flags = ResultArea, .print = Print::Hidden},
    {.kind = Button, .name = "CmdCalcul", .text = "CALCULS", .at = {7440, 7440, 1575, 375}, .look = {.back = 0x80FF80, .points = 14.25, .style = Bold}, .print = Print::Hidden},
    {.kind = TextBox, .name = "TxtTempsTh", .at = {1680, 8040, 615, 450}, .look = kTimeBox, .flags = ResultArea, .print = Print::Paper, .field = &Mix::TempsTh, .speech = {.captions = {"Label18", "Label26"}}},
    {.kind = TextBox, .name = "TxtTempsTm", .at = {2640, 8040, 495, 420}, .look = kTimeBox, .flags = ResultArea, .print = Print::Paper, .field = &Mix::TempsTm, .speech = {.captions = {"Label18", "Label27"}}},
    {.kind = Label, .name = "Label18", .text = "Temps total :", .at = {240, 8160, 1335, 255}, .look = {.fore = kGreen, .back = kBlack, .points = 11.25, .style = Centred}, .flags = ResultArea, .print = Print::Paper},
    {.kind = Label, .name = "Label26", .text = "h", .at = {2400, 8160, 135, 255}, .look = {.fore = kGreen, .back = kBlack, .points = 11.25}, .flags = ResultArea, .print = Print::Paper},
    {.kind = Label, .name = "Label27", .text = "mn", .at = {3240, 8160, 375, 255}, .look = {.fore = kGreen, .back = kBlack, .points = 11.25}, .flags = ResultArea, .print = Print::Paper},
    {.kind = Label, .name = "Label23", .text = "Temps d'une gachée : environ   3 mn", .at = {5040, 8160, 3975, 255}, .look = {.fore = kGreen, .back = kBlack, .points = 11.25, .style = Bold | Italic}, .flags = ResultArea, .print = Print::Paper},
    {.kind = Line, .name = "Line1", .at = {120, 3240, 9120, 3240}, .look = kRule, .flags = ResultArea, .print = Print::BlackLine},
    {.kind = Line, .name = "Line6", .at = {4320, 3240, 4320, 6480}, .look = kRule, .flags = ResultArea, .print = Print::BlackLine},
    {.kind = Line, .name = "Line3", .at = {6600, 3240, 6600, 7320}, .look = kRule, .flags = ResultArea, .print = Print::BlackLine},
    {.kind = Line, .name = "Line4", .at = {120, 6480, 6600, 6480}, .look = kRule, .flags = ResultArea, .print = Print::BlackLine},
    {.kind = Line, .name = "Line2", .at = {120, 7320, 9120, 7320}, .look = kRule, .print = Print::BlackLine},
    {.kind = Line, .name = "Line5", .at = {120, 7920, 9120, 7920}, .look = kRule, .print = Print::Hidden},
};

// Tab goes through the window in this order, from the dosage.
inline constexpr const char* kFocus[] = {
    "TxtDosage", "TxtVolume", "TxtContenance", "CmdCalcul", "TxtEauTot", "TxtCimentTot",
    "TxtSableTot", "TxtGravierTot", "TxtEau", "TxtCiment", "TxtSable", "TxtGravier", "CmdEffacer",
    "CmdRetour1", "TxtBeton", "TxtTempsTh", "CmdInfo", "CmdQuitterInfo", "TxtTempsTm",
    "CmdImprimer", "TxtPrixAchat", "TxtEauTotL", "TxtCimentTotL", "TxtSableTotL", "TxtGravierTotL",
    "TxtPrixDetCim", "TxtPrixDetSab", "TxtPrixDetGrav", "CmdAideBet"};
// "X" empties these boxes and hides this label, in this order.
inline constexpr const char* kClear[] = {
    "TxtDosage", "TxtVolume", "TxtContenance", "TxtEauTot", "TxtCimentTot", "TxtSableTot",
    "TxtGravierTot", "TxtEau", "TxtCiment", "TxtSable", "TxtGravier", "TxtBeton", "TxtTempsTh",
    "TxtTempsTm", "LblMauvaisDos", "TxtEauTotL", "TxtCimentTotL", "TxtSableTotL", "TxtGravierTotL",
    "TxtPrixAchat"};

// clang-format on

inline constexpr WindowDef kWindow{.name = "Form1",
                                   .caption = "Dosage du béton    Karvo",
                                   .width = 9180,
                                   .height = 8625,
                                   .fore = kDefault,
                                   .back = kBlack,
                                   .fontPoints = 8.25,
                                   .controls = kControls,
                                   .focusOrder = kFocus,
                                   .clearOrder = kClear,
                                   .defaultButton = "CmdCalcul",
                                   .printColours = true};
static_assert(checks::Sound<kWindow>());
static_assert(checks::ResultsShownOnce<kWindow, calc::kConcretePatterns>());

template <checks::Text Name>
inline constexpr auto Control = checks::Control<kWindow, Name>();

}  // namespace ui::form1
