// The help window of the menu, anchored to it.
#include "ui/form_aide_menu.h"

#include "ui/form2.h"
#include "ui/program.h"
#include "ui/screens.h"

namespace ui {

FormAideMenu::FormAideMenu()
    : HelpWindow(AideMenuScreen(), Windows().form2, "CmdImpAideMenu", "CmdQuitInfoMenu") {}

void FormAideMenu::CmdQuitInfoMenu_Click() {
    Windows().aideMenu = nullptr;
    Close();
}

}  // namespace ui
