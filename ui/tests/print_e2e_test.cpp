// SPDX-License-Identifier: GPL-3.0-or-later
// Printing for real: run by scripts/print-e2e.sh, skipped otherwise.
#include "ui/printing.h"
#include "ui/tests/fixture.h"

namespace ui::test {
namespace {

using PrintE2E = UiTest;

// Run by scripts/print-e2e.sh with a CUPS queue as the default printer: the page goes through
// the program's own printer, the system's, and lands as a PDF file that the script reads.
TEST_F(PrintE2E, TheConcreteWindowGoesToTheSystemsDefaultPrinter) {
    if (qEnvironmentVariableIsEmpty("KARVO_PRINT_E2E")) GTEST_SKIP() << "run by print-e2e.sh";
    setWindowPrinter(nullptr);
    setPrintFailureHandler([](QWidget*, const Page&) { ADD_FAILURE() << "the print failed"; });
    Prices({"7,25", "40", "35", "60"});
    Open("Option1");
    Calculate("Form1", {"350", "1000", "150"});
    Click("Form1", "CmdImprimer");
    setPrintFailureHandler(nullptr);
}

}  // namespace
}  // namespace ui::test
