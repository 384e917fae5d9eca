// SPDX-License-Identifier: GPL-3.0-or-later
// Time of one press of "CALCULS" on each calculator, through the real widgets offscreen:
// the click, the checks, the calculation, the 19 or 15 boxes written and the repaint.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "ui/look.h"
#include "ui/program.h"
#include "ui/screens.h"

namespace {

ui::Program* program = nullptr;

QWidget* Window(const ui::WindowDef& def) {
    return program->Window(QLatin1String(def.name));
}

void Type(QWidget* window, const char* box, const char* text) {
    ui::Find<QLineEdit>(window, box)->setText(QString::fromLatin1(text));
}

void Press(QWidget* window, const char* button) {
    QTest::mouseClick(ui::Find<QAbstractButton>(window, button), Qt::LeftButton);
}

void OpenWithPrices(const char* option) {
    QWidget* menu = Window(ui::form2::kWindow);
    for (const char* box : ui::form2::kPriceBoxes) Type(menu, box, "40");
    Press(menu, option);
    Press(menu, ui::form2::Control<"CmdOk">);
}

void PressUntilDone(benchmark::State& state, QWidget* window, const char* button,
                    const char* resultBox) {
    for (auto _ : state) {
        Press(window, button);
        QCoreApplication::processEvents();  // the repaint of what changed
    }
    if (ui::Find<QLineEdit>(window, resultBox)->text().isEmpty())
        state.SkipWithError("no result shown");
}

void BM_ConcreteCalculs(benchmark::State& state) {
    using namespace ui::form1;
    OpenWithPrices(ui::form2::Control<"Option1">);
    QWidget* concrete = Window(kWindow);
    Type(concrete, Control<"TxtDosage">, "350");
    Type(concrete, Control<"TxtVolume">, "1000");
    Type(concrete, Control<"TxtContenance">, "150");
    PressUntilDone(state, concrete, Control<"CmdCalcul">, Control<"TxtPrixAchat">);
}
BENCHMARK(BM_ConcreteCalculs)->Unit(benchmark::kMicrosecond);

void BM_MortarCalculs(benchmark::State& state) {
    using namespace ui::form3;
    OpenWithPrices(ui::form2::Control<"Option2">);
    QWidget* mortar = Window(kWindow);
    Type(mortar, Control<"TxtDosage2">, "325");
    Type(mortar, Control<"TxtVolMortier">, "1000");
    Type(mortar, Control<"TxtContenance2">, "100");
    PressUntilDone(state, mortar, Control<"CmdCalcul2">, Control<"TxtPrixAchat3">);
}
BENCHMARK(BM_MortarCalculs)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ui::InitApplication();
    ui::Program owner;
    program = &owner;
    owner.Start();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
