// SPDX-License-Identifier: GPL-3.0-or-later
// The print look of a window read from its rows (Print column), applied around the image sent
// to the printer; afterwards every row's own colours and visibility come back.
#include "ui/printing.h"

#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <vector>

#include "ui/line_widget.h"
#include "ui/look.h"
#include "ui/pdf_offer.h"

namespace ui {
namespace {

void Prepare(QWidget* window, const WindowDef& def) {
    if (def.printColours) {
        SetBackground(window, kPrintBackground);
        SetForeground(window, kBlack);
    }
    for (const ControlDef& row : def.controls) {
        QWidget* control = FindControl(window, row.name);
        switch (row.print) {
            case Print::Kept:
                break;
            case Print::Paper:
                SetForeground(control, kBlack);
                SetBackground(control, kPrintBackground);
                break;
            case Print::PaperBack:
                SetBackground(control, kPrintBackground);
                break;
            case Print::BlackLine:
                qobject_cast<LineWidget*>(control)->setLineColor(ToColor(kBlack));
                break;
            case Print::Hidden:
            case Print::NoteButton:
                control->hide();
                break;
        }
    }
}

// Back to the look of the rows, whatever the controls had before printing.
void Restore(QWidget* window, const WindowDef& def, bool noteOpen) {
    ApplyWindowColours(window, def);
    for (const ControlDef& row : def.controls) {
        QWidget* control = FindControl(window, row.name);
        if (row.print == Print::Hidden) control->show();
        if (row.print == Print::NoteButton) control->setVisible(noteOpen);
        if (row.print == Print::Paper || row.print == Print::PaperBack ||
            row.print == Print::BlackLine)
            ApplyRowColours(control, row);
    }
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

// The window as at its design size, whatever factor it is shown at and whatever the screen's
// pixel ratio: the same page from any screen.
QImage DesignImage(QWidget* window, const WindowDef& def) {
    const double factor = ScaleOf(window);
    if (factor != 1) LayOutControls(window, 1);
    QImage image(Px(def.width), Px(def.height), QImage::Format_RGB32);
    window->render(&image, QPoint(), QRegion(image.rect()));
    if (factor != 1) LayOutControls(window, factor);
    return image;
}

}  // namespace

void PrintWindow(QWidget* window, const WindowDef& def, const PrintRequest& request) {
    bool printed = false;
    Page page{{}, request.footnote};
    {
        const FocusAndSelections kept(window);
        Prepare(window, def);
        page.image = DesignImage(window, def);
        printed = windowPrinter().printPage(page);
        Restore(window, def, request.noteOpen);
    }
    if (!printed) OfferPdfInstead(window, page);
}

}  // namespace ui
