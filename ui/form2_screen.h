// SPDX-License-Identifier: GPL-3.0-or-later
// Table of the menu: one row per control with its kind, text, place in twips, look, state when
// the window is created and what a screen reader calls it; then its focus order and its price
// boxes, checked as they compile; and the names of its controls that the menu's code uses, each
// checked against the table.
#pragma once

#include "calc/prices.h"
#include "ui/screen_checks.h"

namespace ui::form2 {

using enum Kind;

// clang-format off
inline constexpr Look kPriceBox{.back = 0xFFFF80, .points = 14.25, .style = Bold};  // a price box
inline constexpr Look kCaption{.fore = kGreen, .back = kBlack, .points = 12};  // a caption of the screen scheme
inline constexpr Look kRefusal{.fore = kRed, .back = kBlack, .points = 12, .style = Bold | Centred};  // a refused price

inline constexpr ControlDef kControls[] = {
    {.kind = Label, .name = "LblTitre", .text = "  CALCUL DES COMPOSANTS   DES BETONS OU DES MORTIERS", .at = {240, 240, 5175, 735}, .look = {.fore = kBlack, .back = 0xC0C000, .points = 15.75, .style = Bold | Centred}},
    {.kind = Label, .name = "Label1", .text = "CHOIX", .at = {6480, 960, 1215, 375}, .look = {.fore = 0xFFC080, .back = kBlack, .points = 14.25, .style = Bold | Centred}},
    {.kind = Frame, .name = "Frame1", .at = {6600, 1560, 975, 2175}, .look = {.back = 0x004000}, .speech = {.name = "Choix du calcul"}},
    {.kind = Option, .name = "Option1", .text = "1", .at = {120, 120, 735, 495}, .look = {.back = 0xFF8000, .points = 18, .style = Bold | Graphical}, .flags = InFrame | Selected, .speech = {.name = "Béton", .describedBy = "Label2"}},
    {.kind = Option, .name = "Option2", .text = "2", .at = {120, 1560, 735, 495}, .look = {.back = 0xFF8000, .points = 18, .style = Bold | Graphical}, .flags = InFrame, .speech = {.name = "Mortier", .describedBy = "Label3"}},
    {.kind = Label, .name = "Label2", .text = "Dosage entre 150 Kg et 400 Kg de ciment par m3 de  BETON  mis en place", .at = {240, 1680, 4695, 615}, .look = {.fore = kGreen, .back = kBlack, .points = 12, .style = Bold}},
    {.kind = Label, .name = "Label3", .text = "Dosage entre 300 Kg et 900 Kg de ciment par m3 de  MORTIER  mis en place", .at = {240, 3120, 4695, 615}, .look = {.fore = kGreen, .back = kBlack, .points = 12, .style = Bold}},
    {.kind = TextBox, .name = "TxtPrixCiment", .at = {6240, 4200, 1335, 375}, .look = kPriceBox, .flags = Input, .speech = {.captions = {"Label5"}}},
    {.kind = Label, .name = "Label5", .text = "Prix du sac de ciment de 35 Kg", .at = {240, 4320, 3375, 375}, .look = kCaption},
    {.kind = Label, .name = "LblErrCim", .text = "De 0 à 800000", .at = {3960, 4320, 1695, 255}, .look = kRefusal, .flags = Hidden | Alert, .speech = {.captions = {"Label5"}}},
    {.kind = TextBox, .name = "TxtPrixSable", .at = {6240, 4800, 1335, 375}, .look = kPriceBox, .flags = Input, .speech = {.captions = {"Label8"}}},
    {.kind = Label, .name = "Label8", .text = "Prix du m3 de sable", .at = {240, 4920, 3375, 375}, .look = kCaption},
    {.kind = Label, .name = "LblErrSab", .text = "De 0 à 9000000", .at = {3960, 4920, 1815, 255}, .look = kRefusal, .flags = Hidden | Alert, .speech = {.captions = {"Label8"}}},
    {.kind = TextBox, .name = "TxtPrixGravier", .at = {6240, 5400, 1335, 375}, .look = kPriceBox, .flags = Input, .speech = {.captions = {"Label9"}}},
    {.kind = Label, .name = "Label9", .text = "Prix du m3 de gravier", .at = {240, 5520, 3375, 375}, .look = kCaption},
    {.kind = Label, .name = "LblErrGrav", .text = "De 0 à 9000000", .at = {3960, 5520, 1815, 255}, .look = kRefusal, .flags = Hidden | Alert, .speech = {.captions = {"Label9"}}},
    {.kind = TextBox, .name = "TxtPrixTransport", .at = {6240, 6000, 1335, 375}, .look = kPriceBox, .flags = Input, .speech = {.captions = {"Label10"}}},
    {.kind = Label, .name = "Label10", .text = "Prix du transport", .at = {240, 6120, 3255, 375}, .look = kCaption},
    {.kind = Label, .name = "LblErrTrans", .text = "De 0 à 9000000", .at = {3960, 6120, 1815, 255}, .look = kRefusal, .flags = Hidden | Alert, .speech = {.captions = {"Label10"}}},
    {.kind = Label, .name = "LblLogo3", .text = "V", .at = {3000, 6720, 615, 615}, .look = {.fore = kWhite, .back = kBlack, .points = 21.75, .style = Bold | Italic | Centred}},
    {.kind = Label, .name = "Label4", .at = {240, 6840, 1455, 615}, .look = {.back = 0x004000}},
    {.kind = Label, .name = "LblLogo1", .text = "K", .at = {2280, 6840, 495, 495}, .look = {.fore = kWhite, .back = kBlack, .points = 18, .style = Bold | Centred}},
    {.kind = Button, .name = "CmdQuitter", .text = "QUITTER", .at = {360, 6960, 1215, 375}, .look = {.back = 0xFFC080, .points = 12, .style = Bold}},
    {.kind = Button, .name = "CmdEffacerP", .text = "X", .at = {4440, 6960, 495, 375}, .look = {.back = 0xFFC080, .points = 15.75, .style = Bold}, .speech = {.name = "Effacer les prix"}},
    {.kind = Button, .name = "CmdAideMenu", .text = "INFOS", .at = {5160, 6960, 855, 375}, .look = {.back = 0x80FFFF, .points = 12, .style = Bold}},
    {.kind = Button, .name = "CmdOk", .text = "OK", .at = {6240, 6960, 1335, 375}, .look = {.back = 0x80FF80, .points = 15.75, .style = Bold}},
    {.kind = Label, .name = "LblLogo2", .text = "R", .at = {2640, 7200, 495, 495}, .look = {.fore = kWhite, .back = kBlack, .points = 15.75, .style = Bold | Centred}, .flags = BeyondEdge},
    {.kind = Line, .name = "Line3", .at = {1440, 2280, 2400, 2280}, .look = {.fore = 0x00FFFF, .style = Wide}},
    {.kind = Line, .name = "Line4", .at = {1440, 3720, 2640, 3720}, .look = {.fore = 0x00FFFF, .style = Wide}},
    {.kind = Line, .name = "Line1", .at = {120, 3960, 7680, 3960}, .look = {.fore = kGreen}},
    {.kind = Line, .name = "Line2", .at = {120, 6600, 7680, 6600}, .look = {.fore = kGreen}},
};

// Tab goes through the menu in this order, from "OK".
inline constexpr const char* kFocus[] = {
    "CmdOk", "CmdQuitter", "Option1", "Option2", "TxtPrixCiment", "TxtPrixSable", "TxtPrixGravier",
    "TxtPrixTransport", "CmdEffacerP", "CmdAideMenu"};

// The price boxes and the labels refusing them, in the order of calc::Price.
inline constexpr const char* kPriceBoxes[] = {"TxtPrixCiment", "TxtPrixSable", "TxtPrixGravier",
                                              "TxtPrixTransport"};
inline constexpr const char* kPriceRefusals[] = {"LblErrCim", "LblErrSab", "LblErrGrav",
                                                 "LblErrTrans"};

// clang-format on

inline constexpr WindowDef kWindow{.name = "Form2",
                                   .caption = "Menu   béton - mortier  Karvo",
                                   .width = 7800,
                                   .height = 7635,
                                   .fore = kBlack,
                                   .back = kBlack,
                                   .fontPoints = 0,
                                   .controls = kControls,
                                   .focusOrder = kFocus,
                                   .defaultButton = "CmdOk"};
static_assert(checks::Sound<kWindow>());
static_assert(checks::ListOf<kWindow, kPriceBoxes, calc::kPriceCount, TextBox, Input>());
static_assert(checks::ListOf<kWindow, kPriceRefusals, calc::kPriceCount, Label, Alert>());

template <checks::Text Name>
inline constexpr auto Control = checks::Control<kWindow, Name>();

}  // namespace ui::form2
