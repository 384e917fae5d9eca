// SPDX-License-Identifier: GPL-3.0-or-later
// The mortar window driven through its boxes, option buttons and buttons: the four worked
// examples as shown texts, the ranges, the refusals and what they empty, and "X".
#include <QApplication>
#include <QTest>

#include "ui/numbers.h"
#include "ui/screens.h"
#include "ui/tests/fixture.h"

namespace ui::test {
namespace {

class MortarWindowTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        Type("Form2", "TxtPrixCiment", "7.5");
        Type("Form2", "TxtPrixSable", "40");
        Type("Form2", "TxtPrixTransport", "20");
        Click("Form2", "Option2");
        Click("Form2", "CmdOk");
    }

    static void Calculate(const char* dosage, const char* volume, const char* contenance) {
        Type("Form3", "TxtDosage2", dosage);
        Type("Form3", "TxtVolMortier", volume);
        Type("Form3", "TxtContenance2", contenance);
        Click("Form3", "CmdCalcul2");
    }

    static bool ResultsShown() { return Control("Form3", "TxtEau3")->isVisible(); }
    static QString Text(const char* box) { return Box("Form3", box)->text(); }
    static bool LabelShown(const char* label) { return Label("Form3", label)->isVisible(); }
    static QString Range() { return Label("Form3", "LblPlageDosage")->text(); }
    static QColor RangeColour() { return Foreground(Label("Form3", "LblPlageDosage")); }
};

QString Shown(const char* frenchText) {
    return QString::fromLatin1(frenchText).replace(',', QLatin1Char(DecimalSeparator()));
}

struct Example {
    const char* name;
    const char* option;
    const char* dosage;
    const char* volume;
    const char* contenance;
    const char* transport;
    // Eau, Ciment, Sable, Mortier, PoidsCiment, PoidsSable, VolCiment, VolSable, EauTotL,
    // PrixDetCim, PrixDetSab, PrixAchat, TempsTh, TempsTm.
    std::array<const char*, 14> texts;
};

constexpr const char* kBoxes[] = {
    "TxtEau3",        "TxtCiment3",    "TxtSable3",    "TxtMortier",  "TxtPoidsCiment2",
    "TxtPoidsSable2", "TxtVolCiment2", "TxtVolSable2", "TxtEauTotL3", "TxtPrixDetCim3",
    "TxtPrixDetSab3", "TxtPrixAchat3", "TxtTempsTh3",  "TxtTempsTm3",
};

// The decimal-point values of the worked examples, whatever the separator that shows them.
const Example kExamples[] = {
    {"Range1",
     "OptDose1",
     "325",
     "1000",
     "100",
     "20",
     {"11,3", "18,1", "81,9", "69,4", "325,0", "1711,0", "260,0", "1180,0", "162,5", "69,64",
      "47,20", "136,84", "0", "43"}},
    {"Range2",
     "OptDose2",
     "425",
     "2400",
     "150",
     "20",
     {"22,1", "35,4", "114,6", "104,2", "1020,0", "3828,0", "816,0", "2640,0", "510,0", "218,57",
      "105,60", "344,17", "1", "9"}},
    {"Range3NoTransport",
     "OptDose3",
     "575",
     "800",
     "120",
     "0",
     {"24,0", "38,3", "81,7", "83,3", "460,0", "1136,8", "368,0", "784,0", "230,0", "98,57",
      "31,36", "129,93", "0", "28"}},
    {"Range4OneSmallBatch",
     "OptDose4",
     "800",
     "50",
     "100",
     "20",
     {"20,0", "32,0", "40,0", "50,0", "40,0", "58,0", "32,0", "40,0", "20,0", "8,57", "1,60",
      "30,17", "0", "3"}},
};

class MortarExampleTest : public MortarWindowTest, public ::testing::WithParamInterface<Example> {};

TEST_P(MortarExampleTest, ShowsTheWorkedExample) {
    const Example& example = GetParam();
    Type("Form2", "TxtPrixTransport", example.transport);
    Click("Form3", example.option);
    Calculate(example.dosage, example.volume, example.contenance);
    for (std::size_t i = 0; i < example.texts.size(); ++i)
        EXPECT_EQ(Text(kBoxes[i]), Shown(example.texts[i])) << kBoxes[i];
    EXPECT_EQ(Text("TxtEauTot3"), Text("TxtEauTotL3"));
    EXPECT_EQ(LabelShown("Lab13"), QLatin1String(example.transport) != QLatin1String("0"));
    for (const ControlDef* row : RowsWith(Form3Screen(), ResultArea)) {
        if (QLatin1String(row->name) != QLatin1String("Lab13")) {
            EXPECT_TRUE(Control("Form3", row->name)->isVisible()) << row->name;
        }
    }
    EXPECT_EQ(RangeColour(), QColor(0x00FF00));
}

INSTANTIATE_TEST_SUITE_P(Examples, MortarExampleTest, ::testing::ValuesIn(kExamples),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MortarWindowTest, EmptyDosageIsRefusedAndTheOtherBoxesAreLeftAsTyped) {
    Calculate("", "1000", "100");
    EXPECT_TRUE(LabelShown("LblMauvaisDos2"));
    EXPECT_EQ(RangeColour(), QColor(0xFF0000));
    EXPECT_EQ(Range(), "entre 300 et 350 Kg/m3");
    EXPECT_EQ(Text("TxtVolMortier"), "1000");
    EXPECT_EQ(Text("TxtContenance2"), "100");
    EXPECT_FALSE(ResultsShown());
}

