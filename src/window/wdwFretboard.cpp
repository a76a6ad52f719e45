// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/wdwFretboard.h"

#include <QVBoxLayout>

#include "window/ToolWindows.h"

namespace orvel {

wdwFretboard::wdwFretboard(QWidget* parent)
    : QWidget(parent, Qt::Window),
      showing_(new AccidentalsLabel(this)),
      panel_(new FretboardPanel(this)) {
    setObjectName("wdwFretboard");
    setWindowTitle("Fretboard");
    showing_->setWordWrap(true);
    Board().SetPlayable(true);
    connect(&Board(), &Fretboard::noteToggled, this, &wdwFretboard::noteToggled);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(showing_);
    layout->addWidget(panel_);
    layout->addWidget(
        new QLabel("Click a fret, or an open string left of the nut, to tick or untick its note. "
                   "Arrow keys move over the neck; Space ticks.",
                   this));
    CloseOnEscapeOrCtrlW(*this);
    resize(Board().sizeHint().width() + 24, sizeHint().height());
}

void wdwFretboard::Follow(PitchClassesAboveC ticked, int chosenRoot,
                          const std::optional<wdwDetails::Row>& selected) {
    if (selected) {
        const SpelledScale scale = wdwDetails::SpelledRow(*selected, RootSpelling::Automatic);
        Board().Show(scale, ticked);
        showing_->SetPlainText(selected->scale + "  \u00B7  " + selected->bank + "  \u00B7  root " +
                               QString::fromStdString(scale.root.Display()) +
                               ", with the ticked notes dotted");
        return;
    }
    const PitchClassSet positions = SetOfPositions([&](int position) {
        return ticked[static_cast<std::size_t>((chosenRoot + position) % kPositionCount)];
    });
    const SpelledScale notes = SpellScale(positions, chosenRoot);
    Board().Show(notes, ticked);
    showing_->SetPlainText(
        positions == 0 ? QString("No notes ticked: click the neck to tick some.")
                       : "The ticked notes, from " + QString::fromStdString(notes.root.Display()) +
                             ". Select a row in the main window to see its scale.");
}

}  // namespace orvel
