// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/wdwListen.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <cmath>

#include "platform/Contrast.h"
#include "theory/RootName.h"

namespace orvel {

namespace {

constexpr int kLevelFloorDb = -60;
constexpr int kProgressSteps = 1000;
constexpr double kSecondsPerBar = 4 / Heard::kBeatsPerSecond;
constexpr const char* kRecordingPatterns = "*.wav *.flac *.ogg *.oga *.mp3 *.aif *.aiff";

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

wdwListen::wdwListen(const std::vector<TScale>& catalogue, ListeningService listening,
                     QWidget* parent)
    : ToolWindow("wdwListen", "Listen", parent),
      listening_(std::move(listening)),
      mode_(new QComboBox(this)),
      inputs_(new QComboBox(this)),
      start_(new QPushButton("S&tart", this)),
      open_(new QPushButton("Open &Recording\u2026", this)),
      level_(new QProgressBar(this)),
      noteNow_(new QLabel("\u2013", this)),
      recent_(new QLabel(this)),
      source_(new QLabel("Start listening, or open a recording (WAV, FLAC, Ogg, MP3) or drop one "
                         "here",
                         this)),
      progress_(new QProgressBar(this)),
      status_(new QLabel(this)),
      answers_(new MelodyAnswerView(catalogue, this)) {
    setAcceptDrops(true);
    mode_->addItem("Melody (one voice)");
    mode_->addItem("Chords");
    mode_->setAccessibleName("Hear as");
    mode_->setToolTip(
        "A melody: the notes of one voice, each with its start; chords: the notes "
        "sounding together, half a second at a time");
    inputs_->addItem("Asking the sound server\u2026");
    inputs_->setEnabled(false);
    inputs_->setAccessibleName("Audio input");
    start_->setCheckable(true);
    start_->setEnabled(false);
    start_->setToolTip("Listen to the audio input chosen, until Stop");
    open_->setToolTip("Open a recording: WAV, FLAC, Ogg or MP3");
    level_->setRange(kLevelFloorDb, 0);
    level_->setValue(kLevelFloorDb);
    level_->setTextVisible(false);
    level_->setMaximumHeight(10);
    level_->setAccessibleName("Level");
    level_->setToolTip("How loud the input is, from 60 dB below full scale");
    QFont large = noteNow_->font();
    large.setPointSizeF(large.pointSizeF() * 2.2);
    large.setBold(true);
    noteNow_->setFont(large);
    noteNow_->setMinimumWidth(noteNow_->fontMetrics().horizontalAdvance("G\u266F5 +50 cents"));
    noteNow_->setAccessibleName("Note heard now");
    recent_->setAccessibleName("Last notes");
    recent_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    source_->setAccessibleName("Heard");
    source_->setWordWrap(true);
    progress_->setRange(0, kProgressSteps);
    progress_->setMaximumHeight(12);
    progress_->setTextVisible(false);
    progress_->hide();
    status_->setAccessibleName("Status");
    status_->setWordWrap(true);

    auto* modeCaption = new QLabel("Hear &as:", this);
    modeCaption->setBuddy(mode_);
    auto* inputCaption = new QLabel("&Input:", this);
    inputCaption->setBuddy(inputs_);
    auto* top = new QHBoxLayout;
    top->addWidget(modeCaption);
    top->addWidget(mode_);
    top->addWidget(inputCaption);
    top->addWidget(inputs_, 1);
    top->addWidget(start_);
    top->addWidget(open_);
    auto* meter = new QHBoxLayout;
    meter->addWidget(new QLabel("Level:", this));
    meter->addWidget(level_, 1);
    auto* now = new QHBoxLayout;
    now->addWidget(new QLabel("Now:", this));
    now->addWidget(noteNow_);
    now->addSpacing(noteNow_->fontMetrics().averageCharWidth());
    now->addWidget(new QLabel("Last notes:", this));
    now->addWidget(recent_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(meter);
    layout->addLayout(now);
    layout->addWidget(source_);
    layout->addWidget(progress_);
    layout->addWidget(status_);
    layout->addWidget(answers_, 1);
    resize(860, 820);

    connect(start_, &QPushButton::toggled, this, &wdwListen::ToggleListening);
    connect(open_, &QPushButton::clicked, this, &wdwListen::ChooseFile);
    connect(mode_, &QComboBox::currentIndexChanged, this, [this] {
        if (!lastFile_.isEmpty() && !Listening()) {
            Open(lastFile_);
        }
    });
    connect(&look_, &QTimer::timeout, this, &wdwListen::Look);
    connect(answers_, &MelodyAnswerView::detailsRequested, this, &wdwListen::detailsRequested);
    connect(answers_, &MelodyAnswerView::notesRequested, this, &wdwListen::notesRequested);
    connect(&hearingWatcher_, &QFutureWatcher<HeardFile>::finished, this, [this] {
        hearing_ = false;
        progress_->hide();
        open_->setEnabled(true);
        start_->setEnabled(inputs_->isEnabled());
        look_.stop();
        const HeardFile result = hearingWatcher_.result();
        if (!result.heard) {
            Say("Cannot hear " + pendingSource_ + ": " + Text(result.error), true);
            return;
        }
        ShowHeard(*result.heard, pendingSource_);
    });
    connect(&inputsWatcher_, &QFutureWatcher<FoundInputs>::finished, this, [this] {
        inputsKnown_ = true;
        const FoundInputs found = inputsWatcher_.result();
        inputs_->clear();
        if (found.inputs.empty()) {
            inputs_->addItem("No audio input");
            Say("No audio input was found" +
                (found.problem.empty() ? QString() : " (" + Text(found.problem) + ")") +
                ". Recordings can still be opened.");
            return;
        }
        for (const AudioInput& input : found.inputs) {
            inputs_->addItem(Text(input.description), Text(input.name));
        }
        inputs_->setEnabled(true);
        start_->setEnabled(!hearing_);
    });
    AskInputs();
}

wdwListen::~wdwListen() {
    if (stopHearing_) {
        *stopHearing_ = true;
    }
    hearingWatcher_.waitForFinished();
    inputsWatcher_.waitForFinished();
}

ListenMode wdwListen::Mode() const {
    return mode_->currentIndex() == 1 ? ListenMode::Chords : ListenMode::Melody;
}

void wdwListen::AskInputs() {
    // Loading the listening module and asking the sound server may each
    // take a while: away from the window.
    inputsWatcher_.setFuture(QtConcurrent::run([listening = listening_] {
        try {
            return FoundInputs{listening().Inputs(), {}};
        } catch (const ListenError& error) {
            return FoundInputs{{}, error.what()};
        }
    }));
}

void wdwListen::ChooseFile() {
    const QString path = QFileDialog::getOpenFileName(
        this, "Open a Recording", {},
        QString("Recordings (%1);;All files (*)").arg(kRecordingPatterns));
    if (!path.isEmpty()) {
        Open(path);
    }
}

void wdwListen::Open(const QString& path) {
    if (Listening()) {
        start_->setChecked(false);
    }
    if (stopHearing_) {
        *stopHearing_ = true;  // the recording heard before: its answer is no longer wanted
    }
    lastFile_ = path;
    pendingSource_ = QFileInfo(path).fileName();
    Say("Hearing " + pendingSource_ + "\u2026");
    heardShare_ = std::make_shared<std::atomic<double>>(0.0);
    stopHearing_ = std::make_shared<std::atomic<bool>>(false);
    progress_->setValue(0);
    progress_->show();
    hearing_ = true;
    start_->setEnabled(false);
    look_.start(kLookMs);
    hearingWatcher_.setFuture(
        QtConcurrent::run([listening = listening_, file = path.toStdString(), mode = Mode(),
                           share = heardShare_, stop = stopHearing_] {
            try {
                Heard heard = listening().HearRecording(file, mode, [&](double heardShare) {
                    *share = heardShare;
                    return !*stop;
                });
                return HeardFile{std::move(heard), {}};
            } catch (const ListenError& error) {
                return HeardFile{std::nullopt, error.what()};
            } catch (const std::bad_alloc&) {
                return HeardFile{std::nullopt, "there is not enough memory to hear it"};
            }
        }));
}

void wdwListen::ToggleListening(bool on) {
    if (!on) {
        if (!microphone_) {
            return;
        }
        look_.stop();
        Heard heard = microphone_->SoFar();
        microphone_.reset();
        start_->setText("S&tart");
        mode_->setEnabled(true);
        inputs_->setEnabled(true);
        open_->setEnabled(true);
        level_->setValue(kLevelFloorDb);
        ShowHeard(std::move(heard), "Heard at " + inputs_->currentText());
        return;
    }
    try {
        microphone_ = listening_().Listen(inputs_->currentData().toString().toStdString(), Mode());
    } catch (const ListenError& error) {
        Say(QString("Cannot listen: ") + error.what(), true);
        start_->setChecked(false);
        return;
    }
    start_->setText("Sto&p");
    mode_->setEnabled(false);
    inputs_->setEnabled(false);
    open_->setEnabled(false);
    looks_ = 0;
    heard_ = {};
    lastFile_.clear();
    Say("Listening to " + inputs_->currentText() + "\u2026");
    look_.start(kLookMs);
}

void wdwListen::Look() {
    if (hearing_) {
        progress_->setValue(static_cast<int>(*heardShare_ * kProgressSteps));
        return;
    }
    if (!microphone_) {
        return;
    }
    if (const auto failure = microphone_->Failure()) {
        const QString why = Text(*failure);
        start_->setChecked(false);
        Say(why.left(1).toUpper() + why.mid(1), true);
        return;
    }
    const HeardNow now = microphone_->Now();
    const double db = now.level > 0 ? 20 * std::log10(now.level) : kLevelFloorDb;
    level_->setValue(std::clamp(static_cast<int>(db), kLevelFloorDb, 0));
    if (now.pitch) {
        const long key = std::lround(*now.pitch);
        const auto cents = static_cast<int>(std::lround((*now.pitch - key) * 100));
        const NoteName name =
            RootName(PitchClass(static_cast<int>(key % 12)), kept_, Answer().scales.keys);
        noteNow_->setText(QString("%1%2 %3%4 cents")
                              .arg(Text(name.Display()))
                              .arg(key / 12 - 1)
                              .arg(cents > 0 ? "+" : "")
                              .arg(cents));
    } else {
        noteNow_->setText("\u2013");
    }
    if (++looks_ % kAnswerEvery == 0) {
        ShowHeard(microphone_->SoFar(), "Listening to " + inputs_->currentText());
    }
}

void wdwListen::ShowHeard(Heard heard, const QString& source) {
    heard_ = std::move(heard);
    const bool live = Listening();
    answers_->Show(std::make_shared<const Melody>(heard_.AsMelody()), std::nullopt, live);
    kept_ = KeptNotesLine(Answer());
    QStringList names;
    const std::size_t shown = std::min<std::size_t>(heard_.notes.size(), kRecentNotes);
    for (std::size_t i = heard_.notes.size() - shown; i < heard_.notes.size(); ++i) {
        const int key = heard_.notes[i].midiKey;
        names << Text(RootName(PitchClass(key % 12), kept_, Answer().scales.keys).Display());
    }
    recent_->setText(names.join("  "));
    source_->setText(QString("%1: %2 s").arg(source).arg(heard_.seconds, 0, 'f', 1));
    if (!heard_.Clear()) {
        Say(live ? "Listening: no clear pitch yet" : "Heard, but no clear pitch", !live);
        return;
    }
    const QString tuning = std::abs(heard_.tuningCents) < 1
                               ? QString("in tune with A = 440")
                               : QString("tuned %1 cents %2 A = 440")
                                     .arg(std::lround(std::abs(heard_.tuningCents)))
                                     .arg(heard_.tuningCents > 0 ? "above" : "below");
    Say(QString("%1 notes, %2; a bar every %3 s")
            .arg(heard_.notes.size())
            .arg(tuning)
            .arg(kSecondsPerBar));
}

void wdwListen::Say(const QString& text, bool isError) {
    status_->setText(text);
    status_->setStyleSheet(
        isError ? QString("color: %1").arg(ErrorRedOn(palette().color(QPalette::Window)).name())
                : QString());
}

void wdwListen::hideEvent(QHideEvent* event) {
    // A window closed stops listening: the microphone is not left open.
    start_->setChecked(false);
    ToolWindow::hideEvent(event);
}

}  // namespace orvel
