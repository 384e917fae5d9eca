// The installed window printer, and the two Qt Print Support outputs of a window's image:
// the default printer (no dialog) and a PDF file, both as one page scaled to fit.
#include "ui/window_printer.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace ui {
namespace {

// Draws the image as large as the page allows, keeping its proportions.
bool PaintPage(QPrinter& printer, const QImage& image) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect page = painter.viewport();
    QSize size = image.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(page.x(), page.y(), size.width(), size.height());
    painter.setWindow(image.rect());
    painter.drawImage(0, 0, image);
    return painter.end() && printer.printerState() != QPrinter::Error;
}

class SystemPrinter : public WindowPrinter {
  public:
    bool printImage(const QImage& image) override {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) return false;
        QPrinter printer(info, QPrinter::HighResolution);
        printer.setDocName(QStringLiteral("Karvo"));
        return PaintPage(printer, image);
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

bool WritePdf(const QImage& image, const QString& fileName) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    return PaintPage(printer, image);
}

}  // namespace ui
