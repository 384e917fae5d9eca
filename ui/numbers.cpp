// Reading boxes and writing results, the only place where the locale is consulted.
#include "ui/numbers.h"

#include <QLineEdit>
#include <QLocale>

#include "calc/calc.h"

namespace ui {

char DecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    // A separator outside ASCII cannot be written by the patterns: fall back to the point.
    return point.size() == 1 && point.at(0).unicode() < 0x80 ? point.at(0).toLatin1() : '.';
}

double ReadNumber(const QLineEdit* box) {
    return calc::ReadTyped(box->text().toStdString());
}

QString ShowNumber(double value, std::string_view pattern) {
    return QString::fromStdString(calc::FormatNumber(value, pattern, DecimalSeparator()));
}

}  // namespace ui
