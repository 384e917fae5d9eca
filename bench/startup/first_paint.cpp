// SPDX-License-Identifier: GPL-3.0-or-later
// The first paint of a window is seen by an event filter; the exit is queued behind it so
// that the window's controls are painted and flushed to the display first.
#include "bench/startup/first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace startup {
namespace {

class FirstPaint : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, [] {
                const auto now = std::chrono::system_clock::now().time_since_epoch();
                std::printf(
                    "first-paint-us %lld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
                std::fflush(stdout);
                // exit(), not quit(): quit() closes the windows, and closing the menu plays
                // the program's exit animation.
                QCoreApplication::exit(0);
            });
        }
        return false;
    }
};

}  // namespace

void ExitAfterFirstPaint(QWidget* window) {
    window->installEventFilter(new FirstPaint(window));
}

}  // namespace startup
