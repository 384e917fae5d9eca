// SPDX-License-Identifier: GPL-3.0-or-later
// The installed window printer, and the two Qt Print Support outputs of a page: the default
// printer (no dialog) and a PDF file, both with the image scaled to fit above its footnote.
#include "ui/window_printer.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "ui/look.h"

namespace ui {

void DrawPage(QPainter& painter, const QRect& paper, const Page& page) {
    const QFont small = ArialFont(8, false, false);
    painter.setFont(small);
    const int footnoteHeight =
        page.footnote.isEmpty() ? 0 : 2 * QFontMetrics(small, painter.device()).height();
    QSize size = page.image.size();
    size.scale(paper.width(), paper.height() - footnoteHeight, Qt::KeepAspectRatio);
    const QRect picture(paper.topLeft(), size);
    painter.drawImage(picture, page.image);
    const QRect below(picture.left(), picture.bottom() + footnoteHeight / 2, paper.width(),
                      footnoteHeight);
    painter.drawText(below, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, page.footnote);
}

namespace {

bool PaintPage(QPrinter& printer, const Page& page) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    DrawPage(painter, painter.viewport(), page);
    return painter.end() && printer.printerState() != QPrinter::Error;
}

class SystemPrinter : public WindowPrinter {
  public:
    bool printPage(const Page& page) override {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) return false;
        QPrinter printer(info, QPrinter::HighResolution);
        printer.setDocName(QStringLiteral("Karvo"));
        return PaintPage(printer, page);
    }
};

std::unique_ptr<WindowPrinter>& Installed() {
    static std::unique_ptr<WindowPrinter> printer;
    return printer;
}

}  // namespace

std::unique_ptr<WindowPrinter> MakeSystemPrinter() {
    return std::make_unique<SystemPrinter>();
}

void setWindowPrinter(std::unique_ptr<WindowPrinter> printer) {
    Installed() = std::move(printer);
}

WindowPrinter& windowPrinter() {
    std::unique_ptr<WindowPrinter>& printer = Installed();
    if (!printer) printer = MakeSystemPrinter();
    return *printer;
}

bool WritePdf(const Page& page, const QString& fileName) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    return PaintPage(printer, page);
}

}  // namespace ui
