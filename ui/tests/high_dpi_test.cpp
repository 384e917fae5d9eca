// SPDX-License-Identifier: GPL-3.0-or-later
// High DPI: the program run on a 96-dpi screen and on denser ones, as separate processes
// (the scale is fixed when the application starts). The windows keep their sizes, are
// rendered with more device pixels, and every label breaks its lines at the same words.
#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <cmath>
#include <ostream>
#include <string>

namespace ui::test {
namespace {

struct Screen {
    const char* name;
    const char* config;       // offscreen screen configuration
    const char* scaleFactor;  // QT_SCALE_FACTOR, or null
    double dpr;               // device pixels per logical pixel expected
};

struct Report {
    double dpr = 0;
    QStringList windows;  // "Form1 612x575", logical sizes
    QStringList devices;  // the same windows as rendered, in device pixels
    QStringList labels;   // "Form1.Label1 0 71 ...", where each line starts
};

Report RunOn(const Screen& screen) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", QStringLiteral("offscreen:configfile=") + screen.config);
    if (screen.scaleFactor) env.insert("QT_SCALE_FACTOR", screen.scaleFactor);
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(KARVO_LINE_STARTS, {});
    EXPECT_TRUE(program.waitForFinished(30000)) << screen.name;
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    Report report;
    for (const QString& line : QString::fromUtf8(program.readAllStandardOutput()).split('\n')) {
        const QString rest = line.section(' ', 1);
        if (line.startsWith("dpr ")) report.dpr = rest.toDouble();
        if (line.startsWith("window ")) {
            report.windows << rest.section(' ', 0, 1);
            report.devices << rest.section(' ', 2);
        }
        if (line.startsWith("label ")) report.labels << rest;
    }
    return report;
}

// "Form1 612x575" at a device pixel ratio: "1224x1150".
std::string DeviceSize(const QString& window, double dpr) {
    const QString size = window.section(' ', 1);
    const long width = std::lround(size.section('x', 0, 0).toInt() * dpr);
    const long height = std::lround(size.section('x', 1).toInt() * dpr);
    return std::to_string(width) + "x" + std::to_string(height);
}

const Screen kBaseline = {"Dpi96", KARVO_SCREEN_CONFIG, nullptr, 1};

const Screen kScreens[] = {
    {"Dpi192", KARVO_SCREEN_CONFIG_192DPI, nullptr, 2},
    {"ScaleFactor2", KARVO_SCREEN_CONFIG, "2", 2},
    {"ScaleFactor1_5", KARVO_SCREEN_CONFIG, "1.5", 1.5},
};

void PrintTo(const Screen& screen, std::ostream* out) {
    *out << screen.name;
}

class HighDpiTest : public ::testing::TestWithParam<Screen> {
  protected:
    static void SetUpTestSuite() { baseline_ = RunOn(kBaseline); }
    static Report baseline_;
};

Report HighDpiTest::baseline_;

TEST(HighDpiBaselineTest, ReportsEveryWindowAndTheHelpTextsLines) {
    const Report report = RunOn(kBaseline);
    EXPECT_EQ(report.dpr, 1);
    EXPECT_EQ(report.windows.size(), 6);
    const QStringList help =
        report.labels.filter(QRegularExpression("^FormAideBeton.LblAideBeton "));
    ASSERT_EQ(help.size(), 1);
    EXPECT_GT(help.front().split(' ').size(), 20);  // the concrete help text has over 20 lines
}

TEST_P(HighDpiTest, SameSizesSameLineBreaksMoreDevicePixels) {
    const Report scaled = RunOn(GetParam());
    EXPECT_EQ(scaled.dpr, GetParam().dpr);
    EXPECT_EQ(scaled.windows, baseline_.windows);
    EXPECT_EQ(scaled.labels, baseline_.labels);
    ASSERT_EQ(scaled.devices.size(), scaled.windows.size());
    for (int i = 0; i < scaled.windows.size(); ++i)
        EXPECT_EQ(scaled.devices[i].toStdString(), DeviceSize(scaled.windows[i], GetParam().dpr))
            << scaled.windows[i].toStdString();
}

INSTANTIATE_TEST_SUITE_P(Screens, HighDpiTest, ::testing::ValuesIn(kScreens),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ui::test
