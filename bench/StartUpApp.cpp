// SPDX-License-Identifier: GPL-3.0-or-later
// The real start-up, exactly as the program's main runs it, ending after the
// main window's first paint. Timed as a process by bench/startup.sh.

#include "FirstPaintQuit.h"
#include "app/StartUp.h"

int main(int argc, char** argv) {
    return orvel::RunApplication(
        argc, argv, [](orvel::wdwMain& window) { new orvel::bench::FirstPaintQuit(&window); });
}
