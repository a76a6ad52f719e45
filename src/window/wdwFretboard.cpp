// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/wdwFretboard.h"

#include <QVBoxLayout>

namespace orvel {

wdwFretboard::wdwFretboard(QWidget* parent)
    : ToolWindow("wdwFretboard", "Fretboard", parent),
      showing_(new AccidentalsLabel(this)),
      panel_(new FretboardPanel(this)),
      hint_(new QLabel(this)) {
    showing_->setWordWrap(true);
    hint_->setWordWrap(true);
    Board().SetPlayable(true);
    connect(&Board(), &Fretboard::placeToggled, this, [this](PitchClass note, bool stillPlayed) {
        PitchClassesAboveC notes = ticks_.notes;
        stillPlayed ? notes.Add(note) : notes.Remove(note);
        emit notesRequested(notes);
    });
    connect(&panel_->LeftHanded(), &QCheckBox::toggled, this, &wdwFretboard::ShowHint);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(showing_);
    layout->addWidget(panel_);
    layout->addWidget(hint_);
    ShowHint();
    Refill();
    resize(Board().sizeHint().width() + 24, sizeHint().height());
}

void wdwFretboard::ShowHint() {
    hint_->setText(QString("Click a fret, or an open string %1 of the nut, to play it; click it "
                           "again to let go. Its note is ticked while any place of it is played. "
                           "Arrow keys move over the neck; Space plays.")
                       .arg(panel_->LeftHanded().isChecked() ? "right" : "left"));
}

void wdwFretboard::FollowTicks(const Ticks& ticks) {
    ticks_ = ticks;
    Refill();
}

void wdwFretboard::FollowRow(const std::optional<ScaleRow>& selected) {
    selected_ = selected;
    Refill();
}

void wdwFretboard::Refill() {
    if (selected_) {
        const SpelledScale scale = SpellEntry(selected_->entry, selected_->root);
        Board().Show(scale, ticks_.notes);
        showing_->SetPlainText(QString::fromStdString(selected_->entry.Scale + "  \u00B7  " +
                                                      selected_->entry.Bank + "  \u00B7  root " +
                                                      scale.root.Display()) +
                               ", with the ticked notes dotted");
        return;
    }
    const SpelledScale notes = SpellScale(ticks_.Positions(), ticks_.chosenRoot);
    Board().Show(notes, ticks_.notes);
    showing_->SetPlainText(ticks_.notes.Empty()
                               ? QString("No notes ticked: click the neck to play some.")
                               : "The ticked notes, from " +
                                     QString::fromStdString(notes.root.Display()) +
                                     ". Select a row in the main window to see its scale.");
}

}  // namespace orvel
