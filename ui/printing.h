// Printing a window as displayed: its buttons hidden and, on a calculator, its print colours;
// the image goes to the installed WindowPrinter, then the fixed screen look comes back.
#pragma once

#include <QImage>
#include <functional>

class QWidget;

namespace ui {

// Prints one of the five windows with a print button (Form1, Form3 and the three help
// windows), known by its name; on failure the window is restored, then the failure handler
// runs.
void PrintWindow(QWidget* window);

// Runs after a failed print, once the window has its screen look back, with the image that
// was not printed.
using PrintFailureHandler = std::function<void(QWidget* window, const QImage& image)>;

// Installs another failure handler; null puts back the program's own, OfferPdfInstead.
void setPrintFailureHandler(PrintFailureHandler handler);

}  // namespace ui
