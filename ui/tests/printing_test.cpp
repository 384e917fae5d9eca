// SPDX-License-Identifier: GPL-3.0-or-later
// Printing through the "IMPRIMER" buttons: the image (print colours, no buttons, neither focus
// nor selection), the prices and day under a calculator, every control's look given back as its
// row has it under any theme, the note's button, and a failed print that saves a PDF file.
#include <QApplication>
#include <QDate>
#include <QFile>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <tuple>

#include "ui/form1.h"
#include "ui/line_widget.h"
#include "ui/look.h"
#include "ui/screens.h"
#include "ui/tests/fixture.h"

namespace ui::test {
namespace {

// Every control's text colour (a line's colour), background and visibility, by name.
std::map<QString, std::tuple<QRgb, QRgb, bool>> LooksOf(const QWidget* window) {
    std::map<QString, std::tuple<QRgb, QRgb, bool>> looks{
        {"", {Foreground(window).rgb(), Background(window).rgb(), true}}};
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        if (control->window() != window) continue;  // a dialog over it
        const auto* line = qobject_cast<const LineWidget*>(control);
        looks[control->objectName()] = {line ? line->lineColor().rgb() : Foreground(control).rgb(),
                                        Background(control).rgb(), control->isVisibleTo(window)};
    }
    return looks;
}

// The printed image of a window.
QImage Printed(const char* window, const char* button) {
    QTest::mouseClick(qobject_cast<QAbstractButton*>(FindControl(ProgramWindow(window), button)),
                      Qt::LeftButton);
    return UiTest::Prints().back().page.image;
}

// clang-format off
// A printed window against its screen, control by control (those on top): no button (no pixel of
// its face's hue, which Fusion shades) and no rule under the buttons (only paper), the inside of a
// kept box or label exactly as shown, every other control on paper: its corner the paper's grey,
// only greys (a rule, black).
void ExpectPrintLook(const char* name, const char* print, const QStringList& rules, const QStringList& kept) {
    QWidget* window = ProgramWindow(name);
    if (window->focusWidget()) window->focusWidget()->clearFocus();
    const QImage screen = window->grab().toImage(), paper = Printed(name, print);
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const QRect at(control->mapTo(window, QPoint(0, 0)), control->size());
        const auto* line = qobject_cast<LineWidget*>(control);
        const auto* box = qobject_cast<QLineEdit*>(control);
        const QString named = control->objectName();
        const QWidget* top = window->childAt(at.center());
        if (named.isEmpty() || !control->isVisibleTo(window) || (!line && top != control && !control->isAncestorOf(top))) continue;
        const bool gone = qobject_cast<QPushButton*>(control) || rules.contains(named), same = kept.contains(named) || (box && !named.startsWith("TxtTemps"));
        int wrong = !gone && !same && !line && QColor(paper.pixel(at.topLeft() + (box ? QPoint(3, 3) : QPoint(1, 1)))) != QColor(0xE0E0E0);  // in a box's frame
        for (int y = at.top(); y <= at.bottom(); ++y)
            for (int x = at.left(); x <= at.right(); ++x) {
                const QColor ink(paper.pixel(x, y));
                if (gone) wrong += line ? ink != QColor(0xE0E0E0) : ink.hsvSaturationF() >= 0.35 && std::abs(ink.hsvHue() - Background(control).hsvHue()) <= 10;
                else if (same) wrong += at.adjusted(2, 2, -2, -2).contains(x, y) && window->childAt(x, y) == control && ink.rgb() != screen.pixel(x, y);
                else wrong += line ? ink != Qt::black : ink.green() != ink.red() || ink.blue() != ink.red();
            }
        EXPECT_EQ(wrong, 0) << name << "." << named.toStdString() << (gone ? " printed" : " not as it should print");
    }
}
// clang-format on

class PrintTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        CalculateBoth();
    }
    static void CalculateBoth() {
        Prices({"7,25", "40", "35", "60"});
        Play("Form2", {{"Option1 CmdOk Form1.TxtDosage=350 Form1.TxtVolume=1000 "
                        "Form1.TxtContenance=150 Form1.CmdCalcul Option2 "
                        "CmdOk Form3.TxtDosage2=325 Form3.TxtVolMortier=1000 "
                        "Form3.TxtContenance2=100 Form3.CmdCalcul2",
                        "+Form3.TxtEau3"}});
    }
};

