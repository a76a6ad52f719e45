#include "MainWindowInstance.h"

#include <QApplication>

namespace orvel {

wdwMain& MainWindowInstance(const wdwMain::Services& services) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = dynamic_cast<wdwMain*>(widget);
            window != nullptr && window->isVisible()) {
            return *window;
        }
    }
    auto* window = new wdwMain(services);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->Open();
    return *window;
}

}  // namespace orvel
