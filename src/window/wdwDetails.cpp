// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/wdwDetails.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "audio/Tempo.h"
#include "theory/Triad.h"
#include "window/ToolWindows.h"

namespace orvel {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// The popup's items, in the order of RootSpelling.
constexpr const char* kSpellings[] = {"Automatic", "Sharps", "Flats"};

}  // namespace

wdwDetails::wdwDetails(Playback& playback, QWidget* parent)
    : QWidget(parent, Qt::Window),
      playback_(playback),
      title_(new AccidentalsLabel(this)),
      notes_(new AccidentalsLabel(this)),
      intervalsCaption_(new QLabel(this)),
      intervals_(new AccidentalsLabel(this)),
      triadsCaption_(new QLabel("Triads:", this)),
      triads_(new AccidentalsLabel(this)),
      added_(new AccidentalsLabel(this)),
      keyboard_(new PianoKeyboard(this)),
      fretboard_(new FretboardPanel(this)),
      play_(new QPushButton("&Play", this)),
      playChord_(new QPushButton("Play C&hord", this)),
      tempo_(new QSpinBox(this)),
      spelling_(new QComboBox(this)) {
    setObjectName("wdwDetails");
    setWindowTitle("Scale Details");
    QFont large = title_->font();
    large.setPointSizeF(large.pointSizeF() * 1.3);
    large.setBold(true);
    title_->setFont(large);
    for (AccidentalsLabel* label : {title_, notes_, intervals_, triads_, added_}) {
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setWordWrap(true);
    }
    auto* facts = new QFormLayout;
    facts->addRow("Notes:", notes_);
    facts->addRow(intervalsCaption_, intervals_);
    facts->addRow(triadsCaption_, triads_);
    facts->addRow("Beyond the ticked notes:", added_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addLayout(facts);
    layout->addWidget(keyboard_);
    layout->addWidget(fretboard_);
    layout->addWidget(
        new QLabel("Green: the scale; on the neck, red squares are its root.   "
                   "Orange dots: the notes you ticked.",
                   this));
    tempo_->setRange(kMinTempo, kMaxTempo);
    tempo_->setValue(playback_.Tempo());
    tempo_->setSuffix(" BPM");
    tempo_->setAccessibleName("Tempo");
    connect(tempo_, &QSpinBox::valueChanged, &playback_, &Playback::SetTempo);
    connect(&playback_, &Playback::tempoChanged, tempo_, &QSpinBox::setValue);
    play_->setCheckable(true);
    play_->setChecked(playback_.IsPlaying());
    connect(&playback_, &Playback::playingChanged, this, [this](bool playing) {
        play_->setChecked(playing);
        // "p" stays the mnemonic, so that Alt+P also stops.
        play_->setText(playing ? "Sto&p" : "&Play");
    });
    connect(&playback_, &Playback::soundingChanged, this, [this](const QList<int>& keys) {
        const QList<int> own = playback_.CurrentPlay() == ownPlay_ ? keys : QList<int>{};
        keyboard_->SetSounding(own);
        fretboard_->Board().SetSounding(own);
    });
    CloseOnEscapeOrCtrlW(*this);
    connect(play_, &QPushButton::clicked, this, &wdwDetails::PlayScale);
    connect(playChord_, &QPushButton::clicked, this, &wdwDetails::PlayChord);
    auto* sound = new QHBoxLayout;
    sound->addWidget(play_);
    sound->addWidget(playChord_);
    sound->addStretch();
    for (const char* spelling : kSpellings) {
        spelling_->addItem(spelling);
    }
    connect(spelling_, &QComboBox::currentIndexChanged, this, &wdwDetails::Fill);
    auto* spellingCaption = new QLabel("&Spelling:", this);
    spellingCaption->setBuddy(spelling_);
    sound->addWidget(spellingCaption);
    sound->addWidget(spelling_);
    auto* tempoCaption = new QLabel("&Tempo:", this);
    tempoCaption->setBuddy(tempo_);
    sound->addWidget(tempoCaption);
    sound->addWidget(tempo_);
    layout->addLayout(sound);
    // One width for every row: long names wrap rather than widen it.
    setFixedWidth(kWidth);
}

std::vector<TimedNote> wdwDetails::ScaleRunOf(const Row& row, int beatsPerMinute) {
    return ScaleRun(row.notes, KeyNearMiddleC(row.root), beatsPerMinute);
}

SpelledScale wdwDetails::SpelledRow(const Row& row, RootSpelling spelling) {
    return SpellScale(row.notes, row.root, SpellAsFor(row.bank.toStdString()), spelling);
}

RootSpelling wdwDetails::Spelling() const {
    return static_cast<RootSpelling>(spelling_->currentIndex());
}

void wdwDetails::PlayScale() {
    playback_.PlayOrStop(ScaleRunOf(row_, playback_.Tempo()));
    ownPlay_ = playback_.CurrentPlay();
}

void wdwDetails::PlayChord() {
    const PitchClassSet ticked = SetOfPositions([this](int position) {
        return row_.ticked[static_cast<std::size_t>((row_.chosenRoot + position) % kPositionCount)];
    });
    if (playback_.IsPlaying() || ticked != 0) {
        playback_.PlayOrStop(Chord(ticked, KeyNearMiddleC(row_.chosenRoot)));
        ownPlay_ = playback_.CurrentPlay();
    }
}

void wdwDetails::SetTicked(PitchClassesAboveC ticked, int chosenRoot) {
    if (row_.ticked == ticked && row_.chosenRoot == chosenRoot) {
        return;
    }
    row_.ticked = ticked;
    row_.chosenRoot = chosenRoot;
    if (isVisible()) {
        Fill();  // in place: the user is working in another window
    }
}

void wdwDetails::closeEvent(QCloseEvent* event) {
    playback_.Stop();
    QWidget::closeEvent(event);
}

void wdwDetails::Show(const Row& row) {
    row_ = row;
    Fill();
    show();
    raise();
}

void wdwDetails::Fill() {
    const Row& row = row_;
    spelled_ = SpelledRow(row, Spelling());
    title_->SetPlainText(row.scale + "  \u00B7  " + row.bank + "  \u00B7  root " +
                         Text(spelled_.root.Display()));
    notes_->SetPlainText(Text(spelled_.DisplayNotes()));
    const bool chord = spelled_.kind == SpellAs::Chord;
    intervalsCaption_->setText(chord ? "Chord tones:" : "Intervals:");
    intervals_->SetPlainText(Text(spelled_.DisplayIntervals()));

    QStringList triads;  // none for a chord, nor a scale of other than seven notes
    for (const Triad& triad : DegreeTriads(spelled_)) {
        triads << Text(triad.Symbol());
    }
    triads_->SetPlainText(triads.join("   "));
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
    added_->SetPlainText(added.isEmpty() ? "none" : added.join(" "));
    keyboard_->Show(row.root, scale, row.ticked);
    fretboard_->Board().Show(spelled_, row.ticked);
    adjustSize();
}

}  // namespace orvel
