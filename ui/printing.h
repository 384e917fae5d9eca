// SPDX-License-Identifier: GPL-3.0-or-later
// Printing a window as displayed: its buttons hidden and, on a calculator, its print colours,
// all read from the rows of its table; the page goes to the installed WindowPrinter, then each
// control gets back the look its row gives.
#pragma once

#include <QString>
#include <functional>

#include "ui/screen.h"
#include "ui/window_printer.h"

class QWidget;

namespace ui {

struct PrintRequest {
    QString footnote;       // printed under the image; none when empty
    bool noteOpen = false;  // the information note is open: its button comes back afterwards
};

// Prints a window built from def; on failure the window is restored, then the failure handler
// runs.
void PrintWindow(QWidget* window, const WindowDef& def, const PrintRequest& request);

// Runs after a failed print, once the window has its screen look back, with the page that
// was not printed.
using PrintFailureHandler = std::function<void(QWidget* window, const Page& page)>;

// Installs another failure handler; null puts back the program's own, OfferPdfInstead.
void setPrintFailureHandler(PrintFailureHandler handler);

}  // namespace ui
