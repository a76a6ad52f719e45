// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/wdwDetails.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "audio/Performance.h"
#include "audio/Tempo.h"
#include "theory/Triad.h"

namespace orvel {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// The popup's items, in the order of RootSpelling.
constexpr const char* kSpellings[] = {"Automatic", "Sharps", "Flats"};

}  // namespace

wdwDetails::wdwDetails(Playback& playback, QWidget* parent)
    : ToolWindow("wdwDetails", "Scale Details", parent),
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
    QFont large = title_->font();
    large.setPointSizeF(large.pointSizeF() * 1.3);
    large.setBold(true);
    title_->setFont(large);
    for (AccidentalsLabel* label : {title_, notes_, intervals_, triads_, added_}) {
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setWordWrap(true);
    }
    auto* facts = new QFormLayout;
    // Some styles (Adwaita) keep fields at their size hint, and a wrapped
    // line of triads then loses its end.
    facts->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
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
        const QList<int> own = StartedLatestPlay() ? keys : QList<int>{};
        keyboard_->SetSounding(own);
        fretboard_->Board().SetSounding(own);
    });
    connect(play_, &QPushButton::clicked, this, &wdwDetails::PlayScale);
    connect(playChord_, &QPushButton::clicked, this, &wdwDetails::PlayChord);
    auto* sound = new QHBoxLayout;
    sound->addWidget(play_);
    sound->addWidget(playChord_);
    sound->addStretch();
    for (const char* spelling : kSpellings) {
        spelling_->addItem(spelling);
    }
    connect(spelling_, &QComboBox::currentIndexChanged, this, [this] {
        Fill();
        emit spellingChanged(Spelling());
    });
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

RootSpelling wdwDetails::Spelling() const {
    return static_cast<RootSpelling>(spelling_->currentIndex());
}

void wdwDetails::PlayScale() {
    playback_.PlayOrStop(ScaleRunOf(row_, playback_.Tempo()));
    ownPlay_ = playback_.CurrentPlay();
}

void wdwDetails::PlayChord() {
    const Ticks ticks = row_.ticks.value_or(Ticks{});
    if (playback_.IsPlaying() || !ticks.notes.Empty()) {
        playback_.PlayOrStop(Chord(ticks.Positions(), KeyNearMiddleC(ticks.chosenRoot)));
        ownPlay_ = playback_.CurrentPlay();
    }
}

void wdwDetails::SetTicked(const Ticks& ticks) {
    if (row_.ticks == ticks) {
        return;
    }
    row_.ticks = ticks;
    if (isVisible()) {
        Fill();  // in place: the user is working in another window
    }
}

void wdwDetails::closeEvent(QCloseEvent* event) {
    playback_.Stop();
    QWidget::closeEvent(event);
}

void wdwDetails::Show(const ScaleRow& row) {
    row_ = row;
    Fill();
    show();
    raise();
}

void wdwDetails::Fill() {
    const ScaleRow& row = row_;
    spelled_ = row.rootLetter && Spelling() == RootSpelling::Automatic
                   ? SpellScale(row.entry.Notes, NamedBy(row.root, *row.rootLetter),
                                SpellAsFor(row.entry.Bank))
                   : SpellEntry(row.entry, row.root, Spelling());
    title_->SetPlainText(Text(row.entry.Scale) + "  \u00B7  " + Text(row.entry.Bank) +
                         "  \u00B7  root " + Text(spelled_.root.Display()));
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

    const PitchClassesAboveC ticked = row.ticks ? row.ticks->notes : PitchClassesAboveC{};
    QStringList added;
    for (const NoteName& note : NotesBeyond(spelled_, ticked)) {
        added << Text(note.Display());
    }
    added_->SetPlainText(added.isEmpty() ? "none" : added.join(" "));
    keyboard_->Show(row.root, spelled_.PitchClasses(), ticked);
    fretboard_->Board().Show(spelled_, ticked);
    adjustSize();
}

}  // namespace orvel
