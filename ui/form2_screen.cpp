// SPDX-License-Identifier: GPL-3.0-or-later
// Table of the menu: one row per control with its kind, text, geometry in twips, look, state
// when the window is created, focus order and what a screen reader calls it.
#include "ui/screens.h"

namespace ui {
namespace {

// clang-format off
constexpr ControlDef kControls[] = {
    {Kind::Label, "LblTitre", "  CALCUL DES COMPOSANTS   DES BETONS OU DES MORTIERS", 240, 240, 5175, 735, {0x000000, 0xC0C000, 15.75, Bold|Centred}, 0},
    {Kind::Label, "Label1", "CHOIX", 6480, 960, 1215, 375, {0xFFC080, 0x000000, 14.25, Bold|Centred}, 0},
    {Kind::Frame, "Frame1", "", 6600, 1560, 975, 2175, {kDefault, 0x004000, 0, 0}, 0, Print::Kept, 0, 0, {}, {.name = "Choix du calcul"}},
    {Kind::Option, "Option1", "1", 120, 120, 735, 495, {kDefault, 0xFF8000, 18, Bold|Graphical}, InFrame|Selected, Print::Kept, 3, 0, {}, {.name = "Béton", .describedBy = "Label2"}},
    {Kind::Option, "Option2", "2", 120, 1560, 735, 495, {kDefault, 0xFF8000, 18, Bold|Graphical}, InFrame, Print::Kept, 4, 0, {}, {.name = "Mortier", .describedBy = "Label3"}},
    {Kind::Label, "Label2", "Dosage entre 150 Kg et 400 Kg de ciment par m3 de  BETON  mis en place", 240, 1680, 4695, 615, {0x00FF00, 0x000000, 12, Bold}, 0},
    {Kind::Label, "Label3", "Dosage entre 300 Kg et 900 Kg de ciment par m3 de  MORTIER  mis en place", 240, 3120, 4695, 615, {0x00FF00, 0x000000, 12, Bold}, 0},
    {Kind::TextBox, "TxtPrixCiment", "", 6240, 4200, 1335, 375, {kDefault, 0xFFFF80, 14.25, Bold}, Input, Print::Kept, 5, 0, {}, {.captions = {"Label5"}}},
    {Kind::Label, "Label5", "Prix du sac de ciment de 35 Kg", 240, 4320, 3375, 375, {0x00FF00, 0x000000, 12, 0}, 0},
    {Kind::Label, "LblErrCim", "De 0 à 800000", 3960, 4320, 1695, 255, {0xFF0000, 0x000000, 12, Bold|Centred}, Hidden|Alert, Print::Kept, 0, 0, {}, {.captions = {"Label5"}}},
    {Kind::TextBox, "TxtPrixSable", "", 6240, 4800, 1335, 375, {kDefault, 0xFFFF80, 14.25, Bold}, Input, Print::Kept, 6, 0, {}, {.captions = {"Label8"}}},
    {Kind::Label, "Label8", "Prix du m3 de sable", 240, 4920, 3375, 375, {0x00FF00, 0x000000, 12, 0}, 0},
    {Kind::Label, "LblErrSab", "De 0 à 9000000", 3960, 4920, 1815, 255, {0xFF0000, 0x000000, 12, Bold|Centred}, Hidden|Alert, Print::Kept, 0, 0, {}, {.captions = {"Label8"}}},
    {Kind::TextBox, "TxtPrixGravier", "", 6240, 5400, 1335, 375, {kDefault, 0xFFFF80, 14.25, Bold}, Input, Print::Kept, 7, 0, {}, {.captions = {"Label9"}}},
    {Kind::Label, "Label9", "Prix du m3 de gravier", 240, 5520, 3375, 375, {0x00FF00, 0x000000, 12, 0}, 0},
    {Kind::Label, "LblErrGrav", "De 0 à 9000000", 3960, 5520, 1815, 255, {0xFF0000, 0x000000, 12, Bold|Centred}, Hidden|Alert, Print::Kept, 0, 0, {}, {.captions = {"Label9"}}},
    {Kind::TextBox, "TxtPrixTransport", "", 6240, 6000, 1335, 375, {kDefault, 0xFFFF80, 14.25, Bold}, Input, Print::Kept, 8, 0, {}, {.captions = {"Label10"}}},
    {Kind::Label, "Label10", "Prix du transport", 240, 6120, 3255, 375, {0x00FF00, 0x000000, 12, 0}, 0},
    {Kind::Label, "LblErrTrans", "De 0 à 9000000", 3960, 6120, 1815, 255, {0xFF0000, 0x000000, 12, Bold|Centred}, Hidden|Alert, Print::Kept, 0, 0, {}, {.captions = {"Label10"}}},
    {Kind::Label, "LblLogo3", "V", 3000, 6720, 615, 615, {0xFFFFFF, 0x000000, 21.75, Bold|Italic|Centred}, 0},
    {Kind::Label, "Label4", "", 240, 6840, 1455, 615, {kDefault, 0x004000, 0, 0}, 0},
    {Kind::Label, "LblLogo1", "K", 2280, 6840, 495, 495, {0xFFFFFF, 0x000000, 18, Bold|Centred}, 0},
    {Kind::Button, "CmdQuitter", "QUITTER", 360, 6960, 1215, 375, {kDefault, 0xFFC080, 12, Bold}, 0, Print::Kept, 2},
    {Kind::Button, "CmdEffacerP", "X", 4440, 6960, 495, 375, {kDefault, 0xFFC080, 15.75, Bold}, 0, Print::Kept, 9, 0, {}, {.name = "Effacer les prix"}},
    {Kind::Button, "CmdAideMenu", "INFOS", 5160, 6960, 855, 375, {kDefault, 0x80FFFF, 12, Bold}, 0, Print::Kept, 10},
    {Kind::Button, "CmdOk", "OK", 6240, 6960, 1335, 375, {kDefault, 0x80FF80, 15.75, Bold}, 0, Print::Kept, 1},
    {Kind::Label, "LblLogo2", "R", 2640, 7200, 495, 495, {0xFFFFFF, 0x000000, 15.75, Bold|Centred}, 0},
    {Kind::Line, "Line3", "", 1440, 2280, 2400, 2280, {0x00FFFF, kDefault, 0, Wide}, 0},
    {Kind::Line, "Line4", "", 1440, 3720, 2640, 3720, {0x00FFFF, kDefault, 0, Wide}, 0},
    {Kind::Line, "Line1", "", 120, 3960, 7680, 3960, {0x00FF00, kDefault, 0, 0}, 0},
    {Kind::Line, "Line2", "", 120, 6600, 7680, 6600, {0x00FF00, kDefault, 0, 0}, 0},
};

// clang-format on

}  // namespace

const WindowDef& Form2Screen() {
    static const WindowDef def{
        "Form2", "Menu   béton - mortier  Karvo", 7800, 7635, kBlack, kBlack, 0, kControls,
        "CmdOk"};
    return def;
}

std::array<const WindowDef*, 6> AllScreens() {
    return {&Form2Screen(),
            &Form1Screen(),
            &Form3Screen(),
            &AideMenuScreen().window,
            &AideBetonScreen().window,
            &AideMortierScreen().window};
}

}  // namespace ui
