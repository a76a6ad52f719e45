// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/wdwMelody.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include "midi/MidiKeyboard.h"
#include "musicfiles/MusicFileError.h"
#include "musicfiles/ReadMusicFile.h"
#include "platform/Contrast.h"

namespace orvel {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

wdwMelody::wdwMelody(const std::vector<TScale>& catalogue, MidiKeyboard* midi, QWidget* parent)
    : ToolWindow("wdwMelody", "Scales for a Melody", parent),
      catalogue_(catalogue),
      open_(new QPushButton("&Open\u2026", this)),
      record_(new QPushButton("&Record", this)),
      source_(new QLabel("Open a MIDI or MusicXML file, drop one here, or record a phrase", this)),
      busy_(new QProgressBar(this)),
      status_(new QLabel(this)),
      parts_(new QListWidget(this)),
      answers_(new MelodyAnswerView(catalogue, this)) {
    setAcceptDrops(true);
    open_->setToolTip("Open a MIDI file (.mid) or a MusicXML score (.musicxml, .xml, .mxl)");
    record_->setCheckable(true);
    record_->setEnabled(midi != nullptr);
    record_->setToolTip(midi != nullptr
                            ? "Play a phrase on the MIDI keyboard (Tools > MIDI Input), then Stop"
                            : "No MIDI keyboard can be listened to");
    source_->setAccessibleName("Melody");
    source_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    busy_->setRange(0, 0);  // busy: how long a file takes is not known
    busy_->setMaximumHeight(12);
    busy_->setTextVisible(false);
    busy_->hide();
    status_->setAccessibleName("Status");
    status_->setWordWrap(true);
    parts_->setAccessibleName("Tracks and parts");
    parts_->setToolTip("The tracks or parts to hear");
    parts_->setFlow(QListView::LeftToRight);
    parts_->setWrapping(true);
    parts_->setMaximumHeight(56);
    auto* top = new QHBoxLayout;
    top->addWidget(open_);
    top->addWidget(record_);
    top->addWidget(source_, 1);
    auto* partsCaption = new QLabel("&Tracks:", this);
    partsCaption->setBuddy(parts_);
    answers_->Choices().insertWidget(0, partsCaption);
    answers_->Choices().insertWidget(1, parts_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(busy_);
    layout->addWidget(status_);
    layout->addWidget(answers_, 1);
    resize(860, 780);

    connect(open_, &QPushButton::clicked, this, &wdwMelody::ChooseFile);
    connect(record_, &QPushButton::toggled, this, &wdwMelody::ToggleRecording);
    if (midi != nullptr) {
        connect(midi, &MidiKeyboard::eventsTaken, this, &wdwMelody::TakeMidi);
    }
    connect(&watcher_, &QFutureWatcher<ReadResult>::finished, this, &wdwMelody::Read);
    connect(parts_, &QListWidget::itemChanged, this, [this] { answers_->SetParts(TickedParts()); });
    connect(answers_, &MelodyAnswerView::detailsRequested, this, &wdwMelody::detailsRequested);
    connect(answers_, &MelodyAnswerView::notesRequested, this, &wdwMelody::notesRequested);
}

wdwMelody::~wdwMelody() {
    watcher_.waitForFinished();
}

void wdwMelody::ChooseFile() {
    const QString path = QFileDialog::getOpenFileName(
        this, "Open a Melody", {}, QString("Melodies (%1);;All files (*)").arg(kMusicFilePatterns));
    if (!path.isEmpty()) {
        Open(path);
    }
}

void wdwMelody::Open(const QString& path) {
    pendingSource_ = QFileInfo(path).fileName();
    status_->setText("Reading " + pendingSource_ + "\u2026");
    status_->setStyleSheet({});
    busy_->show();
    reading_ = true;
    MelodyQuery query = answers_->WholeQuery();
    query.span.parts.clear();  // every part, as a file newly read is heard
    watcher_.setFuture(
        QtConcurrent::run([file = path.toStdString(), catalogue = &catalogue_, query] {
            try {
                auto melody = std::make_shared<const Melody>(ReadMusicFile(file));
                MelodyAnswer whole = RankMelody(*catalogue, *melody, query);
                return ReadResult{std::move(melody), {}, query, std::move(whole)};
            } catch (const MusicFileError& error) {
                return ReadResult{nullptr, error.what(), query, {}};
            } catch (const std::bad_alloc&) {
                return ReadResult{nullptr, "there is not enough memory to read it", query, {}};
            }
        }));
}

void wdwMelody::Read() {
    busy_->hide();
    reading_ = false;
    const ReadResult result = watcher_.result();
    if (!result.melody) {
        status_->setText("Cannot read " + pendingSource_ + ": " + Text(result.error));
        status_->setStyleSheet(
            QString("color: %1").arg(ErrorRedOn(palette().color(QPalette::Window)).name()));
        return;
    }
    Present(result.melody, pendingSource_, std::pair(result.query, result.whole));
}

void wdwMelody::Present(std::shared_ptr<const Melody> melody, const QString& source,
                        std::optional<std::pair<MelodyQuery, MelodyAnswer>> whole) {
    status_->setStyleSheet({});
    status_->setText(melody->truncated
                         ? QString("Only the first %1 notes were read").arg(Melody::kMostNotes)
                         : QString());
    melody_ = std::move(melody);
    source_->setText(source);
    parts_->blockSignals(true);
    parts_->clear();
    for (const MelodyPart& part : melody_->parts) {
        auto* item = new QListWidgetItem(
            QString("%1 (%2 notes)").arg(Text(part.name)).arg(part.noteCount), parts_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    parts_->blockSignals(false);
    answers_->SetParts({});
    answers_->Show(melody_, std::move(whole));
}

void wdwMelody::ShowMelody(Melody melody, const QString& source) {
    Present(std::make_shared<const Melody>(std::move(melody)), source);
}

void wdwMelody::ToggleRecording(bool on) {
    if (on) {
        phrase_ = {};
        clock_.restart();
        record_->setText("&Stop");
        status_->setStyleSheet({});
        status_->setText("Recording: play on the MIDI keyboard, then Stop");
        return;
    }
    record_->setText("&Record");
    Melody played = phrase_.Take(clock_.nsecsElapsed() / 1e9);
    if (played.notes.empty()) {
        status_->setText("Nothing was played");
        return;
    }
    ShowMelody(std::move(played), "Played phrase");
}

void wdwMelody::TakeMidi(const std::vector<MidiEvent>& events) {
    if (!record_->isChecked()) {
        return;
    }
    const double seconds = clock_.nsecsElapsed() / 1e9;
    for (const MidiEvent& event : events) {
        if (event.kind == MidiEvent::Kind::KeyDown) {
            phrase_.Press(event.key, seconds);
        } else if (event.kind == MidiEvent::Kind::KeyUp) {
            phrase_.Release(event.key, seconds);
        }
    }
}

std::vector<std::size_t> wdwMelody::TickedParts() const {
    std::vector<std::size_t> parts;
    for (int row = 0; row < parts_->count(); ++row) {
        if (parts_->item(row)->checkState() == Qt::Checked) {
            parts.push_back(static_cast<std::size_t>(row));
        }
    }
    if (parts.size() == static_cast<std::size_t>(parts_->count())) {
        return {};
    }
    if (parts.empty()) {
        parts.push_back(melody_ ? melody_->parts.size() : 0);  // none: nothing to hear
    }
    return parts;
}

}  // namespace orvel
