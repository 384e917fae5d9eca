// SPDX-License-Identifier: GPL-3.0-or-later
// The fixture of the widget tests: a fresh program per test driven by real clicks and key
// presses, a printer that keeps what it is given instead of the system's, and a watchdog that
// fails the test on an unexpected modal dialog or gives it to the test's answer.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <array>
#include <functional>
#include <utility>
#include <vector>

#include "ui/program.h"
#include "ui/screen.h"
#include "ui/window_printer.h"

namespace ui::test {

// A page as the printer received it, with the control that had the focus and the text boxes
// that had a selection at that moment.
struct Printed {
    Page page;
    QString focus;
    QStringList selected;
};

QWidget* ProgramWindow(const QString& name);        // of the running test's program
double Contrast(const QColor& a, const QColor& b);  // WCAG's ratio, from 1 to 21

class UiTest : public ::testing::Test {
  public:
    static std::vector<Printed>& Prints() {  // since the test started
        static std::vector<Printed> prints;
        return prints;
    }
    // Qt's warnings since the test started: a test that leaves one fails.
    static QStringList& Warnings() {
        static QStringList warnings;
        return warnings;
    }

  protected:
    void SetUp() override;
    void TearDown() override;

    static QWidget* Window(const char* name) { return ProgramWindow(name); }  // null when absent
    static QWidget* Control(const char* window, const char* name);
    static QString Text(const char* window, const char* box) {
        return qobject_cast<QLineEdit*>(Control(window, box))->text();
    }
    // Not hidden itself, whether its window is shown or not.
    static bool Shown(const char* window, const char* control) {
        return Control(window, control)->isVisibleTo(Window(window));
    }
    static void Click(const char* window, const char* button);
    static void Type(const char* window, const char* box, const QString& text);
    // The prices cement, sand, gravel, transport; a calculator chosen on the menu and opened;
    // a calculator's dosage, volume, capacity and "CALCULS".
    static void Prices(const std::array<const char*, 4>& prices);
    static void Open(const char* option) { Click("Form2", option), Click("Form2", "CmdOk"); }
    static void Calculate(const char* window, const std::array<const char*, 3>& inputs);
    // A user's steps on a window and what it shows after each, one line a step. Actions:
    // "Box=text" types (spaces as "_"), "Button" clicks. Expectations: "+Control" shown,
    // "-Control" hidden, "Control=text" its text (in a box, a decimal comma is the locale's),
    // "Label#RRGGBB" its text colour, "+Form1" / "-Form1" a window shown / hidden or absent.
    // "Form2.Name" names a control of another window; "*Form1" brings a window to the front as
    // an action, and as an expectation says it is in front.
    using Step = std::pair<const char*, const char*>;  // actions, then what is expected
    static void Play(const char* window, std::initializer_list<Step> steps);
    static void Settle();   // lets deferred deletions and queued calls run
    static void Restart();  // a new program, started, no event processed yet
    // A French text ("173,04") with the decimal separator of the locale the test runs under.
    static QString Local(const QString& frenchText);

    // From now on a modal dialog is given to `answer` instead of failing the test.
    void Answer(std::function<void(QWidget* dialog)> answer) { answer_ = std::move(answer); }

  private:
    QTimer watchdog_;
    std::function<void(QWidget*)> answer_;
};

}  // namespace ui::test

// A failed comparison shows a QString as its text, not as bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
