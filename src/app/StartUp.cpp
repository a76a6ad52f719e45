// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartUp.h"

#include <QGuiApplication>

#include "app/App.h"
#include "app/MainWindowInstance.h"

namespace orvel {

int RunApplication(int argc, char** argv, const std::function<void(wdwMain&)>& opened) {
    // Screen scales are followed as they are (150 % stays 150 %), so the
    // window keeps its size in device-independent pixels on every screen.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    App app(argc, argv);
    wdwMain& window = MainWindowInstance();
    if (opened) {
        opened(window);
    }
    return App::exec();
}

}  // namespace orvel
