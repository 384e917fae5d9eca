// SPDX-License-Identifier: GPL-3.0-or-later
// Tables of the three help windows and their texts: each text is a run of sentences, each
// sentence followed by the spaces that end its line at the label's width and font.
#pragma once

#include "ui/screen_checks.h"

namespace ui {

// A help window's table and its two buttons.
struct HelpScreen {
    const WindowDef& window;
    const char* printButton;
    const char* quitButton;
};

}  // namespace ui

namespace ui::help {

// The texts' grey, the windows' own too: no theme colour shows around a text.
inline constexpr Rgb kHelpGrey = 0xE0E0E0;

using enum Kind;

// clang-format off
inline constexpr TextPart kMenuText[] = {
    {"On fait ici le choix du calcul des composants du béton ou du mortier.", 107},
    {"On peut si on le veut, saisir le prix des matériaux et du transport.", 34},
    {"Il n'est pas précisé d'unités monétaires.", 85},
    {"Si on clique sur    \" 1 \"  puis sur  \" OK \",", 11},
    {"le programme ouvre une page de calcul pour le béton dosé à plus de 150 Kg de ciment     par mètre cube de béton mis en place, damé ou vibré.", 62},
    {"On ne pourra pas dépasser un dosage de", 10},
    {"400 Kg de ciment par mètre cube de béton.", 81},
    {"Si on clique sur   \" 2 \" puis sur  \" OK \", le programme ouvre une page de calcul pour", 8},
    {"le mortier dosé à plus de 300 Kg de ciment par mètre cube de mortier mis en place.", 12},
    {"On ne pourra pas dépasser un dosage de", 10},
    {"900 Kg de ciment par mètre cube de mortier.", 79},
    {"Pour le calcul des composants du béton ou du mortier, les formules sont issues d'un ouvrage technique de construction de batiments, maçonnerie et béton armé.", 105},
    {"Il est conseillé d'utiliser une bétonnière.", 0},
};

inline constexpr TextPart kBetonText[] = {
    {" Calcul des composants du béton dosé entre 150 Kg et 400 Kg de ciment  par mètre cube de béton mis en place, damé ou vibré.", 144},
    {"Il faut entrer trois données qui sont :", 61},
    {"1  Le dosage du béton, en Kg/m3.", 66},
    {"Des recommandations sont affichées mais il est laissé à chacun", 14},
    {"le choix du dosage pourvu qu'il  soit compris entre 150 Kg et", 19},
    {"400 Kg et qu'il ne s'écarte pas trop des valeurs recommandées.", 11},
    {"2  Le volume total en litres, du béton damé ou vibré à mettre en", 17},
    {"place.", 105},
    {"C'est le volume du coffrage.", 67},
    {"3  La contenance de la bétonnière en litres.", 50},
    {"Elle correspond au volume des matériaux qui n'ont pas encore", 15},
    {"été mélangés.", 200},
    {"On clique ensuite sur  \" CALCULS \" .", 60},
    {"Les résultats s'affichent pour :", 68},
    {"--  Les quantités totales des matériaux à acheter en litres et en Kg.", 10},
    {"--  Le coût total des matériaux avec ou sans transport.", 30},
    {"--  Les quantités de matériaux en litres à mélanger dans", 30},
    {"la bétonnière.", 89},
    {"--  Le volume de béton coffré à chaque gachée de la bétonnière", 17},
    {"toutes les trois minutes.", 74},
    {"--  Le temps total du travail en continu pour remplir tous les", 25},
    {"coffrages, à la condition d'être organisé et de mettre les moyens", 13},
    {"humains afin d'assurer le cycle d'une gachée toutes les trois", 20},
    {"minutes.", 209},
    {"Les quantités d'eau dépendent de manière sensibles de l'humidité", 12},
    {"du sable et du gravier. Il faudra donc doser plus ou moins les", 18},
    {"quantités d'eau indiquées.", 186},
    {"Enfin le sable et le gravier doivent être propres", 0},
};

inline constexpr TextPart kMortierText[] = {
    {"  Calcul des composants du mortier dosé entre 300 Kg", 8},
    {"et 900 Kg de ciment par mètre cube de mortier mis", 11},
    {"en place.", 169},
    {"Il faut d'abord faire le choix entre les quatre plages", 10},
    {"de dosages proposées en fonction du travail", 21},
    {"à effectuer.", 76},
    {"Soit : 300 Kg à 350 Kg", 18},
    {"400 Kg à 450 Kg", 24},
    {"550 Kg à 600 Kg", 18},
    {"700 Kg à 900 Kg.", 9},
    {"Il faut ensuite entrer trois données qui sont :", 25},
    {"1  Le dosage du mortier, en Kg/m3.", 40},
    {"dans les limites de la plage de dosage choisie.", 13},
    {"2  Le volume total en litres, du mortier à mettre", 20},
    {"en place. C'est le volume calculé en fonction", 20},
    {"de la surface à couvrir et de l'épaisseur du", 24},
    {"mortier.", 75},
    {"3  La contenance de la bétonnière en litres.", 26},
    {"Elle correspond au volume des matériaux qui", 19},
    {"n'ont pas encore été mélangés.", 35},
    {"On clique ensuite sur  \" CALCULS \".", 39},
    {"Les résultats s'affichent pour :", 44},
    {"--  Les quantités totales des matériaux à acheter", 19},
    {"en litres et en Kg.", 59},
    {"--  Le coût total des matériaux avec ou sans", 26},
    {"transport.", 72},
    {"--  Les quantités de matériaux en litres à mélanger", 15},
    {"dans la bétonnière.", 57},
    {"--  Le volume de mortier mis en place à chaque", 20},
    {"gachée de la bétonnière toutes les trois minutes.", 10},
    {"--  Le temps total du travail en continu pour mettre", 16},
    {"en place le mortier, à la condition d'être organisé", 13},
    {"et de mettre les moyens humains afin d'assurer", 17},
    {"le cycle d'une gachée toutes les trois minutes.", 10},
    {"Les quantités d'eau dépendent de manière sensibles", 8},
    {"de l'humidité du sable. Il faudra donc doser plus ou", 10},
    {"moins les quantités d'eau indiquées.", 34},
    {"Enfin le sable doit être propre.", 0},
};

inline constexpr ControlDef kMenuControls[] = {
    {.kind = Label, .name = "LblInfoMenu", .text = kMenuText, .at = {120, 120, 4455, 7455}, .look = {.back = kHelpGrey, .points = 9.75, .style = Bold}},
    {.kind = Button, .name = "CmdImpAideMenu", .text = "IMPRIMER", .at = {120, 6960, 1215, 495}, .look = {.back = 0x80FF80, .points = 9.75, .style = Bold}, .print = Print::Hidden},
    {.kind = Button, .name = "CmdQuitInfoMenu", .text = "Quitter les infos", .at = {2640, 6960, 1935, 495}, .look = {.back = 0x80FF80, .points = 11.25, .style = Bold}, .print = Print::Hidden},
};

// Tab goes through a help window from "Quitter les infos".
inline constexpr const char* kMenuFocus[] = {"CmdQuitInfoMenu", "CmdImpAideMenu"};

inline constexpr ControlDef kBetonControls[] = {
    {.kind = Label, .name = "LblAideBeton", .text = kBetonText, .at = {0, 0, 6855, 8565}, .look = {.back = kHelpGrey, .points = 9.75, .style = Bold}},
    {.kind = Button, .name = "CmdImpAideBeton", .text = "IMPRIMER", .at = {240, 8040, 1215, 495}, .look = {.back = 0x80FF80, .points = 9.75, .style = Bold}, .print = Print::Hidden},
    {.kind = Button, .name = "CmdQuitAideBeton", .text = "Quitter les infos", .at = {4800, 8040, 1935, 495}, .look = {.back = 0x80FF80, .points = 11.25, .style = Bold}, .print = Print::Hidden},
};

inline constexpr const char* kBetonFocus[] = {"CmdQuitAideBeton", "CmdImpAideBeton"};

inline constexpr ControlDef kMortierControls[] = {
    {.kind = Label, .name = "Label1", .text = kMortierText, .at = {0, 120, 5445, 9855}, .look = {.back = kHelpGrey, .points = 9.75, .style = Bold}},
    {.kind = Button, .name = "CmdImpAideMortier", .text = "IMPRIMER", .at = {240, 9360, 1215, 495}, .look = {.back = 0x80FF80, .points = 9.75, .style = Bold}, .print = Print::Hidden},
    {.kind = Button, .name = "CmdQuitInfoMortier", .text = "Quitter les infos", .at = {3360, 9360, 1935, 495}, .look = {.back = 0x80FF80, .points = 11.25, .style = Bold}, .print = Print::Hidden},
};

inline constexpr const char* kMortierFocus[] = {"CmdQuitInfoMortier", "CmdImpAideMortier"};

// clang-format on

inline constexpr WindowDef kAideMenu{.name = "FormAideMenu",
                                     .caption = "Aide menu Karvo",
                                     .width = 4680,
                                     .height = 7620,
                                     .fore = kDefault,
                                     .back = kHelpGrey,
                                     .fontPoints = 0,
                                     .controls = kMenuControls,
                                     .focusOrder = kMenuFocus};
inline constexpr WindowDef kAideBeton{.name = "FormAideBeton",
                                      .caption = "Aide beton Karvo",
                                      .width = 6960,
                                      .height = 8655,
                                      .fore = kDefault,
                                      .back = kHelpGrey,
                                      .fontPoints = 0,
                                      .controls = kBetonControls,
                                      .focusOrder = kBetonFocus};
inline constexpr WindowDef kAideMortier{.name = "FormAideMortier",
                                        .caption = "Aide mortier Karvo",
                                        .width = 5520,
                                        .height = 10035,
                                        .fore = kDefault,
                                        .back = kHelpGrey,
                                        .fontPoints = 0,
                                        .controls = kMortierControls,
                                        .focusOrder = kMortierFocus};
static_assert(checks::Sound<kAideMenu>());
static_assert(checks::Sound<kAideBeton>());
static_assert(checks::Sound<kAideMortier>());

inline constexpr HelpScreen kHelps[] = {
    {kAideMenu, checks::ControlOfKind<kAideMenu, "CmdImpAideMenu", Button>(),
     checks::ControlOfKind<kAideMenu, "CmdQuitInfoMenu", Button>()},
    {kAideBeton, checks::ControlOfKind<kAideBeton, "CmdImpAideBeton", Button>(),
     checks::ControlOfKind<kAideBeton, "CmdQuitAideBeton", Button>()},
    {kAideMortier, checks::ControlOfKind<kAideMortier, "CmdImpAideMortier", Button>(),
     checks::ControlOfKind<kAideMortier, "CmdQuitInfoMortier", Button>()}};

}  // namespace ui::help
