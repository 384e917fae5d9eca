// The help window of the menu.
#pragma once

#include "ui/help_window.h"

namespace ui {

class FormAideMenu : public HelpWindow {
    Q_OBJECT
  public:
    FormAideMenu();

    void CmdImpAideMenu_Click();
    void CmdQuitInfoMenu_Click();

  protected:
    void Quit() override { CmdQuitInfoMenu_Click(); }
};

}  // namespace ui
