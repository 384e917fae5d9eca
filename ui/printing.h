// SPDX-License-Identifier: GPL-3.0-or-later
// Printing a window as displayed: its buttons hidden and, on a calculator, its print colours,
// all read from the rows of its table; the page goes to the installed WindowPrinter, then each
// control gets back the look its row gives.
#pragma once

#include <QString>

#include "ui/screen.h"
#include "ui/window_printer.h"

class QWidget;

namespace ui {

struct PrintRequest {
    QString footnote;       // printed under the image; none when empty
    bool noteOpen = false;  // the information note is open: its button comes back afterwards
};

// Prints a window built from def; on failure the window is restored, then a PDF file is offered
// instead (OfferPdfInstead).
void PrintWindow(QWidget* window, const WindowDef& def, const PrintRequest& request);

}  // namespace ui
