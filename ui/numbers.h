// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers between the boxes and the calculations: typed texts are read with calc::ReadTyped,
// results are shown with their pattern and the user's regional decimal separator.
#pragma once

#include <QString>
#include <string_view>

#include "calc/prices.h"

class QDate;
class QLineEdit;

namespace ui {

// The decimal separator of the system locale (LC_NUMERIC / LANG), "," for a French user.
char DecimalSeparator();

double ReadNumber(const QLineEdit* box);

QString ShowNumber(double value, std::string_view pattern);

// The line printed under a calculator: the prices its results were computed with (gravel only
// where it counts) and the day of printing, in French.
QString PricesFootnote(const calc::MaterialPrices& prices, bool withGravel, const QDate& day);

}  // namespace ui
