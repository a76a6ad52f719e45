// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/wdwMain.h"

namespace orvel {

// What the program's main window is given: the catalogue "Orvel Scales.csv"
// in the program's folder (skipped lines reported on standard error),
// messages in a modal message box, and sound from the player module beside
// the program, made on the first play. Needs the application object.
wdwMain::Services ProgramServices();

// The main window: the open one if there is one, else a new one, laid out,
// shown and opened, with its ToolWindows. The window deletes itself when
// closed.
wdwMain& MainWindowInstance(const wdwMain::Services& services = ProgramServices());

}  // namespace orvel
