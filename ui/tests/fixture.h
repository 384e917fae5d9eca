// SPDX-License-Identifier: GPL-3.0-or-later
// The shared fixture of the widget tests: a fresh program per test, real clicks and key
// presses, and a watchdog that fails the test on an unexpected modal dialog.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "ui/program.h"
#include "ui/screen.h"

namespace ui {
class Form1;
class Form2;
}  // namespace ui

namespace ui::test {

class UiTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Each of the program's windows, or null when absent.
    static QWidget* Window(const char* name);
    static QWidget* Control(const char* window, const char* name);
    static QLineEdit* Box(const char* window, const char* name);
    static QLabel* Label(const char* window, const char* name);
    static Form1* Concrete();
    static Form2* Menu();

    static void Click(const char* window, const char* button);
    static void Type(const char* window, const char* box, const QString& text);
    // Lets deferred deletions and queued calls run.
    static void Settle();
    // A new program in place of the test's, started, with no event processed yet.
    static void Restart();

  private:
    QTimer watchdog_;
};

// The program of the running test.
Program& TheProgram();

// One of the six windows by name, or null when absent.
QWidget* ProgramWindow(const QString& name);

// Shown as the user sees it: inside a shown window and not hidden itself.
bool Shown(const QWidget* widget);

}  // namespace ui::test
