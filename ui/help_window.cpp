// Placement of a help window at its creation, and its closing.
#include "ui/help_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include "ui/placement.h"

namespace ui {
namespace {

TwipsRect OuterTwips(const QWidget* window) {
    const QRect outer = window->frameGeometry();
    return {float(Twips(outer.left())), float(Twips(outer.top())), float(Twips(outer.width())),
            float(Twips(outer.height()))};
}

}  // namespace

HelpWindow::HelpWindow(const WindowDef& def, QWidget* anchor, const char* printButton,
                       const char* quitButton)
    : anchor_(anchor) {
    BuildWindow(this, def);
    printButton_ = Child<QPushButton>(this, printButton);
    quitButton_ = Child<QPushButton>(this, quitButton);
    connect(quitButton_, &QPushButton::clicked, this, [this] { Quit(); });
}

void HelpWindow::Form_Load() {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const TwipsRect anchor = OuterTwips(anchor_);
    const HelpPlacement placement = PlaceHelp(
        anchor, OuterTwips(this), float(Twips(screen.width())), float(Twips(screen.height())));
    // The top first, then the anchor when it moves, then the help window's left.
    move(pos().x(), Px(placement.helpTop));
    if (placement.anchorLeft != anchor.left)
        anchor_->move(Px(placement.anchorLeft), anchor_->frameGeometry().top());
    move(Px(placement.helpLeft), Px(placement.helpTop));
}

void HelpWindow::Close() {
    hide();
    deleteLater();
}

void HelpWindow::closeEvent(QCloseEvent* event) {
    // The title bar's close does what "Quitter les infos" does.
    event->ignore();
    Quit();
}

}  // namespace ui
