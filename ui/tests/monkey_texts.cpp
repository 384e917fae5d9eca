// SPDX-License-Identifier: GPL-3.0-or-later
// Texts for the monkey: a number near the box's range most of the time, junk otherwise.
#include "ui/tests/monkey_texts.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <cmath>

namespace ui::test {
namespace {

struct Range {
    double lower, upper;
};

const QHash<QString, Range>& BoxRanges() {
    static const QHash<QString, Range> ranges{
        {"TxtDosage", {150, 400}},          {"TxtVolume", {0.1, 100000}},
        {"TxtVolMortier", {0.1, 100000}},   {"TxtContenance", {0.1, 10000}},
        {"TxtContenance2", {0.1, 10000}},   {"TxtPrixCiment", {0, 800000}},
        {"TxtPrixSable", {0, 9000000}},     {"TxtPrixGravier", {0, 9000000}},
        {"TxtPrixTransport", {0, 9000000}},
    };
    return ranges;
}

double Uniform(Random& random, double lower, double upper) {
    return std::uniform_real_distribution<double>(lower, upper)(random);
}

// Wide ranges are drawn over their orders of magnitude, so that small volumes come up too.
double Inside(Random& random, const Range& range) {
    const double lower = std::max(range.lower, 0.01);
    if (range.upper < 100 * lower) return Uniform(random, range.lower, range.upper);
    return std::exp(Uniform(random, std::log(lower), std::log(range.upper)));
}

QString NumberFor(Random& random, const Range& range) {
    const int decimals = Pick(random, 3);
    switch (Pick(random, 5)) {
        case 0:
            return QString::number(range.lower, 'f', decimals);
        case 1:
            return QString::number(range.upper, 'f', decimals);
        case 2: {
            const double step = std::array{0.1, 0.5, 1.0}[Pick(random, 3)];
            const double outside = Pick(random, 2) ? range.upper + step : range.lower - step;
            return QString::number(outside, 'f', 1);
        }
        default:
            return QString::number(Inside(random, range), 'f', decimals);
    }
}

const QString kOddTexts[] = {
    "",
    "1e999",
    "-1e999",
    "1E308",
    "1e-999",
    "&HFFFFFFFF",
    "&hffffffffffffffffffffffff",
    "&O777",
    "&H",
    "&",
    "-0",
    "-0.0",
    "+350",
    "   ",
    " 3 5 0 ",
    "3,5",
    "350,5",
    "1,5E3",
    "1.5e3",
    ".",
    "-",
    "+",
    "e5",
    "1e",
    "1e+",
    "--5",
    "+-5",
    "5-",
    "1.2.3",
    "0x10",
    "nan",
    "inf",
    "-inf",
    "1.7976931348623157e308",
    "4.9e-324",
    "00000000000000000000000000000350",
    "99999999999999999999999999999999",
    QString::fromUtf8("é"),
    QString::fromUtf8("€12"),
    QString::fromUtf8("中文"),
    QString::fromUtf8("😀"),
    QString::fromUtf8("½"),
    QString::fromUtf8("١٢٣"),
    QString::fromUtf8("１２３"),
    QString::fromUtf8("3\u00A0500"),
    QString::fromUtf8("\u2212"
                      "5"),
    QString::fromUtf8("Dépassement"),
};

QString RandomChars(Random& random, const QString& alphabet, int length) {
    QString text;
    for (int i = 0; i < length; ++i) text += alphabet.at(Pick(random, int(alphabet.size())));
    return text;
}

}  // namespace

int Pick(Random& random, int count) {
    return std::uniform_int_distribution<int>(0, count - 1)(random);
}

QString Junk(Random& random) {
    switch (Pick(random, 4)) {
        case 0:
            return RandomChars(random, "0123456789.,eE+-& \tHhO", 1 + Pick(random, 12));
        case 1:
            return RandomChars(random, QString::fromUtf8("azAZ!?/*()[]{}#%éàç€ß"),
                               1 + Pick(random, 8));
        case 2:
            return QString(100 + Pick(random, 300), QChar('0' + Pick(random, 10)));
        default:
            return kOddTexts[Pick(random, int(std::size(kOddTexts)))];
    }
}

QString HugeText(Random& random) {
    const int length = std::array{1000, 32767, 40000}[Pick(random, 3)];
    return Pick(random, 2) ? QString(length, QChar('9'))
                           : RandomChars(random, "0123456789.e", length);
}

QString TextFor(Random& random, const QString& box, const calc::DosageRange& mortarRange) {
    if (Pick(random, 8) == 0) return Junk(random);
    if (box == "TxtDosage2") return NumberFor(random, {mortarRange.lower, mortarRange.upper});
    const auto range = BoxRanges().find(box);
    if (range != BoxRanges().end()) return NumberFor(random, *range);
    return Junk(random);
}

}  // namespace ui::test
