// SPDX-License-Identifier: GPL-3.0-or-later
// What a user sees of results: the whole number in every box, even with the largest inputs and
// prices (measured with the box's own font), and never beside inputs or prices that the user
// changed since the results were computed.
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
    frame.rect = box->rect();
    frame.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, box);
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &frame, box);
    const double advance = QFontMetricsF(box->font()).horizontalAdvance(box->text());
    return std::ceil(advance) + 1 <= contents.width() - 4;
}

struct Extreme {
    const char* window;
    const char* option;  // on the menu
    std::array<const char*, 3> boxes;
    std::array<const char*, 3> largest;
    std::array<const char*, 3> ordinary;
};

const Extreme kExtremes[] = {
    {"Form1",
     "Option1",
     {"TxtDosage", "TxtVolume", "TxtContenance"},
     {"400", "100000", "0.1"},
     {"350", "1000", "150"}},
    {"Form1",
     "Option1",
     {"TxtDosage", "TxtVolume", "TxtContenance"},
     {"400", "100000", "6"},
     {"350", "1000", "150"}},
    {"Form3",
     "Option2",
     {"TxtDosage2", "TxtVolMortier", "TxtContenance2"},
     {"350", "100000", "0.1"},
     {"325", "1000", "100"}},
};

TEST_F(UiTest, EveryResultBoxShowsItsWholeTextWithTheLargestInputsAndPrices) {
    for (const auto& [box, price] : {std::pair{"TxtPrixCiment", "800000"},
                                     {"TxtPrixSable", "9000000"},
                                     {"TxtPrixGravier", "9000000"},
                                     {"TxtPrixTransport", "9000000"}})
        Type("Form2", box, price);
    for (const Extreme& extreme : kExtremes) {
        SCOPED_TRACE(extreme.largest[2]);
        Click("Form2", extreme.option);
        Click("Form2", "CmdOk");
        QList<QLineEdit*> boxes = Window(extreme.window)->findChildren<QLineEdit*>();
        QMap<QLineEdit*, QPair<QRect, QFont>> before;
        for (QLineEdit* box : boxes) before[box] = {box->geometry(), box->font()};
        for (int i = 0; i < 3; ++i) Type(extreme.window, extreme.boxes[i], extreme.largest[i]);
        Click(extreme.window,
              extreme.window == QLatin1String("Form1") ? "CmdCalcul" : "CmdCalcul2");
        int shrunk = 0;
        for (QLineEdit* box : boxes) {
            if (!box->isVisible()) continue;
            EXPECT_TRUE(ShowsWholeText(box))
                << qPrintable(box->objectName()) << " " << qPrintable(box->text());
            EXPECT_EQ(box->geometry(), before[box].first) << qPrintable(box->objectName());
            shrunk += box->font() != before[box].second;
        }
        EXPECT_GT(shrunk, 0);
        for (int i = 0; i < 3; ++i) Type(extreme.window, extreme.boxes[i], extreme.ordinary[i]);
        Click(extreme.window,
              extreme.window == QLatin1String("Form1") ? "CmdCalcul" : "CmdCalcul2");
        for (QLineEdit* box : boxes)
            EXPECT_EQ(box->font(), before[box].second) << qPrintable(box->objectName());
        Click(extreme.window,
              extreme.window == QLatin1String("Form1") ? "CmdRetour1" : "CmdRetour2");
    }
}

struct Calculator {
    const char* window;
    const char* option;
    const char* calculate;
    std::array<const char*, 3> inputs;
    const char* shownResult;
};

const Calculator kCalculators[] = {
    {"Form1", "Option1", "CmdCalcul", {"TxtDosage", "TxtVolume", "TxtContenance"}, "TxtEauTot"},
    {"Form3",
     "Option2",
     "CmdCalcul2",
     {"TxtDosage2", "TxtVolMortier", "TxtContenance2"},
     "TxtEau3"},
};

TEST_F(UiTest, ResultsHideWhenTheUserChangesAnInputOrAPriceAndOnlyThen) {
    for (const Calculator& c : kCalculators) {
        SCOPED_TRACE(c.window);
        Click("Form2", c.option);
        Click("Form2", "CmdOk");
        const auto calculate = [&] {
            Type(c.window, c.inputs[0], "325");
            Type(c.window, c.inputs[1], "1000");
            Type(c.window, c.inputs[2], "100");
            Click(c.window, c.calculate);
            ASSERT_TRUE(Control(c.window, c.shownResult)->isVisible());
        };
        for (const char* input : c.inputs) {
            calculate();
            QTest::keyClick(Box(c.window, input), Qt::Key_0);
            EXPECT_FALSE(Control(c.window, c.shownResult)->isVisible()) << input;
            EXPECT_FALSE(Box(c.window, c.shownResult)->text().isEmpty()) << input;
        }
        calculate();
        QTest::keyClick(Box("Form2", "TxtPrixTransport"), Qt::Key_5);
        EXPECT_FALSE(Control(c.window, c.shownResult)->isVisible());
        calculate();
        Click("Form2", "CmdEffacerP");  // not the user's typing: results stay
        EXPECT_TRUE(Control(c.window, c.shownResult)->isVisible());
        Type(c.window, c.inputs[0], "1");
        Click(c.window, c.calculate);  // the refusal empties the box
        Type(c.window, c.inputs[0], "325");
        Click(c.window, c.calculate);
        EXPECT_TRUE(Control(c.window, c.shownResult)->isVisible());
        Click(c.window, c.window == QLatin1String("Form1") ? "CmdRetour1" : "CmdRetour2");
    }
}

TEST_F(UiTest, APriceTypedOnTheMenuHidesTheResultsOfBothCalculators) {
    for (const Calculator& c : kCalculators) {
        Click("Form2", c.option);
        Click("Form2", "CmdOk");
        Type(c.window, c.inputs[0], "325");
        Type(c.window, c.inputs[1], "1000");
        Type(c.window, c.inputs[2], "100");
        Click(c.window, c.calculate);
    }
    const auto shown = [](const Calculator& c) {
        return Control(c.window, c.shownResult)->isVisibleTo(Window(c.window));
    };
    for (const Calculator& c : kCalculators) ASSERT_TRUE(shown(c)) << c.window;
    Type("Form2", "TxtPrixCiment", "7,25");
    for (const Calculator& c : kCalculators) EXPECT_FALSE(shown(c)) << c.window;
}

}  // namespace
}  // namespace ui::test
