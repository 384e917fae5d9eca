// SPDX-License-Identifier: GPL-3.0-or-later
// What a user sees of results: the whole number in every box, even with the largest inputs and
// prices (measured with the box's own font), numbers typed with a decimal comma, and results
// never shown beside inputs or prices that the user changed since they were computed.
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>
#include <cmath>

#include "ui/tests/fixture.h"

namespace ui::test {
namespace {

// The text's advance in the box's font, plus the cursor, within the contents rectangle less
// the 2 pixels that a line edit keeps free on each side.
bool ShowsWholeText(const QLineEdit* box) {
    QStyleOptionFrame frame;
    frame.initFrom(box);
    frame.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, box);
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &frame, box);
    return std::ceil(QFontMetricsF(box->font()).horizontalAdvance(box->text())) + 1 <=
           contents.width() - 4;
}

// What is drawn inside a box's frame, in the box's coordinates.
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
            EXPECT_TRUE(!box->isVisible() || ShowsWholeText(box)) << box->objectName().toStdString() << " " << box->text().toStdString();
            EXPECT_EQ(box->geometry(), look.first);  // nothing moves
            if (box->font() == look.second) continue;
            const QRect ink = Ink(box);  // not closer to the left edge than to the right one
            EXPECT_GE(ink.left(), box->width() - 1 - ink.right()) << box->objectName().toStdString() << " " << box->text().toStdString() << " " << box->font().pointSizeF();
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
    Calculate("Form1", {"350,5", "1000", "0,5"});  // the decimal comma is read as the point
    EXPECT_EQ(Text("Form1", "TxtDosage") + Text("Form1", "TxtContenance") + Text("Form1", "TxtCimentTot"), "350,50,5" + Local("350,5"));
    Calculate("Form1", {"325", "1000", "100"});
    Open("Option2");
    Calculate("Form3", {"325", "1000", "100"});
    Play("Form1", {{"Form2.CmdEffacerP", "+TxtEauTot +Form3.TxtEau3"},  // not typed: results stay
                   {"Form2.TxtPrixSable=4", "-TxtEauTot -Form3.TxtEau3 TxtEauTot=180,6"},
                   {"CmdCalcul Form3.CmdCalcul2 TxtDosage=326", "-TxtEauTot +Form3.TxtEau3"},
                   {"CmdCalcul TxtVolume=999", "-TxtEauTot"},
                   {"CmdCalcul TxtContenance=99", "-TxtEauTot"},
                   {"Form3.TxtDosage2=326", "-Form3.TxtEau3"},
                   {"Form3.CmdCalcul2 Form3.TxtVolMortier=9", "-Form3.TxtEau3"},
                   {"Form3.CmdCalcul2 Form3.TxtContenance2=9", "-Form3.TxtEau3"},
                   {"Form3.CmdCalcul2 Form3.TxtDosage2=1 Form3.CmdCalcul2", "-Form3.TxtEau3"},
                   {"Form3.TxtDosage2=325 Form3.CmdCalcul2", "+Form3.TxtEau3"}});
}
// clang-format on

}  // namespace
}  // namespace ui::test
