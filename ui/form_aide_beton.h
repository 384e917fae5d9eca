// The help window of the concrete window.
#pragma once

#include "ui/help_window.h"

namespace ui {

class FormAideBeton : public HelpWindow {
    Q_OBJECT
  public:
    FormAideBeton();

    void CmdImpAideBeton_Click();
    void CmdQuitAideBeton_Click();

  protected:
    void Quit() override { CmdQuitAideBeton_Click(); }
};

}  // namespace ui
