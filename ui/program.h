// SPDX-License-Identifier: GPL-3.0-or-later
// The program: the one owner of the six windows, which creates them, wires what each asks for
// to the window that answers, and destroys them at the exit.
//
// Glossary, for the names the windows and controls keep from the program's first design:
//   Form1            the concrete calculator; Form2 the menu; Form3 the mortar calculator
//   FormAideMenu, FormAideBeton, FormAideMortier   the help windows of those three
//   Cmd... buttons, Txt... text boxes, Lbl/Label/Lab... labels, Opt/Option... option buttons
//   Label29 (Form1), Lab13 (Form3)   "avec le transport", shown when a transport price counts
//   LblMauvaisDos, LblMauvaisDos2    "Mauvais dosage"; LblErr...   a refused input or price
//   LblPlageDosage1, LblPlageDosage  the accepted dosage range; OptDose1-4 the mortar ranges
//   InfoNoteShown   1 while the concrete window's note about water (LblInfo) is open
//   ..._Click       the handler of a button, named after its window and control (private)
#pragma once

#include <QObject>
#include <QPointer>
#include <array>

#include "ui/calculator.h"
#include "ui/screens.h"

class QWidget;

namespace ui {

class Form2;
struct HelpScreen;

// Everything the application object needs before the first window: Fusion with full hinting,
// Qt's own texts (dialogs, context menus) in French whatever the system's language, and what
// screen readers are told beyond Qt's own.
void InitApplication();

class Program : public QObject {
    Q_OBJECT
  public:
    Program();
    ~Program() override;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The start-up (the concrete window's Form_Load): the menu centred and shown, the concrete
    // window hidden; the mortar window is built hidden once the menu has been painted.
    void Start();

    // The window, created hidden and wired to the others when absent; a help window is placed
    // beside the window it explains as it is created.
    QWidget* Make(WindowId id);

    // One of the windows, or null when it is absent.
    QWidget* Window(WindowId id) const;
    QWidget* Window(const QString& name) const;

    // Shows a window as the user's buttons do, creating it when absent: a calculator as the
    // menu's "OK" opens it, a help window as its "INFOS" does, the menu as "RETOUR" brings it.
    void Show(WindowId id);

    // Destroys every existing window in the exit's order, the order of WindowId.
    void DestroyWindows();

  private:
    QWidget* Create(WindowId id);
    Calculator* Wire(Calculator* calculator, WindowId help);
    Form2* Wire(Form2* menu);
    QWidget* MakeHelp(WindowId help, const HelpScreen& screen, WindowId anchor);
    Form2* Menu() const;
    PriceSource Prices();
    void BackToMenu(QWidget* calculator);
    void End();

    std::array<QPointer<QWidget>, kWindowCount> windows_;
};

}  // namespace ui
