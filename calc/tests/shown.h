// SPDX-License-Identifier: GPL-3.0-or-later
// Test helper: a shown text under both decimal separators.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "calc/number.h"

namespace calc_test {

// commaText is the text under French settings; with the decimal point only the separator differs.
inline void ExpectShown(double value, std::string_view pattern, std::string_view commaText) {
    std::string pointText(commaText);
    std::replace(pointText.begin(), pointText.end(), ',', '.');
    EXPECT_EQ(calc::FormatNumber(value, pattern, ','), commaText) << "pattern " << pattern;
    EXPECT_EQ(calc::FormatNumber(value, pattern, '.'), pointText) << "pattern " << pattern;
}

}  // namespace calc_test
