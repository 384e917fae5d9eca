// SPDX-License-Identifier: GPL-3.0-or-later
// The command line, read before any window exists and with no display: "--help" and
// "--version" answer on the terminal, anything unknown is refused, and without a display Karvo
// says so; the rest lets it start.
#pragma once

#include <optional>

namespace app {

// Names the application, reads argv and chooses the platform. Returns the exit code when the
// program stops here (answered, refused, no display), nothing when it goes on to make its
// QApplication and open its windows.
std::optional<int> HandleCommandLine(int argc, char* argv[]);

}  // namespace app
