#pragma once

#include "wdwMain.h"

namespace orvel {

// The main window: the open one if there is one, else a new one, laid out,
// shown and opened. The window deletes itself when closed.
wdwMain& MainWindowInstance(const wdwMain::Services& services = wdwMain::DefaultServices());

}  // namespace orvel
