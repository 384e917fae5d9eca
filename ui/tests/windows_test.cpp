// SPDX-License-Identifier: GPL-3.0-or-later
// The menu and both calculators driven as a user drives them: the worked examples as shown
// texts, the order of the checks and what a refusal leaves alone, "X", the ranges, the note,
// the prices checked at "OK" and again at each "CALCULS".
#include <QFile>
#include <tuple>

#include "ui/caption_label.h"
#include "ui/screens.h"
#include "ui/tests/fixture.h"

namespace ui::test {
namespace {

// clang-format off
TEST_F(UiTest, ConcreteWorkedExampleShowsEveryResult) {
    Prices({"7,25", "40", "35", "60"});
    Open("Option1");
    Play("Form1", {{"TxtDosage=350 TxtVolume=1000 TxtContenance=150 CmdCalcul",
        "TxtEauTot=194,4 TxtCimentTot=350,0 TxtSableTot=734,2 TxtGravierTot=1101,3 TxtPrixAchat=173,04 "
        "TxtEauTotL=194,4 TxtCimentTotL=280,0 TxtSableTotL=506,4 TxtGravierTotL=579,6 TxtPrixDetCim=72,50 "
        "TxtPrixDetSab=20,25 TxtPrixDetGrav=20,29 TxtEau=21,4 TxtCiment=30,7 TxtSable=55,6 TxtGravier=63,7 "
        "TxtBeton=109,8 TxtTempsTh=0 TxtTempsTm=27"}});
}

TEST_F(UiTest, ConcreteChecksItsInputsInOrderThenItsPricesAndShowsItsNote) {
    Prices({"7,25", "40", "35", "60"});
    Open("Option1");
    Play("Form1", {
        {"TxtDosage=120 TxtVolume=1000 TxtContenance=150 CmdCalcul", "+LblMauvaisDos TxtDosage= TxtVolume=1000 LblPlageDosage1#FF0000 -TxtEauTot -CmdImprimer"},
        {"TxtDosage=200 CmdCalcul", "-LblMauvaisDos LblPlageDosage1#00FF00 +TxtEauTot +CmdImprimer"},
        {"TxtVolume=1.000,5 TxtContenance=0 CmdCalcul", "+LblErrVolBet TxtVolume= -LblErrCont TxtContenance=0"},
        {"TxtVolume=1000 CmdCalcul", "-LblErrVolBet +LblErrCont TxtContenance= -TxtEauTot"},
        {"TxtDosage=401 TxtContenance=150 CmdCalcul", "+LblMauvaisDos +LblErrCont TxtContenance=150"},
        {"TxtDosage=350.0 CmdCalcul", "-LblMauvaisDos -LblErrCont +TxtEauTot TxtPrixAchat=173,04"},
        {"TxtVolume=100001 CmdCalcul", "+LblErrVolBet -TxtPrixAchat TxtPrixAchat=173,04"},
        {"TxtDosage=1 CmdCalcul", "+LblMauvaisDos +LblErrVolBet"},
        {"CmdEffacer", "TxtDosage= TxtVolume= TxtContenance= TxtEauTot= TxtTempsTm= TxtEauTotL= TxtPrixAchat= TxtPrixDetCim=72,50 "
                       "-LblMauvaisDos +LblErrVolBet LblPlageDosage1#FF0000 -Label29"},
        {"TxtDosage=350 TxtVolume=1000 TxtContenance=150 CmdCalcul", "+Label29"},
        {"Form2.TxtPrixTransport=0 CmdCalcul", "-Label29 +TxtPrixAchat TxtPrixAchat=113,04"},
        {"*Form1 Form2.TxtPrixTransport=9000001 CmdCalcul", "-TxtPrixAchat +Form2.LblErrTrans Form2.TxtPrixTransport= *Form2"},
        {"Form2.TxtPrixCiment=x7 CmdCalcul", "-TxtPrixAchat +Form2.LblErrCim +Form2.LblErrTrans Form2.TxtPrixCiment="},
        {"Form2.TxtPrixCiment=7,25_EUR CmdCalcul", "+TxtPrixAchat -Form2.LblErrCim -Form2.LblErrTrans -Label29 TxtPrixAchat=113,04"},
        {"CmdInfo", "+LblInfo +CmdQuitterInfo"},
        {"CmdRetour1 Form2.CmdOk", "+LblInfo +CmdQuitterInfo TxtDosage=350 TxtPrixAchat=113,04 -TxtPrixAchat"},
        {"CmdQuitterInfo", "-LblInfo -CmdQuitterInfo"}});
}

TEST_F(UiTest, MortarWorkedExamplesShowEveryResult) {
    Prices({"7,5", "40", "", "20"});
    Open("Option2");
    Play("Form3", {
        {"Form2.TxtPrixTransport=20 TxtDosage2=325 TxtVolMortier=1000 TxtContenance2=100 CmdCalcul2",
         "TxtEau3=11,3 TxtCiment3=18,1 TxtSable3=81,9 TxtMortier=69,4 TxtPoidsCiment2=325,0 TxtPoidsSable2=1711,0 TxtVolCiment2=260,0 "
         "TxtVolSable2=1180,0 TxtEauTotL3=162,5 TxtEauTot3=162,5 TxtPrixDetCim3=69,64 TxtPrixDetSab3=47,20 TxtPrixAchat3=136,84 "
         "TxtTempsTh3=0 TxtTempsTm3=43 +Lab13 +CmdImprimer2"},
        {"OptDose2 TxtDosage2=425 TxtVolMortier=2400 TxtContenance2=150 CmdCalcul2",
         "TxtEau3=22,1 TxtCiment3=35,4 TxtSable3=114,6 TxtMortier=104,2 TxtPoidsCiment2=1020,0 TxtPoidsSable2=3828,0 TxtVolCiment2=816,0 "
         "TxtVolSable2=2640,0 TxtEauTotL3=510,0 TxtEauTot3=510,0 TxtPrixDetCim3=218,57 TxtPrixDetSab3=105,60 TxtPrixAchat3=344,17 "
         "TxtTempsTh3=1 TxtTempsTm3=9"},
        {"Form2.TxtPrixTransport=0 OptDose3 TxtDosage2=575 TxtVolMortier=800 TxtContenance2=120 CmdCalcul2",
         "TxtEau3=24,0 TxtCiment3=38,3 TxtSable3=81,7 TxtMortier=83,3 TxtPoidsCiment2=460,0 TxtPoidsSable2=1136,8 TxtVolCiment2=368,0 "
         "TxtVolSable2=784,0 TxtEauTotL3=230,0 TxtEauTot3=230,0 TxtPrixDetCim3=98,57 TxtPrixDetSab3=31,36 TxtPrixAchat3=129,93 "
         "TxtTempsTh3=0 TxtTempsTm3=28 -Lab13 +TxtPrixAchat3"},
        {"Form2.TxtPrixTransport=20 OptDose4 TxtDosage2=800 TxtVolMortier=50 TxtContenance2=100 CmdCalcul2",
         "TxtEau3=20,0 TxtCiment3=32,0 TxtSable3=40,0 TxtMortier=50,0 TxtPoidsCiment2=40,0 TxtPoidsSable2=58,0 TxtVolCiment2=32,0 "
         "TxtVolSable2=40,0 TxtEauTotL3=20,0 TxtEauTot3=20,0 TxtPrixDetCim3=8,57 TxtPrixDetSab3=1,60 TxtPrixAchat3=30,17 "
         "TxtTempsTh3=0 TxtTempsTm3=3 +Lab13"}});
}

TEST_F(UiTest, MortarRangesRefusalsAndClearing) {
    Prices({"7,5", "40", "", "20"});
    Open("Option2");
    Play("Form3", {
        {"", "LblPlageDosage=entre_300_et_350_Kg/m3"},
        {"TxtDosage2= TxtVolMortier=1000 TxtContenance2=100 CmdCalcul2", "+LblMauvaisDos2 LblPlageDosage#FF0000 TxtVolMortier=1000 TxtContenance2=100 -TxtEau3"},
        {"TxtDosage2=325 TxtVolMortier=0 CmdCalcul2", "-LblMauvaisDos2 LblPlageDosage#00FF00 +LblErrVolBet2 TxtVolMortier="},
        {"TxtDosage2=425 TxtVolMortier=0 CmdCalcul2", "+LblMauvaisDos2 +LblErrVolBet2 TxtVolMortier=0"},
        {"TxtDosage2=325 TxtVolMortier=1000 CmdCalcul2", "-LblMauvaisDos2 -LblErrVolBet2 +TxtEau3 +CmdImprimer2 TxtPrixAchat3=136,84"},
        {"TxtContenance2=0 CmdCalcul2", "+LblErrCont2 -TxtEau3 -CmdImprimer2 TxtPoidsCiment2= TxtPoidsSable2= TxtVolCiment2= TxtVolSable2= "
                                        "TxtEauTotL3=162,5 TxtPrixAchat3=136,84"},
        {"TxtContenance2=100 CmdCalcul2 OptDose3", "-TxtEau3 TxtDosage2= TxtVolMortier= TxtContenance2= TxtPoidsCiment2= TxtEau3=11,3 "
                                                   "LblPlageDosage=entre_550_et_600_Kg/m3"},
        {"TxtDosage2=900 TxtVolMortier=1000 TxtContenance2=100 CmdCalcul2", "+LblMauvaisDos2 LblPlageDosage#FF0000 LblPlageDosage=entre_550_et_600_Kg/m3"},
        {"OptDose4", "-LblMauvaisDos2 LblPlageDosage#00FF00 LblPlageDosage=entre_700_et_900_Kg/m3"},
        {"TxtDosage2=1 TxtVolMortier=1000 CmdCalcul2 CmdEffacer2", "+LblMauvaisDos2 LblPlageDosage#FF0000 TxtVolMortier= TxtContenance2= -TxtEau3"},
        {"CmdRetour2 Form2.CmdOk", "-LblMauvaisDos2 LblPlageDosage=entre_700_et_900_Kg/m3 LblPlageDosage#FF0000"},
        {"TxtDosage2=800 TxtVolMortier=50 TxtContenance2=100 *Form3 Form2.TxtPrixSable=abc CmdCalcul2", "-TxtEau3 +Form2.LblErrSab *Form2"}});
}

TEST_F(UiTest, MenuChecksEachPriceInOrderThenOpensTheChosenCalculator) {
    Play("Form2", {
        {"TxtPrixCiment=800000,5 TxtPrixSable=-1 CmdOk", "+LblErrCim TxtPrixCiment= -LblErrSab TxtPrixSable=-1"},
        {"TxtPrixCiment=800000 TxtPrixSable=9000000,5 CmdOk", "-LblErrCim +LblErrSab TxtPrixSable="},
        {"TxtPrixSable=9000000 TxtPrixGravier=9000000,5 CmdOk", "-LblErrSab +LblErrGrav"},
        {"TxtPrixGravier=9000000 TxtPrixTransport=9000000,5 CmdOk", "-LblErrGrav +LblErrTrans"},
        {"TxtPrixTransport=40_le_m3 TxtPrixSable=1.000,50 CmdOk", "+LblErrTrans +LblErrSab TxtPrixSable= TxtPrixTransport=40_le_m3"},
        {"TxtPrixSable=9000000 TxtPrixTransport=9000000 CmdOk", "-LblErrSab -LblErrTrans +Form1"},
        {"Form1.CmdRetour1 TxtPrixSable=-1 CmdOk CmdEffacerP", "-Form1 +LblErrSab TxtPrixCiment= TxtPrixSable= TxtPrixGravier= TxtPrixTransport="},
        {"CmdOk", "-LblErrSab +Form1"}, {"Option2 CmdOk", "+Form1 +Form2 +Form3"}});
}

// Each control in its designed font (fonts.txt, one line a control); each sentence of a help
// text starts a line, and no line is wider than its label.
TEST_F(UiTest, CaptionsInTheirFontsAndHelpTextsInTheirLines) {
    Play("Form2", {{"CmdAideMenu Option1 CmdOk Form1.CmdAideBet Option2 CmdOk Form3.CmdAideInfoMortier", ""}});
    QFile designed(":/fonts.txt");
    ASSERT_TRUE(designed.open(QIODevice::ReadOnly | QIODevice::Text));
    int controls = 0;
    for (const QString& line : QString::fromUtf8(designed.readAll()).split('\n', Qt::SkipEmptyParts)) {
        if (line.startsWith('#')) continue;
        const QString name = line.section(' ', 0, 0);
        ++controls;
        const QFont font = Control(name.section('.', 0, 0).toLatin1(), name.section('.', 1).toLatin1())->font();
        EXPECT_EQ(QString::number(font.pointSizeF()) + (font.bold() ? " bold" : "") + (font.italic() ? " italic" : ""), line.section(' ', 1)) << qPrintable(name);
    }
    EXPECT_EQ(controls, 157);
    for (const auto& [help, label, count] : {std::tuple{"FormAideMenu", "LblInfoMenu", 13}, {"FormAideBeton", "LblAideBeton", 28}, {"FormAideMortier", "Label1", 38}}) {
        const auto* text = Find<CaptionLabel>(Window(help), label);
        const std::vector<int> starts = text->lineStarts();
        QStringList lines;
        for (std::size_t i = 0; i < starts.size(); ++i) lines << text->text().mid(starts[i], i + 1 < starts.size() ? starts[i + 1] - starts[i] : -1);
        const QImage painted = Find<CaptionLabel>(Window(help), label)->grab().toImage();
        int sentences = 0;
        for (int i = 0, height = text->fontMetrics().height(); i < lines.size(); ++i) {
            EXPECT_LE(text->fontMetrics().horizontalAdvance(lines[i].trimmed()), text->contentsRect().width()) << label << ": " << lines[i].toStdString();
            sentences += lines[i].endsWith("        ") || i + 1 == lines.size();  // a long run of spaces ends a sentence's last line
            int ink = 0;  // painted where it is laid out: dark pixels across the middle of its line
            for (int x = 0; x < painted.width(); ++x) ink += qGray(painted.pixel(x, i * height + height / 2)) < 128;
            EXPECT_GT(ink, 0) << label << " line " << i;
        }
        EXPECT_EQ(sentences, count) << label;
    }
}
// clang-format on

}  // namespace
}  // namespace ui::test
