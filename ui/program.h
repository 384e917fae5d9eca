// The program's windows: the single instance of each, start-up, centring and the exit.
// Form1 is the start-up window; its Form_Load creates the menu, then the mortar window.
#pragma once

#include <QPointer>

class QWidget;

namespace ui {

class Form1;
class Form2;
class Form3;
class FormAideMenu;
class FormAideBeton;
class FormAideMortier;

// A null pointer is an absent window.
struct Forms {
    QPointer<Form1> form1;
    QPointer<Form2> form2;
    QPointer<Form3> form3;
    QPointer<FormAideMenu> aideMenu;
    QPointer<FormAideBeton> aideBeton;
    QPointer<FormAideMortier> aideMortier;
};

Forms& Windows();

// Creates the start-up window, which shows the centred menu.
void StartProgram();

// The mortar window, created hidden the first time it is needed: at the latest right after
// the menu is first painted, so that building it does not delay the menu.
Form3* MortarWindow();
void CreateMortarWindowAfterFirstPaint(QWidget* menu);

// Destroys every existing window in the exit's order: Form1, Form2, Form3, then the help
// windows for the concrete window, the mortar window and the menu.
void DestroyWindows();

// Centres a window's outer rectangle on the whole screen, in single-precision twips.
void CentreOnScreen(QWidget* window);

// Shows a window (never modal) in front of the others.
void BringToFront(QWidget* window);

// Shows the help window of an anchor, creating and placing it when absent.
void ShowAideMenu();
void ShowAideBeton();
void ShowAideMortier();

namespace Module1 {
// 1 while the concrete window's information note is shown, 0 otherwise.
inline int InfoNoteShown = 0;
}  // namespace Module1

}  // namespace ui
