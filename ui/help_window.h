// SPDX-License-Identifier: GPL-3.0-or-later
// A help window (the menu's, the concrete window's or the mortar window's, by its table): built
// from its table, placed beside the window it explains when created, printed by "IMPRIMER" and
// closed by "Quitter les infos", Escape or the title bar (hidden, then destroyed).
#pragma once

#include <QWidget>

#include "ui/screens.h"

namespace ui {

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    HelpWindow(const HelpScreen& screen, QWidget* anchor);

    // Placement beside the anchor, once, as the window is created.
    void Form_Load();

  signals:
    // Hidden and about to be destroyed: the next "INFOS" makes a new one.
    void Closed();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void CmdImp_Click();
    void CmdQuit_Click();

    const HelpScreen& screen_;
    QWidget* anchor_;
};

}  // namespace ui