TEST_F(MortarWindowTest, RefusedVolumeLabelStaysWhenTheDosageIsRefusedNext) {
    Calculate("325", "0", "100");
    ASSERT_TRUE(LabelShown("LblErrVolBet2"));
    EXPECT_EQ(Text("TxtVolMortier"), "");
    Calculate("1000", "0", "100");
    EXPECT_TRUE(LabelShown("LblMauvaisDos2"));
    EXPECT_TRUE(LabelShown("LblErrVolBet2"));
    EXPECT_EQ(Text("TxtVolMortier"), "0");  // not examined, not emptied
    Calculate("325", "1000", "100");
    EXPECT_FALSE(LabelShown("LblErrVolBet2"));
    EXPECT_FALSE(LabelShown("LblMauvaisDos2"));
}

TEST_F(MortarWindowTest, RefusalEmptiesTheFourTotalsAndKeepsTheOtherTexts) {
    Calculate("325", "1000", "100");
    Calculate("325", "1000", "0");
    EXPECT_TRUE(LabelShown("LblErrCont2"));
    EXPECT_FALSE(ResultsShown());
    EXPECT_FALSE(Control("Form3", "CmdImprimer2")->isVisible());
    for (const char* box : {"TxtPoidsCiment2", "TxtPoidsSable2", "TxtVolCiment2", "TxtVolSable2"})
        EXPECT_EQ(Text(box), "") << box;
    EXPECT_EQ(Text("TxtEauTotL3"), Shown("162,5"));
    EXPECT_EQ(Text("TxtPrixAchat3"), Shown("136,84"));
}

TEST_F(MortarWindowTest, ChoosingARangeHidesResultsAndEmptiesTheSevenBoxes) {
    Calculate("325", "1000", "100");
    Calculate("325", "0", "100");
    Calculate("1", "1000", "100");
    ASSERT_TRUE(LabelShown("LblMauvaisDos2"));
    Calculate("325", "1000", "100");
    Click("Form3", "OptDose3");
    EXPECT_FALSE(ResultsShown());
    EXPECT_FALSE(Control("Form3", "CmdImprimer2")->isVisible());
    for (const char* box : {"TxtDosage2", "TxtVolMortier", "TxtContenance2", "TxtPoidsCiment2",
                            "TxtPoidsSable2", "TxtVolCiment2", "TxtVolSable2"})
        EXPECT_EQ(Text(box), "") << box;
    EXPECT_EQ(Text("TxtEau3"), Shown("11,3"));  // hidden, not emptied
    EXPECT_EQ(Range(), "entre 550 et 600 Kg/m3");
    Click("Form3", "OptDose1");
    EXPECT_EQ(Range(), "entre 300 et 350 Kg/m3");
}

TEST_F(MortarWindowTest, ChoosingARangeAfterARefusalTurnsTheCaptionGreen) {
    Calculate("325", "0", "100");
    Calculate("900", "1000", "100");
    ASSERT_EQ(RangeColour(), QColor(0xFF0000));
    Click("Form3", "OptDose4");
    EXPECT_FALSE(LabelShown("LblMauvaisDos2"));
    EXPECT_EQ(RangeColour(), QColor(0x00FF00));
    EXPECT_EQ(Range(), "entre 700 et 900 Kg/m3");
    EXPECT_TRUE(LabelShown("LblErrVolBet2"));  // a range choice leaves it
}

TEST_F(MortarWindowTest, EffacerLeavesTheRefusalLabelsAndTheRange) {
    Calculate("325", "1000", "100");
    Calculate("100", "1000", "100");
    Click("Form3", "CmdEffacer2");
    EXPECT_TRUE(LabelShown("LblMauvaisDos2"));
    EXPECT_EQ(RangeColour(), QColor(0xFF0000));
    EXPECT_FALSE(ResultsShown());
    EXPECT_EQ(Text("TxtVolMortier"), "");
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(Control("Form3", "OptDose1"))->isChecked());
}

TEST_F(MortarWindowTest, PriceRefusedAfterOkRefusesTheCalculation) {
    Calculate("325", "1000", "100");
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window("Form3")));
    Type("Form2", "TxtPrixTransport", "9000001");
    Click("Form3", "CmdCalcul2");
    EXPECT_FALSE(ResultsShown());
    EXPECT_TRUE(Label("Form2", "LblErrTrans")->isVisible());
    EXPECT_EQ(Box("Form2", "TxtPrixTransport")->text(), "");
    EXPECT_EQ(Text("TxtPoidsCiment2"), "");  // the refusal step empties the totals
    EXPECT_TRUE(QTest::qWaitForWindowActive(Window("Form2")));  // brought to the front
    Click("Form3", "CmdCalcul2");
    EXPECT_TRUE(ResultsShown());
    EXPECT_FALSE(LabelShown("Lab13"));
    EXPECT_EQ(Text("TxtPrixAchat3"), Shown("116,84"));
}

}  // namespace
}  // namespace ui::test
