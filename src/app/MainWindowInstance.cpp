// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindowInstance.h"

#include <QApplication>
#include <QTimer>
#include <iostream>

#include "audio/LoadedPlayer.h"
#include "midi/LoadedMidiInput.h"
#include "platform/MessageBox.h"
#include "scales/ProgramFolder.h"
#include "window/ToolWindows.h"

namespace orvel {

wdwMain::Services ProgramServices() {
    const auto file = ProgramFolder() / kCatalogueFileName;
    return {[file] {
                ScaleLoad load = LoadScales(file, std::cerr);
                // The window opens quietly without its catalogue; a user
                // who started it from a terminal learns where it looked.
                if (load.failure && load.failure->FileMissing()) {
                    std::cerr << "Orvel Modalune: no catalogue at " << load.failure->what() << "\n";
                }
                return load;
            },
            [](QWidget* over, const QString& message, const QString& detail) {
                ShowMessageBox(over, message, detail);
            },
            // Lives with the application object, and stops the sound as it goes.
            new Playback([] { return std::make_unique<LoadedPlayer>(); }, qApp),
            // The same; started once the window has painted (see below).
            new MidiKeyboard(LoadMidiInput, qApp), file};
}

namespace {

// Runs `then` once, a moment after the first paint of what it watches: the
// window is on screen and its first frames are not held up.
class AfterFirstPaint : public QObject {
  public:
    AfterFirstPaint(QWidget& watched, std::function<void()> then)
        : QObject(&watched), then_(std::move(then)) {
        watched.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(kAfterPaintMilliseconds, this, [this] {
                then_();
                deleteLater();
            });
        }
        return false;
    }

  private:
    static constexpr int kAfterPaintMilliseconds = 100;
    std::function<void()> then_;
};

}  // namespace

wdwMain& MainWindowInstance(const wdwMain::Services& services) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = dynamic_cast<wdwMain*>(widget);
            window != nullptr && window->isVisible()) {
            return *window;
        }
    }
    auto* window = new wdwMain(services);
    window->setAttribute(Qt::WA_DeleteOnClose);
    new ToolWindows(*window, *services.playback, services.showMessage,
                    services.midi);  // the window owns it
    window->Open();
    new AfterFirstPaint(*window, [midi = services.midi] { midi->Start(); });
    return *window;
}

}  // namespace orvel
