#include "app/App.h"

#include <QIcon>

#include "platform/MainMenuBar.h"

namespace orvel {

App::App(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("Orvel Modalune");
    setApplicationDisplayName("Orvel Modalune");
    setApplicationVersion(ShortVersion);
    setOrganizationName("Orvel");
    setDesktopFileName("org.orvel.Modalune");
    QIcon icon;
    for (const int size : {16, 32, 48, 256}) {
        icon.addFile(QString(":/icons/orvel-modalune-%1.png").arg(size), QSize(size, size));
    }
    setWindowIcon(icon);
    menuBar_ = &MainMenuBar::Instance();
}

}  // namespace orvel
