// The print look of each printable window as data (colours for printing and for the screen,
// controls hidden while printing), applied in loops around the image sent to the printer.
#include "ui/printing.h"

#include <QLineEdit>
#include <QPointer>
#include <algorithm>
#include <span>
#include <vector>

#include "ui/line_widget.h"
#include "ui/look.h"
#include "ui/pdf_offer.h"
#include "ui/program.h"
#include "ui/screen.h"

namespace ui {
namespace {

constexpr Rgb kKeep = 0xFFFFFFFE;  // the role is left as it is

// Text (or line) colour and background colour.
struct Colours {
    Rgb fore = kKeep;
    Rgb back = kKeep;
};

constexpr Colours kPrint{kBlack, kPrintBackground};

struct Recolour {
    std::span<const char* const> controls;
    Colours print, screen;
};

struct PrintLook {
    const char* window;
    Colours windowPrint, windowScreen;
    std::span<const Recolour> recoloured;
    std::span<const char* const> hidden;       // shown again after printing
    std::span<const char* const> noteButtons;  // shown again only while the note is open
};

// The concrete window.
constexpr const char* kRanges1[] = {"Label1", "Label2", "Label3", "Label4"};
constexpr const char* kTimes1[] = {"TxtTempsTh", "TxtTempsTm"};
constexpr const char* kGreen1[] = {
    "Label5",  "Label6",  "Label7",  "Label10", "Label11", "Label12",        "Label13", "Label14",
    "Label15", "Label16", "Label17", "Label18", "Label20", "Label21",        "Label23", "Label24",
    "Label25", "Label26", "Label27", "Label28", "Label29", "LblPlageDosage1"};
constexpr const char* kWhite1[] = {"Label8", "Label9", "Label19", "Label22", "LblPrixDetail"};
constexpr const char* kLines1[] = {"Line1", "Line2", "Line3", "Line4", "Line6"};
constexpr Recolour kRecoloured1[] = {
    {kRanges1, kPrint, {kBlack, 0xC0FFC0}},      {kTimes1, kPrint, {kGreen, kBlack}},
    {kGreen1, kPrint, {kGreen, kBlack}},         {kWhite1, kPrint, {kWhite, kBlack}},
    {kLines1, {kBlack, kKeep}, {kGreen, kKeep}},
};
constexpr const char* kHidden1[] = {"CmdAideBet", "CmdCalcul",  "CmdEffacer", "CmdImprimer",
                                    "CmdInfo",    "CmdRetour1", "Line5"};
constexpr const char* kNoteButtons1[] = {"CmdQuitterInfo"};

// The mortar window; its frame lines keep their colour.
constexpr const char* kRanges3[] = {"Label1", "Label2", "Label3", "Label4"};
constexpr const char* kTimes3[] = {"TxtTempsTh3", "TxtTempsTm3"};
constexpr const char* kOptions3[] = {"OptDose1", "OptDose2", "OptDose3", "OptDose4"};
constexpr const char* kFrame3[] = {"Frame1"};
constexpr const char* kGreen3[] = {"Label5",  "Label6",  "Label7",  "Label9",  "Label10",
                                   "Label11", "Label12", "Label14", "Label15", "Label17",
                                   "Label18", "Label19", "Label21", "Label22", "Label23",
                                   "Label24", "Label25", "Lab13",   "Lbl12",   "LblPlageDosage"};
constexpr const char* kWhite3[] = {"Label8", "Label16", "Label20", "Lab12", "LblPrixDetail3"};
constexpr const char* kErrors3[] = {"LblErrCont2", "LblErrVolBet2"};
constexpr Recolour kRecoloured3[] = {
    {kRanges3, kPrint, {kBlack, 0xC0FFC0}},
    {kTimes3, kPrint, {kGreen, kBlack}},
    {kOptions3, kPrint, {kWhite, 0x004000}},
    {kFrame3, {kKeep, kPrintBackground}, {kKeep, 0x004000}},
    {kGreen3, kPrint, {kGreen, kBlack}},
    {kWhite3, kPrint, {kWhite, kBlack}},
    {kErrors3, kPrint, {kRed, kBlack}},
};
constexpr const char* kHidden3[] = {"CmdAideInfoMortier", "CmdCalcul2", "CmdEffacer2",
                                    "CmdImprimer2",       "CmdRetour2", "Line6"};

// The help windows keep their colours.
constexpr const char* kHiddenAideMenu[] = {"CmdImpAideMenu", "CmdQuitInfoMenu"};
constexpr const char* kHiddenAideBeton[] = {"CmdImpAideBeton", "CmdQuitAideBeton"};
constexpr const char* kHiddenAideMortier[] = {"CmdImpAideMortier", "CmdQuitInfoMortier"};

constexpr PrintLook kLooks[] = {
    {"Form1", kPrint, {kBlack, kBlack}, kRecoloured1, kHidden1, kNoteButtons1},
    {"Form3", kPrint, {kBlack, kBlack}, kRecoloured3, kHidden3, {}},
    {"FormAideMenu", {}, {}, {}, kHiddenAideMenu, {}},
    {"FormAideBeton", {}, {}, {}, kHiddenAideBeton, {}},
    {"FormAideMortier", {}, {}, {}, kHiddenAideMortier, {}},
};

// Every window with a print button has its look above.
const PrintLook& LookOf(const QWidget* window) {
    return *std::ranges::find_if(
        kLooks, [window](const PrintLook& look) { return window->objectName() == look.window; });
}

void Apply(QWidget* widget, const Colours& colours) {
    if (colours.fore != kKeep) {
        if (auto* line = qobject_cast<LineWidget*>(widget))
            line->setLineColor(ToColor(colours.fore));
        else
            SetForeground(widget, colours.fore);
    }
    if (colours.back != kKeep) SetBackground(widget, colours.back);
}

void RecolourAll(QWidget* window, const PrintLook& look, Colours Recolour::*colours) {
    for (const auto& row : look.recoloured)
        for (const char* name : row.controls) Apply(Child<QWidget>(window, name), row.*colours);
}

void Prepare(QWidget* window, const PrintLook& look) {
    Apply(window, look.windowPrint);
    RecolourAll(window, look, &Recolour::print);
    SetGroupVisible(window, look.hidden, false);
    SetGroupVisible(window, look.noteButtons, false);
}

// Back to the fixed screen colours, whatever the controls had before printing.
void Restore(QWidget* window, const PrintLook& look) {
    Apply(window, look.windowScreen);
    RecolourAll(window, look, &Recolour::screen);
    SetGroupVisible(window, look.hidden, true);
    SetGroupVisible(window, look.noteButtons, Module1::InfoNoteShown == 1);
}

// The keyboard focus and every text box's selection, taken away while the image is taken so
// that neither shows on paper nor moves when the buttons are hidden, then given back.
class FocusAndSelections {
  public:
    explicit FocusAndSelections(QWidget* window) : focus_(window->focusWidget()) {
        for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
            boxes_.push_back(
                {box, box->cursorPosition(), box->selectionStart(), box->selectionLength()});
            box->deselect();
        }
        if (focus_) focus_->clearFocus();
    }
    ~FocusAndSelections() {
        if (focus_) focus_->setFocus(Qt::OtherFocusReason);
        for (const Box& saved : boxes_) {
            if (!saved.box) continue;
            if (saved.length <= 0)
                saved.box->setCursorPosition(saved.cursor);
            else if (saved.cursor == saved.start)  // selected from right to left
                saved.box->setSelection(saved.start + saved.length, -saved.length);
            else
                saved.box->setSelection(saved.start, saved.length);
        }
    }
    FocusAndSelections(const FocusAndSelections&) = delete;
    FocusAndSelections& operator=(const FocusAndSelections&) = delete;

  private:
    struct Box {
        QPointer<QLineEdit> box;
        int cursor, start, length;
    };
    QPointer<QWidget> focus_;
    std::vector<Box> boxes_;
};

PrintFailureHandler& FailureHandler() {
    static PrintFailureHandler handler = OfferPdfInstead;
    return handler;
}

}  // namespace

void PrintWindow(QWidget* window, const QString& footnote) {
    const PrintLook& look = LookOf(window);
    bool printed = false;
    Page page{{}, footnote};
    {
        const FocusAndSelections kept(window);
        Prepare(window, look);
        page.image = window->grab().toImage();
        printed = windowPrinter().printPage(page);
        Restore(window, look);
    }
    if (!printed) FailureHandler()(window, page);
}

void setPrintFailureHandler(PrintFailureHandler handler) {
    FailureHandler() = handler ? std::move(handler) : OfferPdfInstead;
}

}  // namespace ui
