#include "App.h"

#include "MainMenuBar.h"

namespace orvel {

App::App(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("Orvel Modalune");
    setApplicationDisplayName("Orvel Modalune");
    setApplicationVersion(ShortVersion);
    setOrganizationName("Orvel");
    menuBar_ = &MainMenuBar::Instance();
}

}  // namespace orvel
