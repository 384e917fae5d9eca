// SPDX-License-Identifier: GPL-3.0-or-later
// The concrete window driven through its boxes and buttons: the shown texts of the worked
// example, the order of the checks, what a refusal leaves alone, "X", the note, and the
// menu's prices checked again at each calculation.
#include <QApplication>
#include <QTest>

#include "ui/form1.h"
#include "ui/numbers.h"
#include "ui/screens.h"
#include "ui/tests/fixture.h"

namespace ui::test {
namespace {

class ConcreteWindowTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        SetPrices("7.25", "40", "35", "60");
        Click("Form2", "CmdOk");
    }

    static void SetPrices(const char* cement, const char* sand, const char* gravel,
                          const char* transport) {
        Type("Form2", "TxtPrixCiment", cement);
        Type("Form2", "TxtPrixSable", sand);
        Type("Form2", "TxtPrixGravier", gravel);
        Type("Form2", "TxtPrixTransport", transport);
    }

    static void Calculate(const char* dosage, const char* volume, const char* contenance) {
        Type("Form1", "TxtDosage", dosage);
        Type("Form1", "TxtVolume", volume);
        Type("Form1", "TxtContenance", contenance);
        Click("Form1", "CmdCalcul");
    }

    static bool ResultsShown() { return Control("Form1", "TxtEauTot")->isVisible(); }
    static QString Text(const char* box) { return Box("Form1", box)->text(); }
    static bool LabelShown(const char* label) { return Label("Form1", label)->isVisible(); }
    static QColor RangeColour() { return Foreground(Label("Form1", "LblPlageDosage1")); }
};

// Texts as a French user sees them, with the separator of the locale the test runs under.
QString Shown(const char* frenchText) {
    return QString::fromLatin1(frenchText).replace(',', QLatin1Char(DecimalSeparator()));
}

TEST_F(ConcreteWindowTest, WorkedExampleShowsEveryResultText) {
    Calculate("350", "1000", "150");
    const std::pair<const char*, const char*> expected[] = {
        {"TxtEauTot", "194,4"},      {"TxtCimentTot", "350,0"},  {"TxtSableTot", "734,2"},
        {"TxtGravierTot", "1101,3"}, {"TxtPrixAchat", "173,04"}, {"TxtEauTotL", "194,4"},
        {"TxtCimentTotL", "280,0"},  {"TxtSableTotL", "506,4"},  {"TxtGravierTotL", "579,6"},
        {"TxtPrixDetCim", "72,50"},  {"TxtPrixDetSab", "20,25"}, {"TxtPrixDetGrav", "20,29"},
        {"TxtEau", "21,4"},          {"TxtCiment", "30,7"},      {"TxtSable", "55,6"},
        {"TxtGravier", "63,7"},      {"TxtBeton", "109,8"},      {"TxtTempsTh", "0"},
        {"TxtTempsTm", "27"},
    };
    for (const auto& [box, text] : expected) EXPECT_EQ(Text(box), Shown(text)) << box;
    for (const ControlDef* row : RowsWith(Form1Screen(), ResultArea))
        EXPECT_TRUE(Control("Form1", row->name)->isVisible()) << row->name;
}

TEST_F(ConcreteWindowTest, SeparatorFollowsTheSystemLocale) {
    const QByteArray lang = qgetenv("LANG");
    const char expected = lang.startsWith("fr") ? ',' : '.';
    EXPECT_EQ(DecimalSeparator(), expected) << "LANG=" << lang.toStdString();
    Calculate("350", "1000", "150");
    EXPECT_FALSE(Text("TxtGravierTot").contains(QChar(0x202F)));  // no group separator
    EXPECT_EQ(Text("TxtGravierTot").size(), 6);
}

