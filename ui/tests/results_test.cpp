// SPDX-License-Identifier: GPL-3.0-or-later
// What a user sees of results: the whole number in every box, even with the largest inputs and
// prices, on the baseline and within the margins of the box's own font, and results
// never shown beside inputs or prices that the user changed since they were computed.

#include "ui/tests/fixture.h"

namespace ui::test {
namespace {

// What is drawn inside a box's frame, in the box's coordinates: a text scrolled to show its end
// is cut at the frame, a whole one starts at least 3 pixels in.
QRect Ink(QLineEdit* box) {
    const QImage image = box->grab().toImage();
    QRect ink;
    for (int y = 2; y < image.height() - 2; ++y)
        for (int x = 2; x < image.width() - 2; ++x)
            if (image.pixel(x, y) != box->palette().color(QPalette::Base).rgb())
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// clang-format off
TEST_F(UiTest, EveryResultBoxShowsItsWholeTextWithTheLargestInputsAndPrices) {
    Prices({"800000", "9000000", "9000000", "9000000"});
    const char* const cases[][5] = {{"Option1", "Form1", "400", "100000", "0,1"}, {"Option1", "Form1", "400", "100000", "6"}, {"Option2", "Form3", "350", "100000", "0.1"}};
    for (const auto& [option, window, dosage, volume, contenance] : cases) {
        Open(option);
        std::map<QLineEdit*, std::pair<QRect, QFont>> before;
        for (QLineEdit* box : Window(window)->findChildren<QLineEdit*>()) before[box] = {box->geometry(), box->font()};
        Calculate(window, {dosage, volume, contenance});
        std::map<QLineEdit*, int> baselines;  // of the shrunk texts without a decimal separator
        for (const auto& [box, look] : before) {
            EXPECT_EQ(box->geometry(), look.first);  // nothing moves
            const QRect ink = box->isVisible() ? Ink(box) : QRect(3, 0, 1, 1);
            EXPECT_GE(ink.left(), 3) << box->objectName().toStdString() << " " << box->text().toStdString();
            if (box->font() == look.second) continue;  // shrunk: not closer to the left edge than to the right one
            EXPECT_GE(ink.left(), box->width() - 1 - ink.right()) << box->objectName().toStdString();
            if (box->text().toInt()) baselines[box] = ink.bottom();
        }
        EXPECT_FALSE(baselines.empty()) << contenance;
        Calculate(window, {"350", "1000", "150"});  // ordinary results: every box's own font
        for (const auto& [box, look] : before) EXPECT_EQ(box->font(), look.second) << box->objectName().toStdString();
        for (const auto& [box, baseline] : baselines) EXPECT_EQ(Ink(box).bottom(), baseline) << box->objectName().toStdString();
    }
}

TEST_F(UiTest, ResultsHideWhenTheUserChangesAnInputOrAPriceAndOnlyThen) {
    Open("Option1");
    Calculate("Form1", {"325", "1000", "100"});
    Open("Option2");
    Calculate("Form3", {"325", "1000", "100"});
    Play("Form1", {{"Form2.CmdEffacerP", "+TxtEauTot +Form3.TxtEau3"},  // not typed: results stay
                   {"Form2.TxtPrixSable=4", "-TxtEauTot -Form3.TxtEau3 TxtEauTot=180,6"},
                   {"CmdCalcul Form3.CmdCalcul2 TxtDosage=326", "-TxtEauTot +Form3.TxtEau3"},  // the monkey edits every box
                   {"Form3.TxtContenance2=9", "-Form3.TxtEau3"}});
}
// clang-format on

}  // namespace
}  // namespace ui::test
