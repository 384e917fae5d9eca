// Printing a window as displayed: its buttons hidden and, on a calculator, its print colours;
// the image goes to the installed WindowPrinter, then the fixed screen look comes back.
#pragma once

#include <QString>
#include <functional>

#include "ui/window_printer.h"

class QWidget;

namespace ui {

// Prints one of the five windows with a print button (Form1, Form3 and the three help
// windows), known by its name, with the footnote under its image; on failure the window is
// restored, then the failure handler runs.
void PrintWindow(QWidget* window, const QString& footnote = {});

// Runs after a failed print, once the window has its screen look back, with the page that
// was not printed.
using PrintFailureHandler = std::function<void(QWidget* window, const Page& page)>;

// Installs another failure handler; null puts back the program's own, OfferPdfInstead.
void setPrintFailureHandler(PrintFailureHandler handler);

}  // namespace ui
