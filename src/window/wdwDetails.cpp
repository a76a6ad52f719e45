// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/wdwDetails.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "theory/Triad.h"

namespace orvel {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// "b3" and "#4" as the window writes them: "♭3", "♯4".
QString DisplayIntervals(const SpelledScale& scale) {
    return Text(scale.IntervalsText()).replace('b', QChar(0x266D)).replace('#', QChar(0x266F));
}

}  // namespace

wdwDetails::wdwDetails(QWidget* parent)
    : QWidget(parent, Qt::Window),
      title_(new QLabel(this)),
      notes_(new QLabel(this)),
      intervals_(new QLabel(this)),
      triadsCaption_(new QLabel("Triads:", this)),
      triads_(new QLabel(this)),
      added_(new QLabel(this)),
      keyboard_(new PianoKeyboard(this)),
      play_(new QPushButton("&Play", this)),
      playChord_(new QPushButton("Play C&hord", this)),
      tempo_(new QSpinBox(this)) {
    setObjectName("wdwDetails");
    setWindowTitle("Scale Details");
    QFont large = title_->font();
    large.setPointSizeF(large.pointSizeF() * 1.3);
    large.setBold(true);
    title_->setFont(large);
    for (QLabel* label : {title_, notes_, intervals_, triads_, added_}) {
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    auto* facts = new QFormLayout;
    facts->addRow("Notes:", notes_);
    facts->addRow("Intervals:", intervals_);
    facts->addRow(triadsCaption_, triads_);
    facts->addRow("Beyond the ticked notes:", added_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addLayout(facts);
    layout->addWidget(keyboard_);
    layout->addWidget(
        new QLabel("Green keys: the scale.   Orange dots: the notes you ticked.", this));
    tempo_->setRange(30, 300);
    tempo_->setValue(120);
    tempo_->setSuffix(" BPM");
    tempo_->setAccessibleName("Tempo");
    play_->setCheckable(true);
    connect(play_, &QPushButton::clicked, this, [this] {
        if (PlayPressed) {
            PlayPressed();
        }
    });
    connect(playChord_, &QPushButton::clicked, this, [this] {
        if (PlayChordPressed) {
            PlayChordPressed();
        }
    });
    auto* sound = new QHBoxLayout;
    sound->addWidget(play_);
    sound->addWidget(playChord_);
    sound->addStretch();
    auto* tempoCaption = new QLabel("&Tempo:", this);
    tempoCaption->setBuddy(tempo_);
    sound->addWidget(tempoCaption);
    sound->addWidget(tempo_);
    layout->addLayout(sound);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void wdwDetails::SetPlaying(bool playing) {
    play_->setChecked(playing);
}

void wdwDetails::closeEvent(QCloseEvent* event) {
    if (Closed) {
        Closed();
    }
    QWidget::closeEvent(event);
}

void wdwDetails::Show(const Row& row) {
    row_ = row;
    spelled_ = SpellScale(row.notes, row.root);
    title_->setText(row.scale + "  \u00B7  " + row.bank + "  \u00B7  root " +
                    Text(spelled_.root.Display()));
    notes_->setText(Text(spelled_.DisplayNotes()));
    intervals_->setText(DisplayIntervals(spelled_));

    QStringList triads;
    for (const Triad& triad : DegreeTriads(spelled_)) {
        triads << Text(triad.Symbol());
    }
    triads_->setText(triads.join("   "));
    triadsCaption_->setVisible(!triads.isEmpty());
    triads_->setVisible(!triads.isEmpty());

    QStringList added;
    PianoKeyboard::PitchClasses scale;
    for (const NoteName& note : spelled_.notes) {
        const auto pitchClass = static_cast<std::size_t>(note.PitchClass());
        scale.set(pitchClass);
        if (!row.ticked[pitchClass]) {
            added << Text(note.Display());
        }
    }
    added_->setText(added.isEmpty() ? "none" : added.join(" "));
    keyboard_->Show(row.root, scale, row.ticked);
    show();
    raise();
}

}  // namespace orvel
