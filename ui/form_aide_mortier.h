// The help window of the mortar window.
#pragma once

#include "ui/help_window.h"

namespace ui {

class FormAideMortier : public HelpWindow {
    Q_OBJECT
  public:
    FormAideMortier();

    void CmdImpAideMortier_Click();
    void CmdQuitInfoMortier_Click();

  protected:
    void Quit() override { CmdQuitInfoMortier_Click(); }
};

}  // namespace ui
