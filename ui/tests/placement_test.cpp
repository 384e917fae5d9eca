// SPDX-License-Identifier: GPL-3.0-or-later
// Where a help window opens beside its anchor: the arithmetic on its own, in twips, then the
// real windows on the tests' 1280 x 1024 px screen (19200 x 15360 twips).
#include "ui/placement.h"
#include "ui/tests/fixture.h"

namespace ui::test {
namespace {

// clang-format off
TEST(Placement, BesideTheAnchorOnTheSideOfTheScreenWithRoom) {
    const struct {
        const char* name;
        TwipsRect anchor;
        float helpWidth, helpHeight;
        HelpPlacement expected;  // help left, help top, anchor left
    } cases[] = {  // on a 15360 x 11520 twips screen
        {"centre at the middle, no room left", {3720, 2000, 7920, 7000}, 4800, 6000, {10, 2500, 4810}},
        {"right half, room left", {9000, 1000, 4000, 3000}, 4800, 2000, {4200, 1500, 9000}},
        {"room left just enough", {4800, 0, 8000, 3000}, 4800, 3000, {0, 0, 4800}},
        {"left half, room right", {1000, 500, 4000, 3000}, 4800, 2000, {5000, 1000, 1000}},
        {"right edge at the screen's", {2000, 0, 8560, 3000}, 4800, 3000, {10550, 0, 1990}},
        {"left half, no room right", {3000, 0, 8000, 3000}, 6000, 3000, {9350, 0, 1350}},
        {"taller help, top above", {1000, 100, 4000, 2000}, 3000, 5000, {5000, -1400, 1000}},
        {"bottom below the screen", {9000, 10000, 4000, 1000}, 4800, 3000, {4200, 8520, 9000}},
        {"bottom at the screen's", {9000, 9520, 4000, 1000}, 4800, 3000, {4200, 8520, 9000}},
        {"taller than the screen", {9000, 8000, 4000, 3000}, 4800, 12000, {4200, 0, 9000}},
        {"taller, above the top", {9000, 4000, 4000, 3000}, 4800, 13000, {4200, -1000, 9000}},
        {"single precision halves", {3725, 0, 7921, 7635}, 4680, 7620, {10, 7.5f, 4690}},
    };
    for (const auto& c : cases) {
        const HelpPlacement placed = PlaceHelp(c.anchor, {0, 0, c.helpWidth, c.helpHeight}, 15360, 11520);
        EXPECT_FLOAT_EQ(placed.helpLeft, c.expected.helpLeft) << c.name;
        EXPECT_FLOAT_EQ(placed.helpTop, c.expected.helpTop) << c.name;
        EXPECT_FLOAT_EQ(placed.anchorLeft, c.expected.anchorLeft) << c.name;
    }
}
// clang-format on

TEST_F(UiTest, HelpWindowsOpenBesideTheirAnchorsOnTheScreen) {
    // The centred menu: centre at the middle, room on the left: 5700 - 4680, (7635 - 7620) / 2.
    Click("Form2", "CmdAideMenu");
    EXPECT_EQ(Window("FormAideMenu")->pos(), QPoint(68, 259));
    Click("FormAideMenu", "CmdQuitInfoMenu");
    // Placed again from where the menu is now: on its right, touching it at 1500 + 7800 twips.
    Window("Form2")->move(100, 40);
    Click("Form2", "CmdAideMenu");
    EXPECT_EQ(Window("FormAideMenu")->pos(), QPoint(620, 41));
    Window("Form2")->move(200, 40);
    EXPECT_EQ(Window("FormAideMenu")->pos(), QPoint(620, 41));
    // 4500 + 9180 + 6960 >= 19200: the concrete window moves left to 3050 twips.
    Open("Option1");
    Window("Form1")->move(300, 100);
    Click("Form1", "CmdAideBet");
    EXPECT_EQ(Window("Form1")->pos(), QPoint(203, 100));
    EXPECT_EQ(Window("FormAideBeton")->pos(), QPoint(815, 99));
    // Near the bottom: its top (8625 - 8655) / 2 + 9000 moves up to 15360 - 8655 twips.
    Click("FormAideBeton", "CmdQuitAideBeton");
    Window("Form1")->move(10, 600);
    Click("Form1", "CmdAideBet");
    EXPECT_EQ(Window("FormAideBeton")->pos(), QPoint(622, 447));
}

}  // namespace
}  // namespace ui::test
