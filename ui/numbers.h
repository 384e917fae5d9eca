// Numbers between the boxes and the calculations: typed texts are read with calc::ReadTyped,
// results are shown with their pattern and the user's regional decimal separator.
#pragma once

#include <QString>
#include <string_view>

class QLineEdit;

namespace ui {

// The decimal separator of the system locale (LC_NUMERIC / LANG), "," for a French user.
char DecimalSeparator();

double ReadNumber(const QLineEdit* box);

QString ShowNumber(double value, std::string_view pattern);

}  // namespace ui
