// The help window of the concrete window, anchored to it.
#include "ui/form_aide_beton.h"

#include <QPushButton>

#include "ui/form1.h"
#include "ui/printing.h"
#include "ui/program.h"
#include "ui/screens.h"

namespace ui {

FormAideBeton::FormAideBeton()
    : HelpWindow(AideBetonScreen(), Windows().form1, "CmdImpAideBeton", "CmdQuitAideBeton") {
    connect(printButton(), &QPushButton::clicked, this, &FormAideBeton::CmdImpAideBeton_Click);
}

void FormAideBeton::CmdImpAideBeton_Click() {
    PrintWindow(this);
}

void FormAideBeton::CmdQuitAideBeton_Click() {
    Windows().aideBeton = nullptr;
    Close();
}

}  // namespace ui