TEST_F(ConcreteWindowTest, BadDosageTurnsTheRangeRedUntilAGoodOne) {
    Calculate("120", "1000", "150");
    EXPECT_TRUE(LabelShown("LblMauvaisDos"));
    EXPECT_EQ(Text("TxtDosage"), "");
    EXPECT_EQ(Text("TxtVolume"), "1000");
    EXPECT_EQ(RangeColour(), QColor(0xFF0000));
    EXPECT_FALSE(ResultsShown());
    EXPECT_FALSE(LabelShown("Label29"));
    Calculate("200", "1000", "150");
    EXPECT_FALSE(LabelShown("LblMauvaisDos"));
    EXPECT_EQ(RangeColour(), QColor(0x00FF00));
    EXPECT_TRUE(ResultsShown());
}

TEST_F(ConcreteWindowTest, LaterLabelsKeepTheirStateWhenAnEarlierCheckFails) {
    Calculate("350", "1000", "0");
    ASSERT_TRUE(LabelShown("LblErrCont"));
    Calculate("350", "", "150");
    EXPECT_TRUE(LabelShown("LblErrVolBet"));
    EXPECT_EQ(Text("TxtVolume"), "");
    EXPECT_TRUE(LabelShown("LblErrCont"));  // not examined this time
    EXPECT_EQ(Text("TxtContenance"), "150");
    Calculate("350", "1000", "150");
    EXPECT_FALSE(LabelShown("LblErrVolBet"));
    EXPECT_FALSE(LabelShown("LblErrCont"));
    EXPECT_TRUE(ResultsShown());
}

TEST_F(ConcreteWindowTest, ADecimalCommaIsReadAsThePointAndTheTextStaysAsTyped) {
    SetPrices("7,25", "40", "35", "60");
    Click("Form2", "CmdOk");
    Calculate("350,5", "1000", "0,5");
    EXPECT_TRUE(ResultsShown());
    EXPECT_EQ(Text("TxtDosage"), "350,5");
    EXPECT_EQ(Text("TxtContenance"), "0,5");
    EXPECT_EQ(Text("TxtCimentTot"), Shown("350,5"));
    EXPECT_EQ(Text("TxtPrixDetCim"), Shown("72,60"));  // 350.5 kg at 7.25 the 35 kg bag
    Calculate("350", "1000", "0,05");
    EXPECT_TRUE(LabelShown("LblErrCont"));
    EXPECT_FALSE(ResultsShown());
}

TEST_F(ConcreteWindowTest, RefusalLeavesTheResultTextsAsTheyWere) {
    Calculate("350", "1000", "150");
    Calculate("350", "99999999", "150");
    EXPECT_FALSE(ResultsShown());
    EXPECT_EQ(Text("TxtPrixAchat"), Shown("173,04"));
    EXPECT_EQ(Text("TxtTempsTm"), "27");
}

TEST_F(ConcreteWindowTest, TransportLabelFollowsTheTransportPrice) {
    SetPrices("0", "0", "0", "0");
    Calculate("350", "1000", "150");
    EXPECT_TRUE(ResultsShown());
    EXPECT_FALSE(LabelShown("Label29"));
    EXPECT_TRUE(Control("Form1", "TxtPrixDetCim")->isVisible());
    EXPECT_EQ(Text("TxtPrixAchat"), Shown("0,00"));
    EXPECT_EQ(Text("TxtPrixDetGrav"), Shown("0,00"));
    Type("Form2", "TxtPrixTransport", "50");
    Click("Form1", "CmdCalcul");
    EXPECT_TRUE(LabelShown("Label29"));
    EXPECT_EQ(Text("TxtPrixAchat"), Shown("50,00"));
}

TEST_F(ConcreteWindowTest, SamePressSameTextsAndAChangedPriceChangesTheCosts) {
    Calculate("350", "1000", "150");
    const QString first = Text("TxtPrixAchat");
    Click("Form1", "CmdCalcul");
    EXPECT_EQ(Text("TxtPrixAchat"), first);
    Type("Form2", "TxtPrixCiment", "14.5");  // changed after "OK", still within its bounds
    Click("Form1", "CmdCalcul");
    EXPECT_EQ(Text("TxtPrixDetCim"), Shown("145,00"));
    EXPECT_EQ(Text("TxtPrixAchat"), Shown("245,54"));
}

