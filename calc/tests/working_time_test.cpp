// SPDX-License-Identifier: GPL-3.0-or-later
// Splitting a working time into whole hours and whole minutes.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

#include "calc/number.h"
#include "calc/working_time.h"

namespace {

using calc::SplitMinutes;

struct TimeCase {
    const char* name;
    double totalMinutes;
    double hours;
    double minutes;
};

void PrintTo(const TimeCase& c, std::ostream* os) {
    *os << c.name;
}

class SplitMinutesTest : public ::testing::TestWithParam<TimeCase> {};

TEST_P(SplitMinutesTest, TruncatesToWholeMinutes) {
    const TimeCase& c = GetParam();
    const calc::WorkingTime time = SplitMinutes(c.totalMinutes);
    EXPECT_EQ(time.hours, c.hours);
    EXPECT_EQ(time.minutes, c.minutes);
}

INSTANTIATE_TEST_SUITE_P(
    SplitMinutes, SplitMinutesTest,
    ::testing::Values(
        TimeCase{"ExactlySixtyOne", 61, 1, 1},
        TimeCase{"JustBelowSixtyOneByRounding", std::nextafter(61.0, 0.0), 1, 1},
        TimeCase{"FortyThreePointTwo", 43.2, 0, 43}, TimeCase{"LongJob", 273.199, 4, 33},
        TimeCase{"FortyFourPointFortyFour", 44.44, 0, 44}, TimeCase{"OneCycle", 3, 0, 3},
        TimeCase{"TwentySeven", 27.32, 0, 27}, TimeCase{"WholeHour", 60, 1, 0},
        TimeCase{"LastSecondsNotRoundedUp", 59.99, 0, 59},
        TimeCase{"HalfSecondShortNotRoundedUp", 119.99, 1, 59}, TimeCase{"Zero", 0, 0, 0},
        TimeCase{"LongestAcceptedJob", 4320000, 72000, 0},
        TimeCase{"LongestJobJustBelowByRounding", std::nextafter(4320003.0, 0.0), 72000, 3}),
    [](const ::testing::TestParamInfo<TimeCase>& info) { return std::string(info.param.name); });

TEST(SplitMinutesExtremes, HugeTotalGivesWholeMinutesBelowAnHour) {
    const calc::WorkingTime time = SplitMinutes(1e300);
    EXPECT_GE(time.minutes, 0);
    EXPECT_LT(time.minutes, 60);
    EXPECT_EQ(time.minutes, std::floor(time.minutes));
    EXPECT_DOUBLE_EQ(time.hours, 1e300 / 60);
}

TEST(SplitMinutesExtremes, InfiniteTotalShowsOverflow) {
    const calc::WorkingTime time = SplitMinutes(std::numeric_limits<double>::infinity());
    EXPECT_EQ(calc::FormatNumber(time.hours, "####0", ','), calc::kOverflowText);
    EXPECT_EQ(calc::FormatNumber(time.minutes, "##0", ','), calc::kOverflowText);
}

}  // namespace
