// SPDX-License-Identifier: GPL-3.0-or-later
// Where a help window opens beside its anchor: the arithmetic on its own, in twips, then the
// real windows on the tests' 1280 x 1024 px screen (19200 x 15360 twips).
#include "ui/placement.h"
#include "ui/tests/fixture.h"

namespace ui::test {
namespace {

// clang-format off
TEST(Placement, CentredOrBesideTheAnchorOnTheAvailableArea) {
    const TwipsRect small{0, 0, 14400, 8100}, laptop{0, 0, 20490, 11520}, tall{0, 0, 19200, 15360}, old{0, 0, 15360, 11520};
    const struct {
        const char* name;
        TwipsRect area, anchor;
        float helpWidth, helpHeight;
        HelpPlacement expected;  // help left, help top, anchor left
    } cases[] = {
        {"right half, room left", old, {9000, 1000, 4000, 3000}, 4800, 2000, {4200, 1500, 9000}},
        {"room left just enough", old, {4800, 0, 8000, 3000}, 4800, 3000, {0, 0, 4800}},
        {"left half, room right", old, {1000, 500, 4000, 3000}, 4800, 2000, {5000, 1000, 1000}},
        {"right edge at the screen's", old, {2000, 0, 8560, 3000}, 4800, 3000, {10550, 0, 1990}},
        {"left half, no room right", old, {3000, 0, 8000, 3000}, 6000, 3000, {9350, 0, 1350}},
        {"bottom below the screen", old, {9000, 10000, 4000, 1000}, 4800, 3000, {4200, 8520, 9000}},
        {"bottom at the screen's", old, {9000, 9520, 4000, 1000}, 4800, 3000, {4200, 8520, 9000}},
        {"taller than the screen", old, {9000, 8000, 4000, 3000}, 4800, 12000, {4200, 0, 9000}},
        {"single precision halves", old, {3725, 0, 7921, 7635}, 4680, 7620, {10, 7.5f, 4690}},
        {"1280x1024: concrete centred", tall, {5010, 3367.5f, 9180, 8625}, 6960, 8655, {10, 3352.5f, 6970}},
        {"1366x768: concrete centred", laptop, {5655, 1447.5f, 9180, 8625}, 6960, 8655, {10, 1432.5f, 6970}},
        {"1366x768: mortar centred", laptop, {5460, 757.5f, 9570, 10005}, 5520, 10035, {10, 742.5f, 5530}},
        {"960x540: menu centred", small, {3300, 232.5f, 7800, 7635}, 4680, 7620, {10, 240, 4690}},
        {"960x540: concrete pushed back, help over it", small, {2610, 0, 9180, 8625}, 6960, 8655, {10, 0, 5220}},
        {"960x540: mortar pushed back, help over it", small, {2415, 0, 9570, 10005}, 5520, 10035, {10, 0, 4830}},
        {"960x540: pushed left past the edge", small, {1000, 0, 9180, 8625}, 6960, 8655, {7440, 0, 0}},
        {"panel on the left and on top", {600, 400, 14400, 8100}, {3210, 400, 9180, 7000}, 6960, 7000, {610, 400, 5820}},
    };
    for (const auto& c : cases) {
        const HelpPlacement placed = PlaceHelp(c.anchor, {0, 0, c.helpWidth, c.helpHeight}, c.area);
        EXPECT_FLOAT_EQ(placed.helpLeft, c.expected.helpLeft) << c.name;
        EXPECT_FLOAT_EQ(placed.helpTop, c.expected.helpTop) << c.name;
        EXPECT_FLOAT_EQ(placed.anchorLeft, c.expected.anchorLeft) << c.name;
    }
    // Centred on the available area; a window taller or wider than it keeps its top left on it.
    const struct { TwipsRect area; float width, height, left, top; } centred[] = {
        {{0, 0, 19200, 15360}, 7800, 7965, 5700, 3697.5f}, {{0, 0, 20490, 11520}, 9570, 10005, 5460, 757.5f},
        {{0, 0, 14400, 8100}, 9180, 8625, 2610, 0}, {{0, 0, 14400, 8100}, 7800, 7635, 3300, 232.5f},
        {{0, 360, 14400, 7740}, 7800, 7635, 3300, 412.5f}, {{150, 0, 9000, 8100}, 9570, 10005, 150, 0}};
    for (const auto& c : centred) {
        const TwipsPoint at = Centre(c.width, c.height, c.area);
        EXPECT_FLOAT_EQ(at.left, c.left) << c.width << " on " << c.area.width;
        EXPECT_FLOAT_EQ(at.top, c.top) << c.width << " on " << c.area.width;
    }
    // Laid out smaller, to fit with its frame (2 x 21 px) in the work area, but never below half.
    const struct { float areaWidth, areaHeight, width, height, factor; } fits[] = {
        {14400, 7830, 9180, 8625, 0.8713043f}, {14400, 7830, 9570, 10005, 0.7511244f}, {14400, 7830, 5520, 10035, 0.7488789f}, {14400, 7830, 7800, 7635, 0.9842829f},  // 960x522
        {16395, 8775, 9570, 10005, 0.8455772f}, {16395, 8775, 9180, 8625, 0.9808696f}, {16395, 8775, 7800, 7635, 1},  // 1093x585
        {19200, 10260, 9570, 10005, 0.994003f}, {19200, 10260, 5520, 10035, 0.9910314f}, {19200, 10260, 9180, 8625, 1},  // 1280x684
        {19200, 15360, 9570, 10005, 1}, {6000, 4500, 9570, 10005, 0.5f}, {8000, 4500, 5520, 10035, 0.5f},
        {6000, 30000, 9570, 10005, 0.62382445f}};  // the width decides: (6000 - 30) / 9570
    for (const auto& c : fits)
        EXPECT_FLOAT_EQ(FitFactor(c.width, c.height, 30, 315, {0, 0, c.areaWidth, c.areaHeight}), c.factor) << c.width << " on " << c.areaWidth;
}
// clang-format on

TEST_F(UiTest, HelpWindowsOpenBesideTheirAnchorsOnTheScreen) {
    // From where the menu is: on its right, touching it at 1500 + 7800 twips; it stays there.
    Window("Form2")->move(100, 40);
    Click("Form2", "CmdAideMenu");
    EXPECT_EQ(Window("FormAideMenu")->pos(), QPoint(620, 41));
    Window("Form2")->move(200, 40);
    EXPECT_EQ(Window("FormAideMenu")->pos(), QPoint(620, 41));
    // Each calculator opens centred on the screen; 4500 + 9180 + 6960 >= 19200: the concrete
    // window moves left to 3050 twips.
    Open("Option2");
    Open("Option1");
    EXPECT_TRUE(Window("Form1")->pos() == QPoint(334, 225) &&
                Window("Form3")->pos() == QPoint(321, 179));
    Window("Form1")->move(300, 100);
    Click("Form1", "CmdAideBet");
    EXPECT_EQ(Window("Form1")->pos(), QPoint(203, 100));
    EXPECT_EQ(Window("FormAideBeton")->pos(), QPoint(815, 99));
}

// The menu moved onto the laptop's screen opens the calculator there, laid out smaller and whole
// (522 / 667 of its design), its help beside it (522 / 669); both print the page of their design
// size. A window Karvo shows comes back from minimised.
// clang-format off
TEST_F(UiTest, OnASmallScreenWindowsAreWholeAndPrintTheirDesignSize) {
    Open("Option2");
    Play("Form3", {{"TxtDosage2=325 TxtVolMortier=1000 TxtContenance2=100 CmdCalcul2 CmdImprimer2 CmdAideInfoMortier FormAideMortier.CmdImpAideMortier FormAideMortier.CmdQuitInfoMortier", ""}});
    Window("Form3")->showMinimized();
    Window("Form2")->move(1400, 0);
    Play("Form3", {{"Form2.CmdOk CmdCalcul2 CmdAideInfoMortier", ""}});
    Window("FormAideMortier")->showMinimized();
    Play("Form3", {{"CmdAideInfoMortier", ""}});
    EXPECT_EQ(Window("Form3")->geometry(), QRect(1568, 0, 499, 522));  // pushed right of its help
    EXPECT_EQ(Window("FormAideMortier")->geometry(), QRect(1281, 0, 287, 522));  // 10 twips in
    EXPECT_FALSE(Window("Form3")->isMinimized() || Window("FormAideMortier")->isMinimized());
    Play("Form3", {{"FormAideMortier.CmdImpAideMortier CmdImprimer2", ""}});
    EXPECT_TRUE(Prints()[2].page.image == Prints()[1].page.image && Prints()[3].page.image == Prints()[0].page.image);
    Play("Form2", {{"Option1 CmdOk", ""}});  // the other calculator too, centred there at 522 / 575
    EXPECT_EQ(Window("Form1")->geometry(), QRect(1482, 0, 556, 522));
}
// Laid out smaller as one piece: at half its size a window's caption, button, input and result
// are drawn at half their size too, not only placed closer (the ink's box, against the design's).
TEST_F(UiTest, AWindowLaidOutSmallerDrawsItsTextsSmaller) {
    Prices({"7,25", "40", "35", "60"});
    Open("Option1");
    Calculate("Form1", {"350", "1000", "150"});
    const auto ink = [](const char* name) {
        const QImage image = Control("Form1", name)->grab().toImage();
        const QRgb back = image.pixel(image.width() - 4, image.height() / 2);  // right of the text
        QRect box;
        for (int y = 2; y < image.height() - 2; ++y)
            for (int x = 2; x < image.width() - 2; ++x)
                if (std::abs(qGray(image.pixel(x, y)) - qGray(back)) > 48) box |= QRect(x, y, 1, 1);
        return box.size();
    };
    for (const char* name : {"Label5", "CmdCalcul", "TxtDosage", "TxtPrixAchat"}) {
        const QSize design = ink(name);
        SetScale(Window("Form1"), 0.5);
        const QSize half = ink(name);
        SetScale(Window("Form1"), 1);
        EXPECT_NEAR(double(half.width()) / design.width(), 0.5, 0.1) << name;
        EXPECT_NEAR(double(half.height()) / design.height(), 0.5, 0.1) << name;
    }
}

// The mortar ranges' option buttons are whole at every factor of the window, their indicator
// sized with it as the fonts are: at the half-size floor, 0.53 (1366x768 at 200 %), 0.77 and 1.
TEST_F(UiTest, RangeOptionsAreWholeAtEveryFactor) {
    Open("Option2");
    const struct { double factor; int width, height; } indicators[] = {{0.5, 6, 6}, {0.53, 6, 6}, {0.77, 10, 10}, {1, 14, 14}};
    for (const auto& [factor, width, height] : indicators) {
        SetScale(Window("Form3"), factor);
        for (const char* option : {"OptDose1", "OptDose2", "OptDose3", "OptDose4"}) {
            const QImage image = Control("Form3", option)->grab().toImage();
            QRect ink;  // what is drawn on the option's green
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (QColor(image.pixel(x, y)) != QColor(0x004000)) ink |= QRect(x, y, 1, 1);
            EXPECT_EQ(std::pair(ink.width(), ink.height()), std::pair(width, height)) << option << " at " << factor;
            EXPECT_TRUE(image.rect().adjusted(0, 1, -1, -1).contains(ink)) << option << " cut at " << factor;
        }
    }
}
// clang-format on

}  // namespace
}  // namespace ui::test
