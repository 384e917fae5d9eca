// SPDX-License-Identifier: GPL-3.0-or-later
// Reading boxes and writing results, the only place where the locale is consulted.
#include "ui/numbers.h"

#include <QDate>
#include <QLineEdit>
#include <QLocale>
#include <QStringList>

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

QString PricesFootnote(const calc::MaterialPrices& prices, bool withGravel, const QDate& day) {
    // A price as typed: its decimals when it has some, none otherwise.
    const auto price = [](double value) { return ShowNumber(value, "0.##########"); };
    QStringList parts{QStringLiteral("ciment %1 le sac de 35 kg").arg(price(prices.PrixCiment)),
                      QStringLiteral("sable %1 le m3").arg(price(prices.PrixSable))};
    if (withGravel) parts << QStringLiteral("gravier %1 le m3").arg(price(prices.PrixGravier));
    parts << QStringLiteral("transport %1").arg(price(prices.PrixTransport));
    const QString date =
        QLocale(QLocale::French, QLocale::France).toString(day, QStringLiteral("d MMMM yyyy"));
    return QString::fromUtf8("Prix : %1 — imprimé le %2")
        .arg(parts.join(QStringLiteral(", ")), date);
}

}  // namespace ui
