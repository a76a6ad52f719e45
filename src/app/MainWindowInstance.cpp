#include "app/MainWindowInstance.h"

#include <QApplication>
#include <iostream>

#include "platform/MessageBox.h"
#include "scales/ProgramFolder.h"

namespace orvel {

wdwMain::Services ProgramServices() {
    return {[] { return LoadScales(ProgramFolder() / kCatalogueFileName, std::cerr); },
            [](const QString& message, const TIOError&) { ShowMessageBox(nullptr, message); }};
}

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
