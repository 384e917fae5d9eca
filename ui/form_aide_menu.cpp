// The help window of the menu, anchored to it.
#include "ui/form_aide_menu.h"

#include <QPushButton>

#include "ui/form2.h"
#include "ui/printing.h"
#include "ui/program.h"
#include "ui/screens.h"

namespace ui {

FormAideMenu::FormAideMenu()
    : HelpWindow(AideMenuScreen(), Windows().form2, "CmdImpAideMenu", "CmdQuitInfoMenu") {
    connect(printButton(), &QPushButton::clicked, this, &FormAideMenu::CmdImpAideMenu_Click);
}

void FormAideMenu::CmdImpAideMenu_Click() {
    PrintWindow(this);
}

void FormAideMenu::CmdQuitInfoMenu_Click() {
    Windows().aideMenu = nullptr;
    Close();
}

}  // namespace ui
