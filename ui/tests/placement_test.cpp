// SPDX-License-Identifier: GPL-3.0-or-later
// Where a help window opens beside its anchor: the arithmetic on its own, then the real
// windows on the tests' 1280 x 1024 px screen (19200 x 15360 twips).
#include <QTest>

#include "ui/placement.h"
#include "ui/tests/fixture.h"

namespace ui::test {
namespace {

struct PlacementCase {
    const char* name;
    TwipsRect anchor;
    TwipsRect help;  // only the size counts
    float screenWidth, screenHeight;
    HelpPlacement expected;
};

const PlacementCase kPlacements[] = {
    // Centre exactly at the middle goes left; no room there, so the anchor moves right.
    {"MiddleNoRoomOnTheLeft",
     {3720, 2000, 7920, 7000},
     {0, 0, 4800, 6000},
     15360,
     11520,
     {10, 2500, 4810}},
    {"RightHalfWithRoomOnTheLeft",
     {9000, 1000, 4000, 3000},
     {0, 0, 4800, 2000},
     15360,
     11520,
     {4200, 1500, 9000}},
    // Anchor left exactly equal to the help width: there is room.
    {"LeftRoomJustEnough", {4800, 0, 8000, 3000}, {0, 0, 4800, 3000}, 15360, 11520, {0, 0, 4800}},
    {"LeftHalfWithRoomOnTheRight",
     {1000, 500, 4000, 3000},
     {0, 0, 4800, 2000},
     15360,
     11520,
     {5000, 1000, 1000}},
    // Right edge exactly at the screen's edge counts as no room: the anchor moves left.
    {"LeftHalfRightEdgeExactlyAtTheScreenEdge",
     {2000, 0, 8560, 3000},
     {0, 0, 4800, 3000},
     15360,
     11520,
     {10550, 0, 1990}},
    {"LeftHalfNoRoomOnTheRight",
     {3000, 0, 8000, 3000},
     {0, 0, 6000, 3000},
     15360,
     11520,
     {9350, 0, 1350}},
    // A help window taller than its anchor starts above it, even above the screen.
    {"TallerHelpWindowNegativeTop",
     {1000, 100, 4000, 2000},
     {0, 0, 3000, 5000},
     15360,
     11520,
     {5000, -1400, 1000}},
    // A bottom below the screen's moves up to it, never above the top, never down.
    {"BottomBelowTheScreenMovesUp",
     {9000, 10000, 4000, 1000},
     {0, 0, 4800, 3000},
     15360,
     11520,
     {4200, 8520, 9000}},
    {"BottomExactlyAtTheScreenBottomStays",
     {9000, 9520, 4000, 1000},
     {0, 0, 4800, 3000},
     15360,
     11520,
     {4200, 8520, 9000}},
    {"TallerThanTheScreenStopsAtTheTop",
     {9000, 8000, 4000, 3000},
     {0, 0, 4800, 12000},
     15360,
     11520,
     {4200, 0, 9000}},
    {"TallerThanTheScreenAboveTheTopIsNotMovedDown",
     {9000, 4000, 4000, 3000},
     {0, 0, 4800, 13000},
     15360,
     11520,
     {4200, -1000, 9000}},
};

class PlacementTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(PlacementTest, PlacesBesideTheAnchor) {
    const PlacementCase& c = GetParam();
    const HelpPlacement placed = PlaceHelp(c.anchor, c.help, c.screenWidth, c.screenHeight);
    EXPECT_FLOAT_EQ(placed.helpLeft, c.expected.helpLeft);
    EXPECT_FLOAT_EQ(placed.helpTop, c.expected.helpTop);
    EXPECT_FLOAT_EQ(placed.anchorLeft, c.expected.anchorLeft);
}

INSTANTIATE_TEST_SUITE_P(Branches, PlacementTest, ::testing::ValuesIn(kPlacements),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Placement, OddSizesStayInSinglePrecisionHalves) {
    const HelpPlacement placed = PlaceHelp({3725, 0, 7921, 7635}, {0, 0, 4680, 7620}, 19200, 15360);
    EXPECT_FLOAT_EQ(placed.helpTop, 7.5f);
    EXPECT_FLOAT_EQ(placed.anchorLeft, 3725);  // c = 7685.5 < 9600: right side, room there
    EXPECT_FLOAT_EQ(placed.helpLeft, 11646);
}

TEST_F(UiTest, MenuHelpOpensOnTheLeftOfTheCentredMenu) {
    // Menu 7800 x 7635 at 5700, 3870: its centre is the screen's middle, 9600.
    Click("Form2", "CmdAideMenu");
    QWidget* help = Window("FormAideMenu");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(Window("Form2")->pos(), QPoint(380, 258));
    // Left 5700 - 4680 = 1020 twips; top (7635 - 7620) / 2 + 3870 = 3877.5 twips.
    EXPECT_EQ(help->pos(), QPoint(68, 259));
}

TEST_F(UiTest, HelpIsPlacedAgainFromWhereTheAnchorIsWhenReopened) {
    Click("Form2", "CmdAideMenu");
    Click("FormAideMenu", "CmdQuitInfoMenu");
    Window("Form2")->move(100, 40);
    Click("Form2", "CmdAideMenu");
    // Centre 1500 + 3900 < 9600: on the right, touching the menu at 1500 + 7800 twips;
    // top (7635 - 7620) / 2 + 600 = 607.5 twips.
    EXPECT_EQ(Window("FormAideMenu")->pos(), QPoint(620, 41));
    EXPECT_EQ(Window("Form2")->pos(), QPoint(100, 40));
    // Moving the anchor afterwards leaves the help window where it is.
    Window("Form2")->move(200, 40);
    Click("Form2", "CmdAideMenu");
    EXPECT_EQ(Window("FormAideMenu")->pos(), QPoint(620, 41));
}

TEST_F(UiTest, ConcreteWindowMovesLeftWhenItsHelpHasNoRoomOnTheRight) {
    Click("Form2", "CmdOk");
    Window("Form1")->move(300, 100);
    Click("Form1", "CmdAideBet");
    // 9180 + 4500 + 6960 >= 19200: the anchor moves to 19200 - 6960 - 9180 - 10 = 3050 twips
    // and the help window touches its right side at 12230 twips; top (8625 - 8655) / 2 + 1500.
    EXPECT_EQ(Window("Form1")->pos(), QPoint(203, 100));
    EXPECT_EQ(Window("FormAideBeton")->pos(), QPoint(815, 99));
}

TEST_F(UiTest, HelpOfACalculatorNearTheBottomStaysOnTheScreen) {
    Click("Form2", "CmdOk");
    Window("Form1")->move(10, 600);
    Click("Form1", "CmdAideBet");
    // Its top would be (8625 - 8655) / 2 + 9000 twips; it moves up to 15360 - 8655 = 6705.
    EXPECT_EQ(Window("FormAideBeton")->pos(), QPoint(622, 447));
}

}  // namespace
}  // namespace ui::test
