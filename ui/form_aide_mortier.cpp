// The help window of the mortar window, anchored to it.
#include "ui/form_aide_mortier.h"

#include <QPushButton>

#include "ui/form3.h"
#include "ui/printing.h"
#include "ui/program.h"
#include "ui/screens.h"

namespace ui {

FormAideMortier::FormAideMortier()
    : HelpWindow(AideMortierScreen(), MortarWindow(), "CmdImpAideMortier", "CmdQuitInfoMortier") {
    connect(printButton(), &QPushButton::clicked, this, &FormAideMortier::CmdImpAideMortier_Click);
}

void FormAideMortier::CmdImpAideMortier_Click() {
    PrintWindow(this);
}

void FormAideMortier::CmdQuitInfoMortier_Click() {
    Windows().aideMortier = nullptr;
    Close();
}

}  // namespace ui
