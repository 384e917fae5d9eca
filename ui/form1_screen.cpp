// SPDX-License-Identifier: GPL-3.0-or-later
// Table of the concrete window: one row per control with its kind, text, geometry in twips,
// look, state when the window is created, groups, print role, focus order, place among what
// "X" empties, the result it shows and what a screen reader calls it.
#include "ui/screens.h"

namespace ui {
namespace {

// clang-format off
constexpr TextPart kInfoNote[] = {
    {"   L'humidité des composants du béton  étant un facteur assez variable,  il faut en pratique, rajouter une quantité d'eau pouvant aller environ jusqu'à 10 à 15 % et ceci afin d'obtenir un béton qui se présente sous l'aspect d'une pâte fluide mais épaisse qui remplit le coffrage avec facilité et sans travail particulier.  Penser à relancer un calcul pour la dernière gachée ( plus petite ).", 0},
};

constexpr ControlDef kControls[] = {
    {Kind::Label, "LblInfo", kInfoNote, 120, 120, 8895, 1455, {0x000000, 0xC0FFC0, 11.25, Bold}, Hidden|Above},
    {Kind::Label, "Label1", "  Dosage    150 Kg/m3                        Surfaces propres sous fondations", 120, 120, 8895, 375, {kDefault, 0xC0FFC0, 11.25, Bold|Italic}, 0, Print::Paper},
    {Kind::Label, "Label2", "                   200 Kg/m3                        Fondations simples - Bétons de remplissages", 120, 480, 8895, 375, {kDefault, 0xC0FFC0, 11.25, Bold|Italic}, 0, Print::Paper},
    {Kind::Label, "Label3", "                   250 Kg/m3                        Murs contre terre -  Murs de soutènement", 120, 840, 8895, 375, {kDefault, 0xC0FFC0, 11.25, Bold|Italic}, 0, Print::Paper},
    {Kind::Label, "Label4", "                   300 à 400 Kg/m3              Béton armé", 120, 1200, 8895, 375, {kDefault, 0xC0FFC0, 11.25, Bold|Italic}, 0, Print::Paper},
    {Kind::Button, "CmdQuitterInfo", "QUITTER", 7800, 1200, 1215, 390, {kDefault, 0x00FF00, 11.25, Bold}, Hidden|Above, Print::NoteButton, 18},
    {Kind::TextBox, "TxtDosage", "", 7920, 1680, 1095, 390, {0x0000FF, 0xFFFFFF, 15.75, Bold}, Input, Print::Kept, 1, 1, {}, {.captions = {"Label5"}}},
    {Kind::Label, "LblMauvaisDos", "Mauvais dosage", 120, 1800, 2295, 375, {0xFFFFFF, 0xFF0000, 12, Bold|Centred}, Hidden|Above|Alert, Print::Kept, 0, 15},
    {Kind::Label, "Label5", " Dosage du béton", 120, 1800, 2055, 375, {0x00FF00, 0x000000, 12, Bold}, 0, Print::Paper},
    {Kind::Label, "LblPlageDosage1", "  entre 150 et 400 Kg/m3", 2880, 1800, 2775, 375, {0x00FF00, 0x000000, 12, Bold|Centred}, 0, Print::Paper},
    {Kind::TextBox, "TxtVolume", "", 7920, 2160, 1095, 375, {kDefault, 0xFFFFFF, 14.25, Bold}, Input, Print::Kept, 2, 2, {}, {.captions = {"Label6"}}},
    {Kind::Label, "Label6", " Volume de béton à mettre en place", 120, 2280, 3855, 375, {0x00FF00, 0x000000, 12, 0}, 0, Print::Paper},
    {Kind::Label, "Label24", "en litres", 4680, 2280, 975, 375, {0x00FF00, 0x000000, 12, Bold|Centred}, 0, Print::Paper},
    {Kind::Label, "LblErrVolBet", "De 0.1 à 100000", 5880, 2280, 1935, 375, {0xFF0000, 0x000000, 12, Bold}, Hidden|Alert, Print::Kept, 0, 0, {}, {.captions = {"Label6"}}},
    {Kind::TextBox, "TxtContenance", "", 7920, 2640, 1095, 405, {kDefault, 0xFFFFFF, 14.25, Bold}, Input, Print::Kept, 3, 3, {}, {.captions = {"Label7"}}},
    {Kind::Label, "Label7", " Contenance de la bétonnière", 120, 2760, 3255, 375, {0x00FF00, 0x000000, 12, 0}, 0, Print::Paper},
    {Kind::Label, "Label25", "en litres", 4680, 2760, 975, 375, {0x00FF00, 0x000000, 12, Bold|Centred}, 0, Print::Paper},
    {Kind::Label, "LblErrCont", "De 0.1 à   10000", 5880, 2760, 1935, 375, {0xFF0000, 0x000000, 12, Bold}, Hidden|Alert, Print::Kept, 0, 0, {}, {.captions = {"Label7"}}},
    {Kind::Label, "Label8", "Qtés totales à fournir", 240, 3360, 1335, 495, {0xFFFFFF, 0x000000, 11.25, Bold}, ResultArea, Print::Paper},
    {Kind::Label, "Label9", "Qtés dans    bétonnière", 6840, 3360, 1335, 495, {0xFFFFFF, 0x000000, 11.25, Bold}, ResultArea, Print::Paper},
    {Kind::Label, "Label28", "Litres", 1800, 3600, 735, 375, {0x00FF00, 0x000000, 12, Bold}, ResultArea, Print::Paper},
    {Kind::Label, "Label21", "Kg", 3480, 3600, 495, 375, {0x00FF00, 0x000000, 12, Bold}, ResultArea, Print::Paper},
    {Kind::Label, "LblPrixDetail", "Prix", 5040, 3600, 615, 375, {0xFFFFFF, 0x000000, 14.25, Bold}, ResultArea, Print::Paper},
    {Kind::Label, "Label20", "Litres", 8280, 3600, 735, 375, {0x00FF00, 0x000000, 12, Bold}, ResultArea, Print::Paper},
    {Kind::TextBox, "TxtEauTotL", "", 1440, 4080, 1215, 405, {kDefault, 0xC0FFC0, 14.25, Bold}, ResultArea, Print::Kept, 22, 16, &calc::ConcreteMix::EauTotL, {.captions = {"Label10", "Label28"}}},
    {Kind::TextBox, "TxtEauTot", "", 2880, 4080, 1335, 390, {kDefault, 0xC0FFC0, 14.25, Bold}, ResultArea, Print::Kept, 5, 4, &calc::ConcreteMix::EauTot, {.captions = {"Label10", "Label21"}}},
    {Kind::TextBox, "TxtEau", "", 8040, 4080, 975, 405, {kDefault, 0xC0FFC0, 14.25, Bold}, ResultArea, Print::Kept, 9, 8, &calc::ConcreteMix::Eau, {.captions = {"Label14", "Label20", "Label9"}}},
    {Kind::Label, "Label10", "Eau  MINI", 240, 4200, 1095, 375, {0x00FF00, 0x000000, 12, 0}, ResultArea, Print::Paper},
    {Kind::Label, "Label14", "  Eau  MINI", 6720, 4200, 1215, 375, {0x00FF00, 0x000000, 12, 0}, ResultArea, Print::Paper},
    {Kind::TextBox, "TxtCimentTotL", "", 1440, 4680, 1215, 405, {kDefault, 0xC0FFC0, 14.25, Bold}, ResultArea, Print::Kept, 23, 17, &calc::ConcreteMix::CimentTotL, {.captions = {"Label11", "Label28"}}},
    {Kind::TextBox, "TxtCimentTot", "", 2880, 4680, 1335, 390, {kDefault, 0xC0FFC0, 14.25, Bold}, ResultArea, Print::Kept, 6, 5, &calc::ConcreteMix::CimentTot, {.captions = {"Label11", "Label21"}}},
    {Kind::TextBox, "TxtPrixDetCim", "", 4440, 4680, 2055, 420, {kDefault, 0xFFFF80, 14.25, Bold}, ResultArea, Print::Kept, 26, 0, &calc::ConcreteMix::PrixDetCim, {.captions = {"Label11", "LblPrixDetail"}}},
    {Kind::TextBox, "TxtCiment", "", 8040, 4680, 975, 420, {kDefault, 0xC0FFC0, 14.25, Bold}, ResultArea, Print::Kept, 10, 9, &calc::ConcreteMix::Ciment, {.captions = {"Label15", "Label20", "Label9"}}},
    {Kind::Label, "Label11", "  Ciment", 120, 4800, 975, 375, {0x00FF00, 0x000000, 12, 0}, ResultArea, Print::Paper},
    {Kind::Label, "Label15", "  Ciment", 6720, 4800, 975, 375, {0x00FF00, 0x000000, 12, 0}, ResultArea, Print::Paper},
    {Kind::TextBox, "TxtSableTotL", "", 1440, 5280, 1215, 405, {kDefault, 0xC0FFC0, 14.25, Bold}, ResultArea, Print::Kept, 24, 18, &calc::ConcreteMix::SableTotL, {.captions = {"Label12", "Label28"}}},
    {Kind::TextBox, "TxtSableTot", "", 2880, 5280, 1335, 375, {kDefault, 0xC0FFC0, 14.25, Bold}, ResultArea, Print::Kept, 7, 6, &calc::ConcreteMix::SableTot, {.captions = {"Label12", "Label21"}}},
    {Kind::TextBox, "TxtPrixDetSab", "", 4440, 5280, 2055, 420, {kDefault, 0xFFFF80, 14.25, Bold}, ResultArea, Print::Kept, 27, 0, &calc::ConcreteMix::PrixDetSab, {.captions = {"Label12", "LblPrixDetail"}}},
    {Kind::TextBox, "TxtSable", "", 8040, 5280, 975, 420, {kDefault, 0xC0FFC0, 14.25, Bold}, ResultArea, Print::Kept, 11, 10, &calc::ConcreteMix::Sable, {.captions = {"Label16", "Label20", "Label9"}}},
    {Kind::Label, "Label12", "  Sable", 120, 5400, 855, 375, {0x00FF00, 0x000000, 12, 0}, ResultArea, Print::Paper},
    {Kind::Label, "Label16", "  Sable", 6720, 5400, 855, 375, {0x00FF00, 0x000000, 12, 0}, ResultArea, Print::Paper},
    {Kind::TextBox, "TxtGravierTotL", "", 1440, 5880, 1215, 390, {kDefault, 0xC0FFC0, 14.25, Bold}, ResultArea, Print::Kept, 25, 19, &calc::ConcreteMix::GravierTotL, {.captions = {"Label13", "Label28"}}},
    {Kind::TextBox, "TxtGravierTot", "", 2880, 5880, 1335, 405, {kDefault, 0xC0FFC0, 14.25, Bold}, ResultArea, Print::Kept, 8, 7, &calc::ConcreteMix::GravierTot, {.captions = {"Label13", "Label21"}}},
    {Kind::TextBox, "TxtPrixDetGrav", "", 4440, 5880, 2055, 420, {kDefault, 0xFFFF80, 14.25, Bold}, ResultArea, Print::Kept, 28, 0, &calc::ConcreteMix::PrixDetGrav, {.captions = {"Label13", "LblPrixDetail"}}},
    {Kind::TextBox, "TxtGravier", "", 8040, 5880, 975, 420, {kDefault, 0xC0FFC0, 14.25, Bold}, ResultArea, Print::Kept, 12, 11, &calc::ConcreteMix::Gravier, {.captions = {"Label17", "Label20", "Label9"}}},
    {Kind::Label, "Label13", "  Gravier", 120, 6000, 975, 375, {0x00FF00, 0x000000, 12, 0}, ResultArea, Print::Paper},
    {Kind::Label, "Label17", "  Gravier", 6720, 6000, 975, 375, {0x00FF00, 0x000000, 12, 0}, ResultArea, Print::Paper},
    {Kind::Label, "Label22", "  Béton     coffré", 6720, 6600, 975, 615, {0xFFFFFF, 0x000000, 12, Bold}, ResultArea, Print::Paper},
    {Kind::TextBox, "TxtPrixAchat", "", 4200, 6720, 2295, 420, {kDefault, 0xFFFF00, 14.25, Bold}, ResultArea, Print::Kept, 21, 20, &calc::ConcreteMix::PrixAchat, {.captions = {"Label19"}}},
    {Kind::TextBox, "TxtBeton", "", 8040, 6720, 975, 420, {kDefault, 0xFFFFFF, 14.25, Bold}, ResultArea, Print::Kept, 15, 12, &calc::ConcreteMix::Beton, {.captions = {"Label22", "Label20", "Label9"}}},
    {Kind::Label, "Label19", "Prix d'achat total", 240, 6840, 1815, 375, {0xFFFFFF, 0x000000, 11.25, Bold}, ResultArea, Print::Paper},
    {Kind::Label, "Label29", "avec le transport", 2160, 6840, 1815, 375, {0x00FF00, 0x000000, 11.25, Bold}, ResultArea, Print::Paper},
    {Kind::Button, "CmdRetour1", "RETOUR", 240, 7440, 1335, 375, {kDefault, 0xFFC080, 12, Bold}, 0, Print::Hidden, 14},
    {Kind::Button, "CmdEffacer", "X", 1800, 7440, 495, 375, {kDefault, 0xFFC080, 15.75, Bold}, 0, Print::Hidden, 13, 0, {}, {.name = "Effacer les données"}},
    {Kind::Button, "CmdAideBet", "INFOS", 2640, 7440, 1215, 375, {kDefault, 0x80FFFF, 12, Bold}, 0, Print::Hidden, 29},
    {Kind::Button, "CmdInfo", "IMPORTANT", 4080, 7440, 1455, 375, {kDefault, 0x00FF00, 11.25, Bold}, 0, Print::Hidden, 17},
    {Kind::Button, "CmdImprimer", "IMPRIMER", 5760, 7440, 1455, 375, {kDefault, 0x80FF80, 12, Bold}, ResultArea, Print::Hidden, 20},
    {Kind::Button, "CmdCalcul", "CALCULS", 7440, 7440, 1575, 375, {kDefault, 0x80FF80, 14.25, Bold}, 0, Print::Hidden, 4},
    {Kind::TextBox, "TxtTempsTh", "", 1680, 8040, 615, 450, {0x00FF00, 0x000000, 15.75, Bold}, ResultArea, Print::Paper, 16, 13, &calc::ConcreteMix::TempsTh, {.captions = {"Label18", "Label26"}}},
    {Kind::TextBox, "TxtTempsTm", "", 2640, 8040, 495, 420, {0x00FF00, 0x000000, 15.75, Bold}, ResultArea, Print::Paper, 19, 14, &calc::ConcreteMix::TempsTm, {.captions = {"Label18", "Label27"}}},
    {Kind::Label, "Label18", "Temps total :", 240, 8160, 1335, 255, {0x00FF00, 0x000000, 11.25, Centred}, ResultArea, Print::Paper},
    {Kind::Label, "Label26", "h", 2400, 8160, 135, 255, {0x00FF00, 0x000000, 11.25, 0}, ResultArea, Print::Paper},
    {Kind::Label, "Label27", "mn", 3240, 8160, 375, 255, {0x00FF00, 0x000000, 11.25, 0}, ResultArea, Print::Paper},
    {Kind::Label, "Label23", "Temps d'une gachée : environ   3 mn", 5040, 8160, 3975, 255, {0x00FF00, 0x000000, 11.25, Bold|Italic}, ResultArea, Print::Paper},
    {Kind::Line, "Line1", "", 120, 3240, 9120, 3240, {0x00FF00, kDefault, 0, 0}, ResultArea, Print::BlackLine},
    {Kind::Line, "Line6", "", 4320, 3240, 4320, 6480, {0x00FF00, kDefault, 0, 0}, ResultArea, Print::BlackLine},
    {Kind::Line, "Line3", "", 6600, 3240, 6600, 7320, {0x00FF00, kDefault, 0, 0}, ResultArea, Print::BlackLine},
    {Kind::Line, "Line4", "", 120, 6480, 6600, 6480, {0x00FF00, kDefault, 0, 0}, ResultArea, Print::BlackLine},
    {Kind::Line, "Line2", "", 120, 7320, 9120, 7320, {0x00FF00, kDefault, 0, 0}, 0, Print::BlackLine},
    {Kind::Line, "Line5", "", 120, 7920, 9120, 7920, {0x00FF00, kDefault, 0, 0}, 0, Print::Hidden},
};

// clang-format on

}  // namespace

const WindowDef& Form1Screen() {
    static const WindowDef def{"Form1",     "Dosage du béton    Karvo",
                               9180,        8625,
                               kDefault,    kBlack,
                               8.25,        kControls,
                               "CmdCalcul", true};
    return def;
}

}  // namespace ui
