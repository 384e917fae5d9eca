// SPDX-License-Identifier: GPL-3.0-or-later
// Where a window's image goes when it is printed: one replaceable printer for the program,
// by default the system's default printer through Qt Print Support, no dialog. A page is the
// image, as large as the paper allows, with an optional line of small type under it.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <memory>

class QPainter;

namespace ui {

struct Page {
    QImage image;
    QString footnote;  // none when empty
};

class WindowPrinter {
  public:
    virtual ~WindowPrinter() = default;

    // Returns once the page is taken; true only when it went to the printer.
    virtual bool printPage(const Page& page) = 0;
};

// The system's default printer; fails when there is none or it refuses the page.
std::unique_ptr<WindowPrinter> MakeSystemPrinter();

// Installs the printer every print handler uses; null puts the system printer back.
void setWindowPrinter(std::unique_ptr<WindowPrinter> printer);
WindowPrinter& windowPrinter();

// Draws the page on a painter's device: the image as large as the paper allows, keeping its
// proportions, the footnote half a line under it.
void DrawPage(QPainter& painter, const QRect& paper, const Page& page);

// Writes the page into a PDF file; false when it cannot.
bool WritePdf(const Page& page, const QString& fileName);

}  // namespace ui
