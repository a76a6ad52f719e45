// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Start-up and the event loop: the application object with its version data
// and the shared menu bar, the main window (which loads the catalogue as it
// opens), then the event loop until File > Exit or the window closes.
// Returns the exit code the event loop ends with.

#include <functional>

#include "window/wdwMain.h"

namespace orvel {

// `opened`, when given, runs once the main window is open, before the event
// loop (the start-up benchmark uses it to quit after the first paint).
int RunApplication(int argc, char** argv, const std::function<void(wdwMain&)>& opened = {});

}  // namespace orvel
