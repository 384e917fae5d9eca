// The help window of the concrete window, anchored to it.
#include "ui/form_aide_beton.h"

#include "ui/form1.h"
#include "ui/program.h"
#include "ui/screens.h"

namespace ui {

FormAideBeton::FormAideBeton()
    : HelpWindow(AideBetonScreen(), Windows().form1, "CmdImpAideBeton", "CmdQuitAideBeton") {}

void FormAideBeton::CmdQuitAideBeton_Click() {
    Windows().aideBeton = nullptr;
    Close();
}

}  // namespace ui
