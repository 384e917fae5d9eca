// SPDX-License-Identifier: GPL-3.0-or-later
// The six windows as created: sizes, captions, design-time visibility and selection, tab
// order, a sample of geometry, colours and fonts per kind, the long texts and their wrapping.
#include <QFontInfo>
#include <QFrame>
#include <QRadioButton>
#include <QTest>
#include <QTextLayout>
#include <memory>
#include <optional>
#include <set>

#include "ui/caption_label.h"
#include "ui/form1.h"
#include "ui/form2.h"
#include "ui/form3.h"
#include "ui/help_window.h"
#include "ui/line_widget.h"
#include "ui/screens.h"
#include "ui/tests/fixture.h"

namespace ui::test {
namespace {

std::optional<calc::MaterialPrices> NoPrices() {
    return std::nullopt;
}

// A window on its own, as its table builds it.
std::unique_ptr<QWidget> Create(const QString& name) {
    if (name == "Form1") return std::make_unique<Form1>(NoPrices);
    if (name == "Form2") return std::make_unique<Form2>();
    if (name == "Form3") return std::make_unique<Form3>(NoPrices);
    if (name == "FormAideMenu") return std::make_unique<HelpWindow>(AideMenuScreen(), nullptr);
    if (name == "FormAideBeton") return std::make_unique<HelpWindow>(AideBetonScreen(), nullptr);
    return std::make_unique<HelpWindow>(AideMortierScreen(), nullptr);
}

struct WindowFacts {
    const char* name;
    const char* caption;
    QSize client;  // pixels, 15 twips each
    std::set<QString> hidden;
    std::vector<const char*> tabOrder;
};

const WindowFacts kWindows[] = {
    {"Form1",
     "Dosage du béton    Karvo",
     {612, 575},
     {"LblInfo", "CmdQuitterInfo", "LblMauvaisDos", "LblErrVolBet", "LblErrCont"},
     {"TxtDosage",     "TxtVolume",      "TxtContenance", "CmdCalcul",      "TxtEauTot",
      "TxtCimentTot",  "TxtSableTot",    "TxtGravierTot", "TxtEau",         "TxtCiment",
      "TxtSable",      "TxtGravier",     "CmdEffacer",    "CmdRetour1",     "TxtBeton",
      "TxtTempsTh",    "CmdInfo",        "TxtTempsTm",    "CmdImprimer",    "TxtPrixAchat",
      "TxtEauTotL",    "TxtCimentTotL",  "TxtSableTotL",  "TxtGravierTotL", "TxtPrixDetCim",
      "TxtPrixDetSab", "TxtPrixDetGrav", "CmdAideBet"}},
    {"Form2",
     "Menu   béton - mortier  Karvo",
     {520, 509},
     {"LblErrCim", "LblErrSab", "LblErrGrav", "LblErrTrans"},
     {"CmdOk", "CmdQuitter", "Option1", "Option2", "TxtPrixCiment", "TxtPrixSable",
      "TxtPrixGravier", "TxtPrixTransport", "CmdEffacerP", "CmdAideMenu"}},
    {"Form3",
     "Dosage du mortier Karvo",
     {638, 667},
     {"LblMauvaisDos2", "LblErrVolBet2", "LblErrCont2"},
     {"TxtDosage2",         "TxtVolMortier",   "CmdRetour2",     "CmdEffacer2",    "CmdImprimer2",
      "CmdCalcul2",         "TxtPoidsCiment2", "TxtPoidsSable2", "TxtVolCiment2",  "TxtVolSable2",
      "CmdAideInfoMortier", "OptDose1",        "OptDose2",       "OptDose3",       "OptDose4",
      "TxtEauTotL3",        "TxtEauTot3",      "TxtPrixDetCim3", "TxtPrixDetSab3", "TxtPrixAchat3",
      "TxtContenance2",     "TxtEau3",         "TxtCiment3",     "TxtSable3",      "TxtMortier",
      "TxtTempsTh3",        "TxtTempsTm3"}},
    {"FormAideMenu", "Aide menu Karvo", {312, 508}, {}, {"CmdQuitInfoMenu", "CmdImpAideMenu"}},
    {"FormAideBeton", "Aide beton Karvo", {464, 577}, {}, {"CmdQuitAideBeton", "CmdImpAideBeton"}},
    {"FormAideMortier",
     "Aide mortier Karvo",
     {368, 669},
     {},
     {"CmdQuitInfoMortier", "CmdImpAideMortier"}},
};

class WindowFactsTest : public UiTest, public ::testing::WithParamInterface<WindowFacts> {};

TEST_P(WindowFactsTest, CaptionSizeVisibilityAndTabOrder) {
    const WindowFacts& facts = GetParam();
    const auto window = Create(facts.name);
    EXPECT_EQ(window->objectName(), facts.name);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(facts.caption));
    EXPECT_EQ(window->size(), facts.client);

