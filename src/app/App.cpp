// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/App.h"

#include <QIcon>

#include "app/LazyIconEngine.h"
#include "platform/MainMenuBar.h"

namespace orvel {

App::App(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("Orvel Modalune");
    setApplicationDisplayName("Orvel Modalune");
    setApplicationVersion(ShortVersion);
    setOrganizationName("Orvel");
    setDesktopFileName("org.orvel.Modalune");
    setWindowIcon(QIcon(new LazyIconEngine(":/icons/orvel-modalune-%1.png", {16, 32, 48, 256})));
    menuBar_ = &MainMenuBar::Instance();
}

}  // namespace orvel
