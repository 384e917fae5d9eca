// SPDX-License-Identifier: GPL-3.0-or-later
// Printing through the "IMPRIMER" buttons with a printer that keeps what it receives: the
// image itself (print colours, no buttons), every colour and visibility while printing and
// after, the information note, the help windows and a printer that fails.
#include <QApplication>
#include <QDate>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <set>

#include "ui/form1.h"
#include "ui/line_widget.h"
#include "ui/look.h"
#include "ui/numbers.h"
#include "ui/pdf_offer.h"
#include "ui/tests/print_fixture.h"
#include "ui/window_printer.h"

namespace ui::test {
namespace {

const Route kConcrete{"Form1",
                      "CmdImprimer",
                      {{"Form2", "CmdOk"},
                       {"Form1", "TxtDosage", "350"},
                       {"Form1", "TxtVolume", "1000"},
                       {"Form1", "TxtContenance", "150"},
                       {"Form1", "CmdCalcul"}}};
const Route kMortar{"Form3",
                    "CmdImprimer2",
                    {{"Form2", "Option2"},
                     {"Form2", "CmdOk"},
                     {"Form3", "TxtDosage2", "350"},
                     {"Form3", "TxtVolMortier", "1000"},
                     {"Form3", "TxtContenance2", "150"},
                     {"Form3", "CmdCalcul2"}}};
const Route kAideMenu{"FormAideMenu", "CmdImpAideMenu", {{"Form2", "CmdAideMenu"}}};
const Route kAideBeton{
    "FormAideBeton", "CmdImpAideBeton", {{"Form2", "CmdOk"}, {"Form1", "CmdAideBet"}}};
const Route kAideMortier{
    "FormAideMortier",
    "CmdImpAideMortier",
    {{"Form2", "Option2"}, {"Form2", "CmdOk"}, {"Form3", "CmdAideInfoMortier"}}};
const Route kAllRoutes[] = {kConcrete, kMortar, kAideMenu, kAideBeton, kAideMortier};

QString TextOf(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text();
    if (const auto* box = qobject_cast<const QLineEdit*>(control)) return box->text();
    return {};
}

constexpr QRgb kNone = 0x2000000;  // a role the row does not give
constexpr QRgb kPaper = 0xE0E0E0;

struct ColourRow {
    std::vector<const char*> controls;
    QRgb printFore, printBack, screenFore, screenBack;
};

struct Calculator {
    const char* name;
    Route route;
    const char* total;  // the total purchase price, next after the print button's tab stop
    const char* dosage;
    std::vector<ColourRow> colours;
    std::vector<const char*> hidden;  // the buttons and the rule under them
    std::vector<std::pair<const char*, QRgb>> printedLines;
};

const Calculator kCalculators[] = {
    {"Concrete",
     kConcrete,
     "TxtPrixAchat",
     "TxtDosage",
     {{{"Form1"}, 0x000000, kPaper, 0x000000, 0x000000},
      {{"TxtTempsTh", "TxtTempsTm"}, 0x000000, kPaper, 0x00FF00, 0x000000},
      {{"Label1", "Label2", "Label3", "Label4"}, 0x000000, kPaper, 0x000000, 0xC0FFC0},
      {{"Label5",  "Label6",  "Label7",  "Label10",        "Label11", "Label12",
        "Label13", "Label14", "Label15", "Label16",        "Label17", "Label18",
        "Label20", "Label21", "Label23", "Label24",        "Label25", "Label26",
        "Label27", "Label28", "Label29", "LblPlageDosage1"},
       0x000000,
       kPaper,
       0x00FF00,
       0x000000},
      {{"Label8", "Label9", "Label19", "Label22", "LblPrixDetail"},
       0x000000,
       kPaper,
       0xFFFFFF,
       0x000000},
      {{"Line1", "Line2", "Line3", "Line4", "Line6"}, 0x000000, kNone, 0x00FF00, kNone}},
     {"CmdAideBet", "CmdCalcul", "CmdEffacer", "CmdImprimer", "CmdInfo", "CmdRetour1", "Line5"},
     {{"Line1", 0x000000},
      {"Line2", 0x000000},
      {"Line3", 0x000000},
      {"Line4", 0x000000},
      {"Line6", 0x000000}}},
    {"Mortar",
     kMortar,
     "TxtPrixAchat3",
     "TxtDosage2",
     {{{"Form3"}, 0x000000, kPaper, 0x000000, 0x000000},
      {{"TxtTempsTh3", "TxtTempsTm3"}, 0x000000, kPaper, 0x00FF00, 0x000000},
      {{"Label1", "Label2", "Label3", "Label4"}, 0x000000, kPaper, 0x000000, 0xC0FFC0},
      {{"OptDose1", "OptDose2", "OptDose3", "OptDose4"}, 0x000000, kPaper, 0xFFFFFF, 0x004000},
      {{"Frame1"}, kNone, kPaper, kNone, 0x004000},
      {{"Label5",  "Label6",  "Label7",  "Label9",  "Label10", "Label11",       "Label12",
        "Label14", "Label15", "Label17", "Label18", "Label19", "Label21",       "Label22",
        "Label23", "Label24", "Label25", "Lab13",   "Lbl12",   "LblPlageDosage"},
       0x000000,
       kPaper,
       0x00FF00,
       0x000000},
      {{"Label8", "Label16", "Label20", "Lab12", "LblPrixDetail3"},
       0x000000,
       kPaper,
       0xFFFFFF,
       0x000000},
      {{"LblErrCont2", "LblErrVolBet2"}, 0x000000, kPaper, 0xFF0000, 0x000000}},
     {"CmdAideInfoMortier", "CmdCalcul2", "CmdEffacer2", "CmdImprimer2", "CmdRetour2", "Line6"},
     {{"Line1", 0x00FF00},
      {"Line2", 0x00FF00},
      {"Line3", 0x00FF00},
      {"Line4", 0x00FF00},
      {"Line5", 0x00FF00}}},
};

void PrintTo(const Calculator& calculator, std::ostream* out) {
    *out << calculator.name;
}

class CalculatorPrintTest : public PrintTest, public ::testing::WithParamInterface<Calculator> {};

// On paper: the buttons and their rule are bare paper, the lines have their print colour,
// and every recoloured control shows black on light grey.
TEST_P(CalculatorPrintTest, ImageHasPrintColoursAndNoButton) {
    const Calculator& calculator = GetParam();
    const QWidget* window = Open(calculator.route);
    const Print& print = PrintOnce(calculator.route);
    const QImage& image = print.image;
    const Looks& looks = print.looks.at(calculator.route.window);
    ASSERT_EQ(image.size(), window->size());
    EXPECT_EQ(image.pixel(2, 2) & 0xFFFFFF, kPaper) << "window background";

    for (const char* name : calculator.hidden)
        for (QRgb pixel : PixelsOf(image, window, FindControl(window, name), looks))
            ASSERT_EQ(pixel, kPaper) << name << " is on paper";
    for (const auto& [name, colour] : calculator.printedLines)
        for (QRgb pixel : PixelsOf(image, window, FindControl(window, name), looks))
            ASSERT_EQ(pixel, colour) << name;

    int checked = 0;
    for (const ColourRow& row : calculator.colours) {
        if (row.printBack != kPaper || row.printFore == kNone) continue;
        for (const char* name : row.controls) {
            const QWidget* control = Named(window, name);
            if (control == window || !looks.at(name).shown) continue;
            const std::vector<QRgb> pixels = PixelsOf(image, window, control, looks);
            ASSERT_FALSE(pixels.empty()) << name;
            EXPECT_TRUE(std::all_of(pixels.begin(), pixels.end(), Grey)) << name << " in colour";
            EXPECT_EQ(Dominant(pixels), kPaper) << name;
            if (!TextOf(control).trimmed().isEmpty()) {
                const QRgb darkest = *std::min_element(pixels.begin(), pixels.end());
                EXPECT_LE(qRed(darkest), 0x40) << name << " has no black text";
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 25);
}

void ExpectColours(const Looks& looks, const std::vector<ColourRow>& rows, bool print,
                   const std::string& when) {
    for (const ColourRow& row : rows)
        for (const char* name : row.controls) {
            const Look& look = looks.at(name);
            const QRgb fore = print ? row.printFore : row.screenFore;
            const QRgb back = print ? row.printBack : row.screenBack;
            if (fore != kNone) {
                EXPECT_EQ(look.fore, fore) << when << ": text of " << name;
            }
            if (back != kNone) {
                EXPECT_EQ(look.back, back) << when << ": background of " << name;
            }
        }
}

// While printing: the rows' print colours, buttons and rule hidden, everything else as it
// was.
TEST_P(CalculatorPrintTest, WhilePrintingOnlyTheListedControlsChange) {
    const Calculator& calculator = GetParam();
    const QWidget* window = Open(calculator.route);
    const Looks before = LooksOf(window);
    const Looks& during = PrintOnce(calculator.route).looks.at(window->objectName());

    ExpectColours(during, calculator.colours, true, "while printing");
    std::set<QString> changed;
    for (const ColourRow& row : calculator.colours)
        changed.insert(row.controls.begin(), row.controls.end());
    for (const char* name : calculator.hidden) {
        EXPECT_TRUE(before.at(name).shown) << name;
        EXPECT_FALSE(during.at(name).shown) << name;
        changed.insert(name);
    }
    for (const auto& [name, look] : before) {
        if (changed.count(name)) continue;
        EXPECT_EQ(during.at(name).fore, look.fore) << name.toStdString() << " recoloured";
        EXPECT_EQ(during.at(name).back, look.back) << name.toStdString() << " recoloured";
        EXPECT_EQ(during.at(name).shown, look.shown) << name.toStdString() << " shown or hidden";
    }
}

// Afterwards the screen colours of the rows, on the widgets and on screen, and every window
// exactly as before; nothing offered instead.
TEST_P(CalculatorPrintTest, AfterPrintingEveryWindowIsAsBefore) {
    const Calculator& calculator = GetParam();
    QWidget* window = Open(calculator.route);
    const std::map<QString, Looks> before = AllLooks();
    PrintOnce(calculator.route);
    const std::map<QString, Looks> after = AllLooks();
    const Looks& looks = after.at(window->objectName());

    ExpectColours(looks, calculator.colours, false, "after");
    // Each shown control fills its rectangle with its screen background.
    const QImage screen = window->grab().toImage();
    for (const ColourRow& row : calculator.colours)
        for (const char* name : row.controls) {
            const QWidget* control = Named(window, name);
            if (control == window || row.screenBack == kNone || !looks.at(name).shown) continue;
            const std::vector<QRgb> pixels = PixelsOf(screen, window, control, looks);
            ASSERT_FALSE(pixels.empty()) << name;
            EXPECT_EQ(Dominant(pixels), row.screenBack) << name << " on screen";
        }
    ASSERT_EQ(after.size(), before.size());
    for (const auto& [name, windowLooks] : before)
        ExpectSameLooks(after.at(name), windowLooks, name.toStdString());
    EXPECT_TRUE(offers_.empty());
}

// The pressed print button keeps the focus: hiding it must not hand the focus, and a select-all,
// to the next box; a box that had the focus keeps it and its selection.
TEST_P(CalculatorPrintTest, PrintingNeitherSelectsNorMovesTheFocus) {
    const Calculator& calculator = GetParam();
    QWidget* window = Open(calculator.route);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    const Print& print = PrintOnce(calculator.route);
    EXPECT_EQ(print.focus, QString());
    EXPECT_EQ(print.selected, QStringList());
    EXPECT_EQ(QApplication::focusWidget(), Named(window, calculator.route.printButton));
    for (const QLineEdit* box : window->findChildren<QLineEdit*>())
        EXPECT_FALSE(box->hasSelectedText()) << box->objectName().toStdString();
    const QString totals = Box(calculator.route.window, calculator.total)->text();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_9);
    EXPECT_EQ(Box(calculator.route.window, calculator.total)->text(), totals);

    QLineEdit* dosage = window->findChild<QLineEdit*>(calculator.dosage);
    dosage->setFocus(Qt::OtherFocusReason);
    dosage->setSelection(3, -2);
    qobject_cast<QAbstractButton*>(Named(window, calculator.route.printButton))->click();
    EXPECT_EQ(prints_.back().selected, QStringList());
    EXPECT_EQ(QApplication::focusWidget(), dosage);
    EXPECT_EQ(dosage->selectionStart(), 1);
    EXPECT_EQ(dosage->selectedText(), "50");
    EXPECT_EQ(dosage->cursorPosition(), 1);
}

// The colours put back are the design colours, not the ones the controls had, whatever the
// platform's colours at the time of printing.
TEST_P(CalculatorPrintTest, RestoresDesignColoursNotTheColoursBefore) {
    const Calculator& calculator = GetParam();
    QWidget* window = Open(calculator.route);
    for (const ColourRow& row : calculator.colours)
        for (const char* name : row.controls) {
            QWidget* control = Named(window, name);
            if (auto* line = qobject_cast<LineWidget*>(control))
                line->setLineColor(QColor(0x123456));
            else {
                SetForeground(control, 0x123456);
                SetBackground(control, 0x654321);
            }
        }
    const QPalette platform = QApplication::palette();
    QPalette purple = platform;
    purple.setColor(QPalette::ButtonText, QColor(0x400080));
    QApplication::setPalette(purple);

    PrintOnce(calculator.route);
    const Looks after = LooksOf(window);
    QApplication::setPalette(platform);
    ExpectColours(after, calculator.colours, false, "after");
}

INSTANTIATE_TEST_SUITE_P(Windows, CalculatorPrintTest, ::testing::ValuesIn(kCalculators),
                         [](const auto& info) { return std::string(info.param.name); });

struct NoteCase {
    const char* name;
    std::vector<Step> before;  // on the concrete window with its results
    int forcedFlag;            // put into InfoNoteShown before printing; -1: left alone
    bool noteShown;
    bool quitShownAfter;
};

const NoteCase kNoteCases[] = {
    {"Open", {{"Form1", "CmdInfo"}}, -1, true, true},
    {"OpenedThenClosed", {{"Form1", "CmdInfo"}, {"Form1", "CmdQuitterInfo"}}, -1, false, false},
    {"OpenWithFlagNotOne", {{"Form1", "CmdInfo"}}, 2, true, false},
};

void PrintTo(const NoteCase& note, std::ostream* out) {
    *out << note.name;
}

class NotePrintTest : public PrintTest, public ::testing::WithParamInterface<NoteCase> {};

// The note prints in its screen colours without its "QUITTER", which comes back only while
// InfoNoteShown is 1.
TEST_P(NotePrintTest, NotePrintedAsShownAndQuitFollowsTheFlag) {
    const NoteCase& note = GetParam();
    const QWidget* window = Open(kConcrete);
    Do(note.before);
    if (note.forcedFlag >= 0) Concrete()->InfoNoteShown = note.forcedFlag;
    const int flag = Concrete()->InfoNoteShown;
    const Looks before = LooksOf(window);
    ASSERT_EQ(before.at("LblInfo").shown, note.noteShown);

    const Print& print = PrintOnce(kConcrete);
    const Looks& during = print.looks.at("Form1");
    EXPECT_FALSE(during.at("CmdQuitterInfo").shown);
    EXPECT_EQ(during.at("LblInfo").shown, note.noteShown);
    EXPECT_EQ(during.at("LblInfo").fore, before.at("LblInfo").fore);
    EXPECT_EQ(during.at("LblInfo").back, 0xC0FFC0u);
    const QWidget* quit = FindControl(window, "CmdQuitterInfo");
    for (QRgb pixel : PixelsOf(print.image, window, quit, during))
        ASSERT_NE(pixel, 0x00FF00u) << "QUITTER printed";
    const QPoint corner = FindControl(window, "LblInfo")->pos() + QPoint(1, 1);
    EXPECT_EQ(print.image.pixel(corner) & 0xFFFFFF, note.noteShown ? 0xC0FFC0u : kPaper);

    const Looks after = LooksOf(window);
    EXPECT_EQ(after.at("CmdQuitterInfo").shown, note.quitShownAfter);
    EXPECT_EQ(after.at("LblInfo").shown, note.noteShown);
    EXPECT_EQ(Concrete()->InfoNoteShown, flag);
}

INSTANTIATE_TEST_SUITE_P(Notes, NotePrintTest, ::testing::ValuesIn(kNoteCases),
                         [](const auto& info) { return std::string(info.param.name); });

class AnyWindowPrintTest : public PrintTest, public ::testing::WithParamInterface<Route> {};

// A printer that fails: the window gets its screen look back first, then the page is
// offered as a PDF file, with the image that was not printed.
TEST_P(AnyWindowPrintTest, FailedPrintRestoresThenOffersPdf) {
    const Route& route = GetParam();
    const QWidget* window = Open(route);
    const Looks before = LooksOf(window);
    printerWorks_ = false;
    const Print& print = PrintOnce(route);
    ASSERT_EQ(offers_.size(), 1u);
    EXPECT_EQ(offers_[0].window.toStdString(), route.window);
    EXPECT_TRUE(offers_[0].image == print.image);
    ExpectSameLooks(offers_[0].looks, before, "when offered");
    ExpectSameLooks(LooksOf(window), before, "after");

    printerWorks_ = true;
    PrintOnce(route);
    EXPECT_EQ(offers_.size(), 1u) << "a print that works offers nothing";
}

INSTANTIATE_TEST_SUITE_P(Windows, AnyWindowPrintTest, ::testing::ValuesIn(kAllRoutes),
                         [](const auto& info) { return std::string(info.param.window); });

struct HelpCase {
    Route route;
    const char* quitButton;
};

const HelpCase kHelpCases[] = {
    {kAideMenu, "CmdQuitInfoMenu"},
    {kAideBeton, "CmdQuitAideBeton"},
    {kAideMortier, "CmdQuitInfoMortier"},
};

void PrintTo(const HelpCase& help, std::ostream* out) {
    *out << help.route.window;
}

class HelpPrintTest : public PrintTest, public ::testing::WithParamInterface<HelpCase> {};

// Neither button on paper, no colour changed, and both buttons back afterwards.
TEST_P(HelpPrintTest, ButtonsHiddenColoursUnchanged) {
    const HelpCase& help = GetParam();
    const QWidget* window = Open(help.route);
    const Looks before = LooksOf(window);
    const Print& print = PrintOnce(help.route);
    Looks expected = before;
    for (const char* button : {help.route.printButton, help.quitButton}) {
        expected[button].shown = false;
        const QWidget* control = FindControl(window, button);
        ASSERT_TRUE(before.at(button).shown) << button;
        const auto pixels =
            PixelsOf(print.image, window, control, print.looks.at(window->objectName()));
        ASSERT_FALSE(pixels.empty()) << button;
        EXPECT_TRUE(std::all_of(pixels.begin(), pixels.end(), Grey)) << button << " printed";
    }
    ExpectSameLooks(print.looks.at(help.route.window), expected, "while printing");
    ExpectSameLooks(LooksOf(window), before, "after");
    EXPECT_EQ(print.footnote.toStdString(), "");
}

INSTANTIATE_TEST_SUITE_P(Windows, HelpPrintTest, ::testing::ValuesIn(kHelpCases),
                         [](const auto& info) { return std::string(info.param.route.window); });

// Under a calculator's image: the prices of its results, as the user typed them on the menu
// before computing them, and the day.
TEST_F(PrintTest, ACalculatorPrintsThePricesOfItsResultsAndTheDay) {
    const QString today = QLocale(QLocale::French).toString(QDate::currentDate(), "d MMMM yyyy");
    const QString cents = QString(",25").replace(',', QLatin1Char(DecimalSeparator()));
    const std::pair<const char*, const char*> prices[] = {{"TxtPrixCiment", "7,25"},
                                                          {"TxtPrixSable", "40"},
                                                          {"TxtPrixGravier", "35"},
                                                          {"TxtPrixTransport", "60"}};
    for (const auto& [box, price] : prices) Type("Form2", box, price);
    Open(kConcrete);
    Open(kMortar);
    Click("Form2", "CmdEffacerP");  // after the calculations: what they used is printed
    EXPECT_EQ(PrintOnce(kConcrete).footnote,
              QString::fromUtf8("Prix : ciment 7%1 le sac de 35 kg, sable 40 le m3, gravier 35 le "
                                "m3, transport 60 — imprimé le %2")
                  .arg(cents, today));
    EXPECT_EQ(PrintOnce(kMortar).footnote,
              QString::fromUtf8(
                  "Prix : ciment 7%1 le sac de 35 kg, sable 40 le m3, transport 60 — imprimé le %2")
                  .arg(cents, today));
}

// The page offered as a PDF file: one page holding the whole image, or false when the file
// cannot be written.
TEST_F(PrintTest, PdfHoldsTheWholeImageOnOnePage) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage image(612, 575, QImage::Format_RGB32);
    image.fill(QColor(0xE0E0E0));
    const QString written = dir.filePath("page.pdf");
    ASSERT_TRUE(WritePdf({image, {}}, written));
    QFile file(written);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(pdf.count("/Type /Page\n"), 1);
    EXPECT_TRUE(pdf.contains("/Width 612") && pdf.contains("/Height 575"));

    const QString nowhere = dir.filePath("missing/page.pdf");
    EXPECT_FALSE(WritePdf({image, {}}, nowhere));
    EXPECT_FALSE(QFile::exists(nowhere));
}

TEST_F(PrintTest, MessageSaysNothingPrintedAndOffersPdf) {
    QWidget* window = Window("Form1");
    const auto box = NothingPrintedMessage(window);
    EXPECT_EQ(box->parentWidget(), window);
    EXPECT_TRUE(box->text().startsWith(QString::fromUtf8("Rien n'a été imprimé")));
    const QList<QAbstractButton*> buttons = box->buttons();
    ASSERT_EQ(buttons.size(), 2);
    EXPECT_EQ(box->defaultButton()->text(), QString::fromUtf8("Enregistrer en PDF…"));
    EXPECT_EQ(box->buttonRole(box->defaultButton()), QMessageBox::AcceptRole);
    EXPECT_EQ(box->escapeButton()->text(), "Annuler");
    EXPECT_EQ(box->buttonRole(box->escapeButton()), QMessageBox::RejectRole);
    EXPECT_FALSE(box->isVisible());
}

// Without a default printer the program's own printer reports the failure.
TEST_F(PrintTest, SystemPrinterFailsWithoutDefaultPrinter) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a default printer exists";
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    EXPECT_FALSE(MakeSystemPrinter()->printPage({image, {}}));
}
// WCAG's contrast ratio of two colours.
double Contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Every text of the three main windows and of the help texts, on the background Karvo gives
// it, under a desktop theme of light texts on dark bases; the radio circles on their frame.
void ExpectReadableUnderADarkTheme(const std::string& when) {
    for (const char* name : {"Form1", "Form2", "Form3", "FormAideMenu"}) {
        const QWidget* window = ProgramWindow(QLatin1String(name));
        QList<QWidget*> controls = window->findChildren<QWidget*>();
        if (name == std::string("FormAideMenu")) controls = {FindControl(window, "LblInfoMenu")};
        for (const QWidget* control : controls) {
            const auto* label = qobject_cast<const QLabel*>(control);
            const bool text = (label && !label->text().isEmpty()) ||
                              qobject_cast<const QLineEdit*>(control) ||
                              qobject_cast<const QPushButton*>(control);
            // White on red, the design's colours for a wrong dosage, is 4.0:1 under any theme.
            if (!text || control->objectName().startsWith("LblMauvaisDos")) continue;
            EXPECT_GE(Contrast(Foreground(control), Background(control)), 4.5)
                << when << ": " << name << "." << control->objectName().toStdString() << " "
                << Foreground(control).name().toStdString() << " on "
                << Background(control).name().toStdString();
        }
    }
    for (const char* option : {"OptDose1", "OptDose4"}) {
        const QPalette circle = FindControl(ProgramWindow("Form3"), option)->palette();
        EXPECT_GE(Contrast(circle.color(QPalette::Base), QColor(0x004000)), 3) << when;
        EXPECT_GE(Contrast(circle.color(QPalette::Base), circle.color(QPalette::Text)), 3) << when;
    }
}

TEST_F(PrintTest, UnderADarkThemeEveryTextKeepsItsContrastOnScreenAndAfterPrinting) {
    const QPalette platform = QApplication::palette();
    QPalette dark = platform;
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(0xEFF0F1));
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        dark.setColor(role, QColor(0x31363B));
    QApplication::setPalette(dark);
    Restart();
    Open(kConcrete);
    Open(kMortar);
    Click("Form2", "CmdAideMenu");
    ExpectReadableUnderADarkTheme("on screen");
    PrintOnce(kConcrete);
    PrintOnce(kMortar);
    ExpectReadableUnderADarkTheme("after printing");
    QApplication::setPalette(platform);
}

// Under a theme whose window text and button text differ, printing gives every control of
// both calculators back the colours it had, those of its row.
TEST_F(PrintTest, AThemeWithItsOwnTextColoursDoesNotChangeWhatPrintingRestores) {
    const QPalette platform = QApplication::palette();
    QPalette theme = platform;
    theme.setColor(QPalette::WindowText, QColor(0x202020));
    theme.setColor(QPalette::ButtonText, QColor(0x000080));
    QApplication::setPalette(theme);
    Restart();
    Open(kConcrete);
    Open(kMortar);
    const std::map<QString, Looks> before = AllLooks();
    PrintOnce(kConcrete);
    PrintOnce(kMortar);
    const std::map<QString, Looks> after = AllLooks();
    QApplication::setPalette(platform);
    for (const char* window : {"Form1", "Form3"})
        ExpectSameLooks(after.at(window), before.at(window), window);
}

}  // namespace
}  // namespace ui::test
