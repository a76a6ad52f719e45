// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ToolWindows.h"

#include <QScreen>

#include "platform/MainMenuBar.h"
#include "window/WindowPlacement.h"

namespace orvel {

ToolWindows::ToolWindows(wdwMain& main, Playback& playback, ShowMessage showMessage,
                         MidiKeyboard* midi, ListeningService listening)
    : QObject(&main),
      main_(main),
      playback_(playback),
      showMessage_(std::move(showMessage)),
      midi_(midi),
      listening_(std::move(listening)),
      ticks_(main.CurrentTicks()) {
    const MainMenuBar::ToolsEntries& tools = MainMenuBar::Instance().tools;
    connect(tools.chords, &QAction::triggered, this, &ToolWindows::OpenChords);
    connect(tools.melody, &QAction::triggered, this, &ToolWindows::OpenMelody);
    connect(tools.listen, &QAction::triggered, this, &ToolWindows::OpenListen);
    connect(tools.findScale, &QAction::triggered, this, &ToolWindows::OpenFindScale);
    connect(tools.fretboard, &QAction::triggered, this, &ToolWindows::OpenFretboard);
    connect(&main_, &wdwMain::ticksChanged, this, [this](const Ticks& ticks) {
        ticks_ = ticks;
        if (details_ != nullptr) {
            details_->SetTicked(ticks);
        }
        if (fretboard_ != nullptr) {
            fretboard_->FollowTicks(ticks);
        }
    });
    connect(&main_, &wdwMain::rowSelected, this, [this](const std::optional<ScaleRow>& row) {
        selected_ = row;
        if (fretboard_ != nullptr) {
            fretboard_->FollowRow(row);
        }
    });
    connect(&main_, &wdwMain::detailsAsked, this, &ToolWindows::ShowDetails);
    connect(&playback_, &Playback::failed, this, [this](const QString& message) {
        const bool fromDetails = details_ != nullptr && details_->StartedLatestPlay();
        showMessage_(fromDetails ? static_cast<QWidget*>(details_) : &main_, message, {});
    });
}

template <typename Tool, typename Make>
Tool& ToolWindows::Open(Tool*& window, const Make& make) {
    if (window == nullptr) {
        window = make();
    }
    if (!window->isVisible()) {
        Place(*window);
    }
    window->show();
    window->raise();
    window->activateWindow();
    window->FocusTarget().setFocus();
    return *window;
}

void ToolWindows::Place(QWidget& window) const {
    Placement around{.screen = main_.screen()->availableGeometry(),
                     .main = main_.frameGeometry(),
                     .lists = main_.ListsArea(),
                     .open = {}};
    for (const QWidget* other :
         {static_cast<QWidget*>(details_), static_cast<QWidget*>(chords_),
          static_cast<QWidget*>(melody_), static_cast<QWidget*>(listen_),
          static_cast<QWidget*>(findScale_), static_cast<QWidget*>(fretboard_)}) {
        if (other != nullptr && other != &window && other->isVisible()) {
            around.open << other->frameGeometry();
        }
    }
    // Frames are placed; a window not yet shown has none, so it is taken to
    // get the main window's title bar and borders.
    const QSize frame = main_.frameGeometry().size() - main_.size();
    QRect place = PlaceToolWindow(around, window.size() + frame, window.minimumSizeHint() + frame);
    window.resize(place.size() - frame);
    if (window.size() + frame != place.size()) {  // its layout would not have it smaller
        place = PlaceToolWindow(around, window.size() + frame, window.size() + frame);
    }
    window.move(place.topLeft());
}

void ToolWindows::TickInMain(PitchClassesAboveC notes, std::optional<PitchClass> root) {
    main_.TickNotes(notes, root);
    main_.raise();
    main_.activateWindow();
}

void ToolWindows::OpenChords() {
    Open(chords_, [this] {
        auto* chords = new wdwChords(main_.Scale, &main_);
        connect(chords, &wdwChords::detailsRequested, this, &ToolWindows::ShowDetails);
        connect(chords, &wdwChords::notesRequested, this,
                [this](PitchClassesAboveC notes, PitchClass root) { TickInMain(notes, root); });
        return chords;
    });
}

void ToolWindows::OpenMelody() {
    Open(melody_, [this] {
        auto* melody = new wdwMelody(main_.Scale, midi_, &main_);
        connect(melody, &wdwMelody::detailsRequested, this, &ToolWindows::ShowDetails);
        connect(melody, &wdwMelody::notesRequested, this,
                [this](PitchClassesAboveC notes, PitchClass root) { TickInMain(notes, root); });
        return melody;
    });
}

void ToolWindows::OpenListen() {
    Open(listen_, [this] {
        auto* listen = new wdwListen(main_.Scale, listening_, &main_);
        connect(listen, &wdwListen::detailsRequested, this, &ToolWindows::ShowDetails);
        connect(listen, &wdwListen::notesRequested, this,
                [this](PitchClassesAboveC notes, PitchClass root) { TickInMain(notes, root); });
        return listen;
    });
}

void ToolWindows::OpenFindScale() {
    const bool wasOpen = findScale_ != nullptr && findScale_->isVisible();
    wdwFindScale& find = Open(findScale_, [this] {
        auto* find = new wdwFindScale(main_.Scale, &main_);
        connect(find, &wdwFindScale::detailsRequested, this, &ToolWindows::ShowDetails);
        connect(find, &wdwFindScale::notesRequested, this,
                [this](PitchClassesAboveC notes, PitchClass root) { TickInMain(notes, root); });
        return find;
    });
    if (!wasOpen) {
        find.SetRoot(ticks_.chosenRoot);
    }
}

void ToolWindows::OpenFretboard() {
    Open(fretboard_, [this] {
        auto* fretboard = new wdwFretboard(&main_);
        connect(fretboard, &wdwFretboard::notesRequested, this,
                [this](PitchClassesAboveC notes) { main_.TickNotes(notes); });
        return fretboard;
    });
    fretboard_->FollowTicks(ticks_);
    fretboard_->FollowRow(selected_);
}

void ToolWindows::ShowDetails(ScaleRow row) {
    // A scale found by name brings no ticks: it is shown against the main
    // window's.
    if (!row.ticks) {
        row.ticks = ticks_;
    }
    if (details_ == nullptr) {
        details_ = new wdwDetails(playback_, main_.Scale, &main_);
        connect(details_, &wdwDetails::spellingChanged, &main_, &wdwMain::SetSpelling);
    }
    // Placed once filled, at the size the row gives it.
    const bool wasOpen = details_->isVisible();
    details_->Show(row);
    if (!wasOpen) {
        Place(*details_);
    }
}

}  // namespace orvel
