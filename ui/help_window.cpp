// SPDX-License-Identifier: GPL-3.0-or-later
// A help window's placement at its creation, its print and its closing.
#include "ui/help_window.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "ui/placement.h"
#include "ui/printing.h"

namespace ui {

HelpWindow::HelpWindow(const HelpScreen& screen, QWidget* anchor)
    : screen_(screen), anchor_(anchor) {
    BuildWindow(this, screen.window);
    OnClick(this, screen.printButton, &HelpWindow::CmdImp_Click);
    OnClick(this, screen.quitButton, &HelpWindow::CmdQuit_Click);
}

void HelpWindow::Form_Load() {
    PlaceBesideAnchor(this, anchor_);
}

void HelpWindow::CmdImp_Click() {
    PrintWindow(this, screen_.window, {});
}

void HelpWindow::CmdQuit_Click() {
    hide();
    emit Closed();
    deleteLater();
}

void HelpWindow::closeEvent(QCloseEvent* event) {
    // The title bar's close does what "Quitter les infos" does.
    event->ignore();
    CmdQuit_Click();
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    // A window that only informs closes with Escape, as "Quitter les infos".
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        return CmdQuit_Click();
    QWidget::keyPressEvent(event);
}

}  // namespace ui
