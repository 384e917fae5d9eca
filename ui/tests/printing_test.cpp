// SPDX-License-Identifier: GPL-3.0-or-later
// Printing through the "IMPRIMER" buttons: the image (print colours, no buttons, neither focus
// nor selection), the prices and day under a calculator, every control's look given back as its
// row has it under any theme, the note's button, and a failed print that offers a PDF file.
#include <QApplication>
#include <QDate>
#include <QFile>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <tuple>

#include "ui/form1.h"
#include "ui/line_widget.h"
#include "ui/look.h"
#include "ui/pdf_offer.h"
#include "ui/printing.h"
#include "ui/tests/fixture.h"

namespace ui::test {
namespace {

// Every control's text colour (a line's colour), background and visibility, by name.
using Looks = std::map<QString, std::tuple<QRgb, QRgb, bool>>;

Looks LooksOf(const QWidget* window) {
    Looks looks{{window->objectName(), {Foreground(window).rgb(), Background(window).rgb(), true}}};
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        const auto* line = qobject_cast<const LineWidget*>(control);
        looks[control->objectName()] = {line ? line->lineColor().rgb() : Foreground(control).rgb(),
                                        Background(control).rgb(), control->isVisibleTo(window)};
    }
    return looks;
}

QRgb PixelAt(const QImage& image, const QWidget* control, QPoint offset = {2, 2}) {
    return image.pixel(control->mapTo(control->window(), offset)) & 0xFFFFFF;
}

const Printed& Print(const char* window, const char* button) {
    QTest::mouseClick(qobject_cast<QAbstractButton*>(FindControl(ProgramWindow(window), button)),
                      Qt::LeftButton);
    return UiTest::Prints().back();
}

class PrintTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        Prices({"7,25", "40", "35", "60"});
        Open("Option1");
        Calculate("Form1", {"350", "1000", "150"});
        Open("Option2");
        Calculate("Form3", {"325", "1000", "100"});
    }
};

// The note is printed as shown, its "QUITTER" is not, and comes back only while InfoNoteShown
// says that the note is open.
TEST_F(PrintTest, TheNotesButtonComesBackOnlyWhileTheNoteIsOpen) {
    auto* concrete = qobject_cast<Form1*>(Window("Form1"));
    const struct {
        const char* click;
        int flag;
        QRgb note;
        bool buttonAfter;
    } steps[] = {{"CmdInfo", 1, 0xC0FFC0, true},
                 {"CmdQuitterInfo", 0, 0xE0E0E0, false},
                 {"CmdInfo", 2, 0xC0FFC0, false}};
    for (const auto& step : steps) {
        Click("Form1", step.click);
        concrete->InfoNoteShown = step.flag;
        const QImage image = Print("Form1", "CmdImprimer").page.image;
        EXPECT_NE(PixelAt(image, Control("Form1", "CmdQuitterInfo")), 0x00FF00u) << step.flag;
        EXPECT_EQ(PixelAt(image, Control("Form1", "LblInfo")), step.note) << step.flag;
        EXPECT_EQ(Shown("Form1", "CmdQuitterInfo"), step.buttonAfter) << step.flag;
    }
}

// The pressed print button keeps the focus: hiding it must not hand the focus, and a select-all,
// to the next box; a box that had the focus keeps it and its selection.
TEST_F(PrintTest, PrintingNeitherShowsNorMovesTheFocusAndTheSelections) {
    Window("Form1")->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window("Form1")));
    const Printed& printed = Print("Form1", "CmdImprimer");
    EXPECT_TRUE(printed.focus.isEmpty() && printed.selected.isEmpty());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_9);
    EXPECT_EQ(Text("Form1", "TxtPrixAchat"), Local("173,04"));
    auto* dosage = qobject_cast<QLineEdit*>(Control("Form1", "TxtDosage"));
    dosage->setFocus();
    dosage->setSelection(3, -2);
    qobject_cast<QAbstractButton*>(Control("Form1", "CmdImprimer"))->click();
    EXPECT_TRUE(Prints().back().selected.isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), dosage);
    EXPECT_EQ(dosage->selectedText() + QString::number(dosage->cursorPosition()), "501");
}

// Under a calculator's image: the prices its results were computed with, and the day; a help
// window prints without a line, without its buttons and with its colours.
TEST_F(PrintTest, ACalculatorPrintsThePricesOfItsResultsAndTheDay) {
    const QString day = QLocale(QLocale::French).toString(QDate::currentDate(), "d MMMM yyyy");
    Click("Form2", "CmdEffacerP");  // after the calculations: what they used is printed
    EXPECT_EQ(Print("Form1", "CmdImprimer").page.footnote,
              QString::fromUtf8("Prix : ciment 7%1 le sac de 35 kg, sable 40 le m3, gravier 35 le "
                                "m3, transport 60 — imprimé le %2")
                  .arg(Local(",25"), day));
    EXPECT_EQ(Print("Form3", "CmdImprimer2").page.footnote,
              QString::fromUtf8(
                  "Prix : ciment 7%1 le sac de 35 kg, sable 40 le m3, transport 60 — imprimé le %2")
                  .arg(Local(",25"), day));
    Click("Form2", "CmdAideMenu");
    const Looks before = LooksOf(Window("FormAideMenu"));
    const Printed& help = Print("FormAideMenu", "CmdImpAideMenu");
    EXPECT_TRUE(help.page.footnote.isEmpty());
    EXPECT_EQ(PixelAt(help.page.image, Control("FormAideMenu", "CmdQuitInfoMenu"), {9, 9}),
              PixelAt(help.page.image, Control("FormAideMenu", "LblInfoMenu"), {1, 400}));
    EXPECT_EQ(LooksOf(Window("FormAideMenu")), before);
}