// clang-format off
// The pressed print button keeps the focus: hiding it must not hand the focus, and a select-all,
// to the next box; a box that had the focus keeps it and its selection.
TEST_F(PrintTest, PrintingNeitherShowsNorMovesTheFocusAndTheSelections) {
    Window("Form1")->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window("Form1")));
    Printed("Form1", "CmdImprimer");
    EXPECT_TRUE(Prints().back().focus.isEmpty() && Prints().back().selected.isEmpty());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_9);
    auto* dosage = qobject_cast<QLineEdit*>(Control("Form1", "TxtDosage"));
    dosage->setFocus();
    dosage->setSelection(3, -2);
    qobject_cast<QAbstractButton*>(Control("Form1", "CmdImprimer"))->click();
    EXPECT_TRUE(Prints().back().selected.isEmpty() && QApplication::focusWidget() == dosage);
    EXPECT_EQ(dosage->selectedText() + QString::number(dosage->cursorPosition()) + Text("Form1", "TxtPrixAchat"), "501" + Local("173,04"));
}

// Under a calculator's image: the prices its results were computed with, and the day; a help
// window prints without a line, without its buttons and with its colours.
TEST_F(PrintTest, ACalculatorPrintsThePricesOfItsResultsAndTheDay) {
    const QString price = QString::fromUtf8("Prix : ciment 7%1 le sac de 35 kg, sable 40 le m3, %2transport 60 — imprimé le %3");
    const QDate today = QDate::currentDate();
    Click("Form2", "CmdEffacerP");  // after the calculations: what they used is printed
    Printed("Form1", "CmdImprimer");
    // The day of printing, read from the clock the program reads, before midnight or after.
    const QString day = QLocale(QLocale::French).toString(today, "d MMMM yyyy");
    const QString dayAfter = QLocale(QLocale::French).toString(QDate::currentDate(), "d MMMM yyyy");
    if (Prints().back().page.footnote.endsWith(dayAfter)) EXPECT_EQ(Prints().back().page.footnote, price.arg(Local(",25"), "gravier 35 le m3, ", dayAfter));
    else EXPECT_EQ(Prints().back().page.footnote, price.arg(Local(",25"), "gravier 35 le m3, ", day));
    Printed("Form3", "CmdImprimer2");
    EXPECT_TRUE(Prints().back().page.footnote == price.arg(Local(",25"), "", day) || Prints().back().page.footnote == price.arg(Local(",25"), "", dayAfter));
    Click("Form2", "CmdAideMenu");
    const auto before = LooksOf(Window("FormAideMenu"));
    ExpectPrintLook("FormAideMenu", "CmdImpAideMenu", {}, {"LblInfoMenu"});
    EXPECT_TRUE(Prints().back().page.footnote.isEmpty() && LooksOf(Window("FormAideMenu")) == before);
}

// Without any printer: the window gets its own look back, then a message offers a PDF file.
// Accepting it and a name typed without ".pdf" save the page as "<name>.pdf", on one page;
// a folder that does not exist brings a second message; "Annuler" saves nothing.
TEST_F(PrintTest, WithoutAPrinterTheWindowIsRestoredThenThePageSavedAsAPdf) {
    QTemporaryDir dir;
    qputenv("CUPS_SERVER", dir.filePath("no-scheduler").toLocal8Bit());  // no printer to be found
    setWindowPrinter(nullptr);
    const auto before = LooksOf(Window("Form3"));
    QStringList seen;  // the dialogs, each answered with Enter
    Answer([&](QWidget* dialog) {
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        seen << (name ? "Enregistrer" : qobject_cast<QMessageBox*>(dialog)->text().section('\n', 0, 0));
        EXPECT_EQ(LooksOf(Window("Form3")), before);
        if (name) name->setText(dir.filePath(seen.size() == 2 ? "chantier" : "dossier/chantier"));
        QTest::keyClick(name ? name : dialog, seen.size() == 6 ? Qt::Key_Escape : Qt::Key_Return);
    });
    Click("Form3", "CmdImprimer2");
    QFile pdf(dir.filePath("chantier.pdf"));
    EXPECT_TRUE(pdf.open(QIODevice::ReadOnly) && pdf.readAll().count("/Type /Page\n") == 1);
    Click("Form3", "CmdImprimer2");
    Click("Form3", "CmdImprimer2");
    const QString offer = QString::fromUtf8("Rien n'a été imprimé : aucune imprimante n'est disponible ou l'impression a échoué.");
    EXPECT_EQ(seen.join('|'), QStringList({offer, "Enregistrer", offer, "Enregistrer", QString::fromUtf8("Le fichier PDF n'a pas pu être enregistré :"), offer}).join('|'));
    EXPECT_EQ(Warnings().join('|').toStdString(), "QPainter::begin(): Returned false");  // the file not written
    Warnings().clear();
}

