// SPDX-License-Identifier: GPL-3.0-or-later
// The menu: the four price checks of "OK" in order, the choice of calculator and "X".
#include <QMenu>
#include <memory>

#include "ui/tests/fixture.h"

namespace ui::test {
namespace {

struct PriceBox {
    const char* box;
    const char* label;
};

const PriceBox kPriceBoxes[] = {
    {"TxtPrixCiment", "LblErrCim"},
    {"TxtPrixSable", "LblErrSab"},
    {"TxtPrixGravier", "LblErrGrav"},
    {"TxtPrixTransport", "LblErrTrans"},
};

struct PriceCase {
    const char* name;
    int box;  // index in kPriceBoxes
    const char* text;
    bool accepted;
};

const PriceCase kPriceCases[] = {
    {"Cement800000", 0, "800000", true},
    {"Cement800000_5", 0, "800000.5", false},
    {"CementMinus1", 0, "-1", false},
    {"CementCurrencyAfter", 0, "7.25 EUR", true},
    {"Sand9000000", 1, "9000000", true},
    {"Sand9000000_5", 1, "9000000.5", false},
    {"SandMinus1", 1, "-1", false},
    {"Gravel9000000", 2, "9000000", true},
    {"Gravel9000000_5", 2, "9000000.5", false},
    {"GravelMinus1", 2, "-1", false},
    {"Transport9000000", 3, "9000000", true},
    {"Transport9000000_5", 3, "9000000.5", false},
    {"TransportMinus1", 3, "-1", false},
    {"TransportHugeExponent", 3, "1e999", false},
    {"TransportNotANumber", 3, "abc", true},
    {"CementZero", 0, "0", true},
};

class PriceCheckTest : public UiTest, public ::testing::WithParamInterface<PriceCase> {};

TEST_P(PriceCheckTest, OkAcceptsOrRefusesThePrice) {
    const PriceCase& price = GetParam();
    const PriceBox& box = kPriceBoxes[price.box];
    Type("Form2", box.box, price.text);
    Click("Form2", "CmdOk");
    EXPECT_EQ(Label("Form2", box.label)->isVisible(), !price.accepted);
    EXPECT_EQ(Window("Form1")->isVisible(), price.accepted);
    // A refused price is emptied; an accepted one stays as typed, currency and all.
    EXPECT_EQ(Box("Form2", box.box)->text(), price.accepted ? QString(price.text) : QString());
}

INSTANTIATE_TEST_SUITE_P(Bounds, PriceCheckTest, ::testing::ValuesIn(kPriceCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(UiTest, OkHidesEarlierLabelsAndLeavesLaterOnes) {
    Type("Form2", "TxtPrixTransport", "-5");
    Click("Form2", "CmdOk");
    ASSERT_TRUE(Label("Form2", "LblErrTrans")->isVisible());
    Type("Form2", "TxtPrixTransport", "50");
    Type("Form2", "TxtPrixSable", "9000001");
    Click("Form2", "CmdOk");
    EXPECT_TRUE(Label("Form2", "LblErrSab")->isVisible());
    EXPECT_TRUE(Label("Form2", "LblErrTrans")->isVisible());  // not examined this time
    EXPECT_FALSE(Label("Form2", "LblErrCim")->isVisible());
    Type("Form2", "TxtPrixSable", "40");
    Click("Form2", "CmdOk");
    for (const PriceBox& box : kPriceBoxes) EXPECT_FALSE(Label("Form2", box.label)->isVisible());
    EXPECT_TRUE(Window("Form1")->isVisible());
}

TEST_F(UiTest, EffacerEmptiesThePricesOnly) {
    for (const PriceBox& box : kPriceBoxes) Type("Form2", box.box, "12");
    Type("Form2", "TxtPrixGravier", "-3");
    Click("Form2", "CmdOk");
    Click("Form2", "Option2");
    Click("Form2", "CmdEffacerP");
    for (const PriceBox& box : kPriceBoxes) EXPECT_EQ(Box("Form2", box.box)->text(), "");
    EXPECT_TRUE(Label("Form2", "LblErrGrav")->isVisible());
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(Control("Form2", "Option2"))->isChecked());
}

TEST_F(UiTest, OkOpensTheConcreteWindowCentredWithResultsHiddenAndInputsKept) {
    Click("Form2", "CmdOk");
    QWidget* concrete = Window("Form1");
    ASSERT_TRUE(concrete->isVisible());
    // (19200 - 9180) / 2 = 5010 twips = 334 px; (15360 - 8625) / 2 = 3367.5 twips = 224.5 px.
    EXPECT_EQ(concrete->frameGeometry().topLeft(), QPoint(334, 225));
    EXPECT_TRUE(Window("Form2")->isVisible());
    EXPECT_FALSE(Control("Form1", "TxtEauTot")->isVisible());
    EXPECT_FALSE(Control("Form1", "CmdImprimer")->isVisible());
    EXPECT_FALSE(Control("Form1", "Label29")->isVisible());
    EXPECT_TRUE(Control("Form1", "Line2")->isVisible());

    Type("Form1", "TxtDosage", "350");
    Type("Form1", "TxtVolume", "1000");
    Type("Form1", "TxtContenance", "150");
    Click("Form1", "CmdCalcul");
    ASSERT_TRUE(Control("Form1", "TxtEauTot")->isVisible());
    concrete->move(5, 5);
    Click("Form2", "CmdOk");  // again, while the calculator is open
    EXPECT_EQ(concrete->frameGeometry().topLeft(), QPoint(334, 225));
    EXPECT_FALSE(Control("Form1", "TxtEauTot")->isVisible());
    EXPECT_EQ(Box("Form1", "TxtDosage")->text(), "350");
    EXPECT_EQ(Box("Form1", "TxtContenance")->text(), "150");
}

TEST_F(UiTest, OkOpensTheMortarWindowWithTheSelectedRangeCaption) {
    Click("Form2", "Option2");
    Click("Form2", "CmdOk");
    Click("Form3", "OptDose3");
    Type("Form3", "TxtDosage2", "100");
    Click("Form3", "CmdCalcul2");
    ASSERT_TRUE(Label("Form3", "LblMauvaisDos2")->isVisible());
    Click("Form3", "CmdRetour2");
    Click("Form2", "CmdOk");
    EXPECT_TRUE(Window("Form3")->isVisible());
    EXPECT_FALSE(Window("Form1")->isVisible());
    EXPECT_FALSE(Label("Form3", "LblMauvaisDos2")->isVisible());
    EXPECT_TRUE(Label("Form3", "LblPlageDosage")->isVisible());
    EXPECT_EQ(Label("Form3", "LblPlageDosage")->text(), "entre 550 et 600 Kg/m3");
    // The option buttons stay as they were, and so does the caption's colour.
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(Control("Form3", "OptDose3"))->isChecked());
    EXPECT_EQ(Foreground(Label("Form3", "LblPlageDosage")), QColor(0xFF0000));
    EXPECT_FALSE(Control("Form3", "CmdImprimer2")->isVisible());
}

TEST_F(UiTest, TextBoxMenuSpeaksFrenchWhateverTheSystemLanguage) {
    const std::unique_ptr<QMenu> menu(Box("Form2", "TxtPrixCiment")->createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << action->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
    EXPECT_TRUE(texts.contains("Copier")) << texts.join(", ").toStdString();
    EXPECT_TRUE(texts.contains("Coller")) << texts.join(", ").toStdString();
}

// Pressed in while selected: the top and left edges dark, the bottom and right ones light; the
// other option the other way round, raised.
TEST_F(UiTest, TheSelectedChoiceLooksPressedAndTheOtherRaised) {
    const auto sunken = [](const char* option) {
        const QImage image = Control("Form2", option)->grab().toImage();
        const int topLeft = qGray(image.pixel(1, 1));
        const int bottomRight = qGray(image.pixel(image.width() - 2, image.height() - 2));
        EXPECT_NE(topLeft, bottomRight) << option;
        return topLeft < bottomRight;
    };
    EXPECT_TRUE(sunken("Option1"));
    EXPECT_FALSE(sunken("Option2"));
    Click("Form2", "Option2");
    EXPECT_FALSE(sunken("Option1"));
    EXPECT_TRUE(sunken("Option2"));
}

}  // namespace
}  // namespace ui::test
