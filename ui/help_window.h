// What the three help windows share: built from their table, placed beside their anchor
// when created, and closed by "Quitter les infos" (hidden, then destroyed).
#pragma once

#include <QWidget>

#include "ui/screen.h"

class QPushButton;

namespace ui {

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    void Form_Load();

  protected:
    HelpWindow(const WindowDef& def, QWidget* anchor, const char* printButton,
               const char* quitButton);

    // Hides the window and destroys it once the current event is handled.
    void Close();
    void closeEvent(QCloseEvent* event) override;
    // Each window forgets its single instance and closes.
    virtual void Quit() = 0;

    QPushButton* printButton() const { return printButton_; }
    QPushButton* quitButton() const { return quitButton_; }

  private:
    QWidget* anchor_;
    QPushButton* printButton_;
    QPushButton* quitButton_;
};

}  // namespace ui