// Under a desktop theme of light texts on dark bases, whose window and button texts differ:
// every text of the calculators, the menu and a help text keeps at least 4.5:1 on its
// background; a printed calculator has its print look, then every control its row's look back,
// the note's "QUITTER" only while the note is open.
TEST_F(PrintTest, UnderADarkThemeTheWindowsKeepTheirLookOnScreenAndAfterPrinting) {
    const QPalette platform = QApplication::palette();
    QPalette dark = platform;
    for (auto role : {QPalette::WindowText, QPalette::Text}) dark.setColor(role, QColor(0xEFF0F1));
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) dark.setColor(role, QColor(0x31363B));
    dark.setColor(QPalette::ButtonText, QColor(0xFCFCFC));
    QApplication::setPalette(dark);
    Restart();
    CalculateBoth();
    Play("Form2", {{"CmdAideMenu Form1.CmdAideBet Form3.CmdAideInfoMortier", ""}});
    for (const WindowId id : AllWindows())
        for (const char* name = ScreenOf(id)->name; const QWidget* control : Window(name)->findChildren<QWidget*>()) {
            const auto* label = qobject_cast<const QLabel*>(control);
            const bool text = label ? !label->text().isEmpty() : qobject_cast<const QLineEdit*>(control) || qobject_cast<const QPushButton*>(control);
            // White on red, the design's colours for a wrong dosage, is 4.0:1 under any theme.
            if (text && !control->objectName().startsWith("LblMauvaisDos")) {
                EXPECT_GE(Contrast(Foreground(control), Background(control)), 4.5) << name << "." << control->objectName().toStdString();
            }
        }
    EXPECT_GE(Contrast(Control("Form3", "OptDose2")->palette().color(QPalette::Base), QColor(0x004000)), 3);
    // Around a help text, on screen and on paper, only the text's grey: no band of the theme.
    for (const auto& [name, print] : {std::pair{"FormAideMenu", "CmdImpAideMenu"}, {"FormAideBeton", "CmdImpAideBeton"}, {"FormAideMortier", "CmdImpAideMortier"}}) {
        const QPoint corner(Window(name)->width() - 1, Window(name)->height() - 1);
        EXPECT_EQ(Window(name)->grab().toImage().pixel(corner) & 0xFFFFFF, 0xE0E0E0u) << name;
        EXPECT_EQ(Printed(name, print).pixel(corner) & 0xFFFFFF, 0xE0E0E0u) << name;
    }
    Click("Form1", "CmdInfo");  // the note is printed as shown, its "QUITTER" never
    const auto looks = LooksOf(Window("Form1"));
    ExpectPrintLook("Form1", "CmdImprimer", {"Line5"}, {"LblInfo"});
    EXPECT_EQ(Prints().back().page.image.pixel(1, 1) & 0xFFFFFF, 0xE0E0E0u);
    EXPECT_EQ(LooksOf(Window("Form1")), looks);  // its "QUITTER" back, as the note is open
    Click("Form1", "CmdQuitterInfo");
    Printed("Form1", "CmdImprimer");
    EXPECT_FALSE(Shown("Form1", "CmdQuitterInfo"));
    ExpectPrintLook("Form3", "CmdImprimer2", {"Line6"}, {"Line1", "Line2", "Line3", "Line4", "Line5"});
    QApplication::setPalette(platform);
}
// clang-format on

// On the page, the image as wide as the paper, then the footnote half a line under it, never over
// it: at 96 dpi a line of 8 points is 13 pixels or so, and its capitals' tops 3 under its top.
TEST(PrintedPage, TheFootnoteSitsHalfALineUnderTheImage) {
    QImage window(400, 200, QImage::Format_RGB32), sheet(800, 1200, QImage::Format_RGB32);
    window.fill(Qt::red);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    DrawPage(painter, sheet.rect(), {window, "Prix : ciment 7,25 le sac de 35 kg"});
    painter.end();
    int red = 0, ink = 1200;
    for (int y = 0; y < 1200; ++y)
        for (int x = 0; x < 800; ++x) {
            red += sheet.pixel(x, y) == qRgb(255, 0, 0);
            if (qGray(sheet.pixel(x, y)) < 100 && sheet.pixel(x, y) != qRgb(255, 0, 0))
                ink = std::min(ink, y);
        }
    EXPECT_EQ(red, 800 * 400);
    EXPECT_TRUE(ink >= 400 + 10 && ink <= 400 + 20) << "the footnote's first dark row " << ink;
}

}  // namespace
}  // namespace ui::test