class FailingPrinter : public WindowPrinter {
    bool printPage(const Page&) override { return false; }
};

// A printer that fails: the window gets its own look back first, then the page is offered as
// a PDF file, which holds it on one page.
TEST_F(PrintTest, AFailedPrintRestoresTheWindowThenOffersTheSamePageAsAPdf) {
    setWindowPrinter(std::make_unique<FailingPrinter>());
    const Looks before = LooksOf(Window("Form3"));
    int offers = 0;
    setPrintFailureHandler([&](QWidget* window, const Page& page) {
        ++offers;
        EXPECT_TRUE(LooksOf(window) == before && page.image.size() == window->size());
        QTemporaryDir dir;
        QFile pdf(dir.filePath("page.pdf"));
        ASSERT_TRUE(WritePdf(page, pdf.fileName()) && pdf.open(QIODevice::ReadOnly));
        EXPECT_EQ(pdf.readAll().count("/Type /Page\n"), 1);
        EXPECT_FALSE(WritePdf(page, dir.filePath("absent/page.pdf")));
    });
    Click("Form3", "CmdImprimer2");
    setPrintFailureHandler(nullptr);
    EXPECT_EQ(offers, 1);
    QStringList buttons;
    for (const QAbstractButton* button : NothingPrintedMessage(Window("Form3"))->buttons())
        buttons << button->text();
    EXPECT_EQ(buttons.join('|'), QString::fromUtf8("Enregistrer en PDF…|Annuler"));
}

// Under a desktop theme of light texts on dark bases, whose window and button texts differ:
// every text of the calculators, the menu and a help text keeps at least 4.5:1 on its
// background; a printed calculator has its print look, then every control its row's look back.
TEST_F(UiTest, UnderADarkThemeTheWindowsKeepTheirLookOnScreenAndAfterPrinting) {
    const QPalette platform = QApplication::palette();
    QPalette dark = platform;
    for (auto role : {QPalette::WindowText, QPalette::Text}) dark.setColor(role, QColor(0xEFF0F1));
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        dark.setColor(role, QColor(0x31363B));
    dark.setColor(QPalette::ButtonText, QColor(0xFCFCFC));
    QApplication::setPalette(dark);
    Restart();
    Prices({"7,25", "40", "35", "60"});
    Open("Option1");
    Calculate("Form1", {"350", "1000", "150"});
    Open("Option2");
    Calculate("Form3", {"325", "1000", "100"});
    Click("Form2", "CmdAideMenu");
    // clang-format off
    const char* const calculators[][3] = {{"Form1", "CmdImprimer", "CmdCalcul"}, {"Form3", "CmdImprimer2", "CmdCalcul2"}};
    for (const char* name : {"Form1", "Form2", "Form3", "FormAideMenu"})
        for (const QWidget* control : Window(name)->findChildren<QWidget*>()) {
            const auto* label = qobject_cast<const QLabel*>(control);
            const bool text = label ? !label->text().isEmpty() : qobject_cast<const QLineEdit*>(control) || qobject_cast<const QPushButton*>(control);
            // White on red, the design's colours for a wrong dosage, is 4.0:1 under any theme.
            if (text && !control->objectName().startsWith("LblMauvaisDos"))
                EXPECT_GE(Contrast(Foreground(control), Background(control)), 4.5) << name << "." << control->objectName().toStdString();
        }
    EXPECT_GE(Contrast(Control("Form3", "OptDose2")->palette().color(QPalette::Base), QColor(0x004000)), 3);
    for (const auto& [name, print, calculate] : calculators) {
        const Looks before = LooksOf(Window(name));
        const QImage image = Print(name, print).page.image;
        EXPECT_EQ(image.pixel(1, 1) & 0xFFFFFF, 0xE0E0E0u) << name;
        EXPECT_EQ(PixelAt(image, Control(name, calculate)), 0xE0E0E0u) << name << ": a button printed";
        EXPECT_EQ(PixelAt(image, Control(name, "Label5")), 0xE0E0E0u) << name;
        EXPECT_EQ(PixelAt(image, Control(name, "Line1"), {0, 0}), name[4] == '1' ? 0u : 0x00FF00u) << name;
        EXPECT_EQ(LooksOf(Window(name)), before) << name;
    }
    // clang-format on
    QApplication::setPalette(platform);
}

}  // namespace
}  // namespace ui::test
