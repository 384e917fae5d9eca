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

#include "ui/calculator.h"

class QWidget;

namespace ui {

class Form1;
class Form2;
class Form3;
class HelpWindow;
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

    // One of the six windows by its name, or null when it is absent.
    QWidget* Window(const QString& name) const;

    // Destroys every existing window in the exit's order: Form1, Form2, Form3, then the help
    // windows of the concrete window, the mortar window and the menu.
    void DestroyWindows();

  private:
    Form3* MortarWindow();
    PriceSource Prices();
    template <class Calculator>
    void Wire(Calculator* calculator, QPointer<HelpWindow>& help, const HelpScreen& screen);
    void BackToMenu(QWidget* calculator);
    void ShowHelp(QPointer<HelpWindow>& help, const HelpScreen& screen, QWidget* anchor);
    void End();

    QPointer<Form1> form1_;
    QPointer<Form2> form2_;
    QPointer<Form3> form3_;
    QPointer<HelpWindow> aideMenu_;
    QPointer<HelpWindow> aideBeton_;
    QPointer<HelpWindow> aideMortier_;
};

}  // namespace ui