TEST_F(ConcreteWindowTest, PriceRefusedAfterOkRefusesTheCalculation) {
    Calculate("350", "1000", "150");
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window("Form1")));
    Type("Form2", "TxtPrixCiment", "7.25");
    Type("Form2", "TxtPrixSable", "-40");
    Type("Form2", "TxtPrixGravier", "1e300");
    Click("Form1", "CmdCalcul");
    EXPECT_FALSE(ResultsShown());
    EXPECT_TRUE(Label("Form2", "LblErrSab")->isVisible());
    EXPECT_FALSE(Label("Form2", "LblErrCim")->isVisible());
    EXPECT_FALSE(Label("Form2", "LblErrGrav")->isVisible());  // not examined
    EXPECT_EQ(Box("Form2", "TxtPrixSable")->text(), "");
    EXPECT_EQ(Box("Form2", "TxtPrixGravier")->text(), "1e300");
    EXPECT_TRUE(QTest::qWaitForWindowActive(Window("Form2")));  // brought to the front
    // The inputs were accepted: their labels are hidden and their texts kept.
    EXPECT_EQ(Text("TxtDosage"), "350");
    EXPECT_EQ(RangeColour(), QColor(0x00FF00));

    Click("Form1", "CmdCalcul");
    EXPECT_TRUE(Label("Form2", "LblErrGrav")->isVisible());
    Type("Form2", "TxtPrixGravier", "35");
    Click("Form1", "CmdCalcul");
    EXPECT_TRUE(ResultsShown());
    EXPECT_EQ(Text("TxtPrixDetSab"), Shown("0,00"));
    EXPECT_FALSE(Label("Form2", "LblErrGrav")->isVisible());
}

TEST_F(ConcreteWindowTest, EffacerAfterAVolumeError) {
    Calculate("350", "1000", "150");
    Calculate("350", "0", "150");
    Calculate("1", "1000", "150");
    ASSERT_TRUE(LabelShown("LblMauvaisDos"));
    Click("Form1", "CmdEffacer");
    for (const char* box : {"TxtDosage", "TxtVolume", "TxtContenance", "TxtEauTot", "TxtBeton",
                            "TxtTempsTm", "TxtEauTotL", "TxtPrixAchat"})
        EXPECT_EQ(Text(box), "") << box;
    // The three prices per material are left as they were.
    EXPECT_EQ(Text("TxtPrixDetCim"), Shown("72,50"));
    EXPECT_FALSE(ResultsShown());
    EXPECT_FALSE(LabelShown("Label29"));
    EXPECT_FALSE(LabelShown("LblMauvaisDos"));
    EXPECT_TRUE(LabelShown("LblErrVolBet"));
    EXPECT_EQ(RangeColour(), QColor(0xFF0000));
}

TEST_F(ConcreteWindowTest, InformationNoteOpensAndClosesWithItsFlag) {
    EXPECT_EQ(Concrete()->InfoNoteShown, 0);
    Click("Form1", "CmdInfo");
    EXPECT_TRUE(LabelShown("LblInfo"));
    EXPECT_TRUE(Control("Form1", "CmdQuitterInfo")->isVisible());
    EXPECT_EQ(Concrete()->InfoNoteShown, 1);
    Calculate("350", "1000", "150");
    Click("Form1", "CmdEffacer");
    EXPECT_TRUE(LabelShown("LblInfo"));
    Click("Form1", "CmdQuitterInfo");
    EXPECT_FALSE(LabelShown("LblInfo"));
    EXPECT_FALSE(Control("Form1", "CmdQuitterInfo")->isVisible());
    EXPECT_EQ(Concrete()->InfoNoteShown, 0);
}

TEST_F(ConcreteWindowTest, ResultTextsSurviveRetourAndOk) {
    Calculate("350", "1000", "150");
    Click("Form1", "CmdRetour1");
    Click("Form2", "CmdOk");
    EXPECT_FALSE(ResultsShown());
    EXPECT_EQ(Text("TxtPrixAchat"), Shown("173,04"));
    EXPECT_EQ(Text("TxtVolume"), "1000");
    Click("Form1", "CmdCalcul");
    EXPECT_TRUE(ResultsShown());
}

}  // namespace
}  // namespace ui::test
