// SPDX-License-Identifier: GPL-3.0-or-later
// Ends a start-up benchmark run once a window has been painted for the first time.
#pragma once

class QWidget;

namespace startup {

// After the first paint of the window and its controls, prints the wall-clock time in
// microseconds since the epoch ("first-paint-us N") and leaves the event loop.
void ExitAfterFirstPaint(QWidget* window);

}  // namespace startup
