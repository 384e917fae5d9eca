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
#include "ui/screen.h"

namespace {

ui::Program* program = nullptr;

QWidget* Window(const char* name) {
    return program->Window(QLatin1String(name));
}

void Type(QWidget* window, const char* box, const char* text) {
    ui::Find<QLineEdit>(window, box)->setText(QString::fromLatin1(text));
}

void Press(QWidget* window, const char* button) {
    QTest::mouseClick(ui::Find<QAbstractButton>(window, button), Qt::LeftButton);
}

void OpenWithPrices(const char* option) {
    QWidget* menu = Window("Form2");
    for (const char* box : {"TxtPrixCiment", "TxtPrixSable", "TxtPrixGravier", "TxtPrixTransport"})
        Type(menu, box, "40");
    Press(menu, option);
    Press(menu, "CmdOk");
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
    OpenWithPrices("Option1");
    QWidget* concrete = Window("Form1");
    Type(concrete, "TxtDosage", "350");
    Type(concrete, "TxtVolume", "1000");
    Type(concrete, "TxtContenance", "150");
    PressUntilDone(state, concrete, "CmdCalcul", "TxtPrixAchat");
}
BENCHMARK(BM_ConcreteCalculs)->Unit(benchmark::kMicrosecond);

void BM_MortarCalculs(benchmark::State& state) {
    OpenWithPrices("Option2");
    QWidget* mortar = Window("Form3");
    Type(mortar, "TxtDosage2", "325");
    Type(mortar, "TxtVolMortier", "1000");
    Type(mortar, "TxtContenance2", "100");
    PressUntilDone(state, mortar, "CmdCalcul2", "TxtPrixAchat3");
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