    for (QWidget* control : window->findChildren<QWidget*>(Qt::FindChildrenRecursively)) {
        if (control->objectName().isEmpty() || control->parentWidget()->objectName().isEmpty())
            continue;  // the parts of a Qt widget, not controls of the table
        EXPECT_EQ(control->isVisibleTo(window.get()), !facts.hidden.count(control->objectName()))
            << control->objectName().toStdString();
    }

    // Tab from the first control: the controls that take focus come in the designed order.
    window->show();
    QWidget* current = Find<QWidget>(window.get(), facts.tabOrder.front());
    std::vector<QString> reached;
    for (std::size_t i = 0; i < facts.tabOrder.size(); ++i) {
        reached.push_back(current->objectName());
        do current = current->nextInFocusChain();
        while (!(current->focusPolicy() & Qt::TabFocus) || !current->isVisibleTo(window.get()));
    }
    std::vector<QString> expected(facts.tabOrder.begin(), facts.tabOrder.end());
    EXPECT_EQ(reached, expected);
}

INSTANTIATE_TEST_SUITE_P(Windows, WindowFactsTest, ::testing::ValuesIn(kWindows),
                         [](const auto& info) { return std::string(info.param.name); });

struct Sample {
    const char* window;
    const char* control;
    QRect geometry;  // pixels, relative to the parent
    QRgb fore, back;
    double points;  // 0: not checked
    bool bold, italic;
};

// One or two controls of each kind, with the table's twips divided by 15.
const Sample kSamples[] = {
    {"Form1", "TxtDosage", {528, 112, 73, 26}, 0x0000FF, 0xFFFFFF, 15.75, true, false},
    {"Form1", "LblMauvaisDos", {8, 120, 153, 25}, 0xFFFFFF, 0xFF0000, 12, true, false},
    {"Form1", "Label1", {8, 8, 593, 25}, 0x000000, 0xC0FFC0, 11.25, true, true},
    {"Form1", "TxtPrixAchat", {280, 448, 153, 28}, 0x000000, 0xFFFF00, 14.25, true, false},
    {"Form1", "CmdCalcul", {496, 496, 105, 25}, 0x000000, 0x80FF80, 14.25, true, false},
    {"Form2", "Option1", {8, 8, 49, 33}, 0x000000, 0xFF8000, 18, true, false},
    {"Form2", "LblTitre", {16, 16, 345, 49}, 0x000000, 0xC0C000, 15.75, true, false},
    {"Form2", "Frame1", {440, 104, 65, 145}, 0x000000, 0x004000, 0, false, false},
    {"Form3", "Label6", {8, 264, 265, 25}, 0x00FF00, 0x000000, 12, false, false},
    {"Form3", "OptDose2", {8, 48, 17, 33}, 0xFFFFFF, 0x004000, 9.75, true, false},
    {"Form3", "Label25", {360, 632, 265, 25}, 0x00FF00, 0x000000, 11.25, true, true},
    {"FormAideBeton", "LblAideBeton", {0, 0, 457, 571}, 0x000000, 0xE0E0E0, 9.75, true, false},
    {"FormAideMortier",
     "CmdQuitInfoMortier",
     {224, 624, 129, 33},
     0x000000,
     0x80FF80,
     11.25,
     true,
     false},
};

class SampleTest : public UiTest, public ::testing::WithParamInterface<Sample> {};

TEST_P(SampleTest, GeometryColoursAndFont) {
    const Sample& sample = GetParam();
    const auto window = Create(sample.window);
    QWidget* control = Find<QWidget>(window.get(), sample.control);
    EXPECT_EQ(control->geometry(), sample.geometry);
    EXPECT_EQ(Foreground(control).rgb() & 0xFFFFFF, sample.fore);
    EXPECT_EQ(Background(control).rgb() & 0xFFFFFF, sample.back);
    if (sample.points == 0) return;  // frames have no font of their own
    const QFontInfo font(control->font());
    EXPECT_EQ(control->font().family(), "Arial");
    EXPECT_EQ(font.family(), "Liberation Sans");  // Arial's metrics
    EXPECT_DOUBLE_EQ(control->font().pointSizeF(), sample.points);
    EXPECT_EQ(control->font().bold(), sample.bold);
    EXPECT_EQ(control->font().italic(), sample.italic);
}

INSTANTIATE_TEST_SUITE_P(Controls, SampleTest, ::testing::ValuesIn(kSamples), [](const auto& info) {
    return std::string(info.param.window) + "_" + info.param.control;
});

TEST_F(UiTest, LinesLabelsAndBoxesFollowTheirKind) {
    Form1 concrete(NoPrices);
    Form2 menu;
    auto* wide = Find<LineWidget>(&menu, "Line3");
    EXPECT_EQ(wide->geometry(), QRect(96, 152, 65, 2));
    EXPECT_EQ(wide->lineColor(), QColor(0x00FFFF));
    auto* rule = Find<LineWidget>(&concrete, "Line6");
    EXPECT_EQ(rule->geometry(), QRect(288, 216, 1, 217));
    EXPECT_EQ(rule->lineColor(), QColor(0x00FF00));

    auto* centred = Find<QLabel>(&concrete, "LblPlageDosage1");
    EXPECT_EQ(centred->alignment(), Qt::AlignTop | Qt::AlignHCenter);
    EXPECT_EQ(Find<QLabel>(&concrete, "Label5")->alignment(), Qt::AlignTop | Qt::AlignLeft);
    EXPECT_TRUE(centred->autoFillBackground());
    EXPECT_TRUE(centred->wordWrap());
    EXPECT_EQ(centred->textFormat(), Qt::PlainText);

    auto* box = Find<QLineEdit>(&concrete, "TxtEau");
    EXPECT_TRUE(box->text().isEmpty());
    EXPECT_FALSE(box->isReadOnly());
    EXPECT_TRUE(box->isEnabled());
    EXPECT_EQ(box->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);

    // Window fonts: Form1 Arial 8.25, Form3 Arial 12 for the controls without their own.
    EXPECT_DOUBLE_EQ(concrete.font().pointSizeF(), 8.25);
    Form3 mortar(NoPrices);
    EXPECT_DOUBLE_EQ(Find<QLabel>(&mortar, "Lbl12")->font().pointSizeF(), 12);
    EXPECT_FALSE(Find<QLabel>(&mortar, "Lbl12")->font().bold());
}

TEST_F(UiTest, CaptionsKeepTheirSpaces) {
    Form1 concrete(NoPrices);
    Form3 mortar(NoPrices);
    EXPECT_EQ(Find<QLabel>(&concrete, "Label14")->text(), "  Eau  MINI");
    EXPECT_EQ(Find<QLabel>(&concrete, "Label10")->text(), "Eau  MINI");
    EXPECT_EQ(Find<QLabel>(&concrete, "Label8")->text(),
              QString::fromUtf8("Qtés totales à fournir"));
    EXPECT_EQ(Find<QLabel>(&mortar, "Label8")->text(),
              QString::fromUtf8("Qtés totales  à fournir"));
    EXPECT_EQ(Find<QLabel>(&concrete, "LblErrCont")->text(), QString::fromUtf8("De 0.1 à   10000"));
    EXPECT_EQ(Find<QLabel>(&mortar, "LblErrCont2")->text(), QString::fromUtf8("De 0 à 10000"));
    EXPECT_TRUE(Find<QLabel>(&mortar, "LblPlageDosage")->text().isEmpty());
    for (const char* name : {"OptDose1", "OptDose2", "OptDose3", "OptDose4"})
        EXPECT_TRUE(Find<QRadioButton>(&mortar, name)->text().isEmpty()) << name;
    const QString info = Find<QLabel>(&concrete, "LblInfo")->text();
    EXPECT_EQ(info.size(), 391);
    EXPECT_TRUE(info.startsWith("   L'humidit"));
    EXPECT_TRUE(info.endsWith(QString::fromUtf8("gachée ( plus petite ).")));
}

TEST_F(UiTest, OverlappingControlsAreStackedAsDesigned) {
    Form1 concrete(NoPrices);
    Form3 mortar(NoPrices);
    auto above = [](QWidget* window, const char* top, const char* under) {
        const QObjectList& order = window->children();  // later children are drawn above
        return order.indexOf(Find<QWidget>(window, top)) >
               order.indexOf(Find<QWidget>(window, under));
    };
    EXPECT_TRUE(above(&concrete, "LblInfo", "Label4"));
    EXPECT_TRUE(above(&concrete, "CmdQuitterInfo", "Label4"));
    EXPECT_TRUE(above(&concrete, "LblMauvaisDos", "Label5"));
    EXPECT_TRUE(above(&mortar, "LblMauvaisDos2", "Label5"));
    EXPECT_TRUE(above(&mortar, "Frame1", "Label4"));
    for (const char* name : {"OptDose1", "OptDose2", "OptDose3", "OptDose4"})
        EXPECT_EQ(Find<QWidget>(&mortar, name)->parentWidget(), Find<QWidget>(&mortar, "Frame1"))
            << name;
    EXPECT_EQ(Find<QWidget>(&mortar, "LblMauvaisDos2")->geometry(),
              Find<QWidget>(&mortar, "Label5")->geometry());
}

struct HelpText {
    const char* window;
    const char* label;
    int length;
};

const HelpText kHelpTexts[] = {
    {"FormAideMenu", "LblInfoMenu", 1493},
    {"FormAideBeton", "LblAideBeton", 2970},
    {"FormAideMortier", "Label1", 2528},
};

class HelpTextTest : public UiTest, public ::testing::WithParamInterface<HelpText> {};

// Every sentence that follows a long run of spaces starts a line, and every line fits the
// label's width with its font (trailing spaces apart).
TEST_P(HelpTextTest, LengthAndEachLongRunEndsALine) {
    const HelpText& help = GetParam();
    const auto window = Create(help.window);
    auto* label = Find<CaptionLabel>(window.get(), help.label);
    const QString text = label->text();
    EXPECT_EQ(text.size(), help.length);

    const std::vector<int> starts = label->lineStarts();
    const std::set<int> lineStarts(starts.begin(), starts.end());
    int sentences = 0;
    for (int i = 8; i < text.size(); ++i) {
        if (text[i] == ' ' || text.mid(i - 8, 8) != QString(8, ' ')) continue;
        ++sentences;
        EXPECT_TRUE(lineStarts.count(i))
            << "no line starts at \"" << text.mid(i, 30).toStdString() << "\"";
    }
    EXPECT_GT(sentences, 10);
    const QFontMetrics metrics(label->font());
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const int end = i + 1 < starts.size() ? starts[i + 1] : text.size();
        const QString line = text.mid(starts[i], end - starts[i]);
        // A single word wider than the label is the only line allowed to overflow.
        if (line.trimmed().contains(' ')) {
            EXPECT_LE(metrics.horizontalAdvance(line.trimmed()), label->contentsRect().width())
                << line.toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, HelpTextTest, ::testing::ValuesIn(kHelpTexts),
                         [](const auto& info) { return std::string(info.param.window); });

}  // namespace
}  // namespace ui::test
