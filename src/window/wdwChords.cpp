// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/wdwChords.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/AccidentalsDelegate.h"
#include "platform/AccidentalsLabel.h"
#include "platform/Contrast.h"
#include "platform/ReadableAccidentals.h"
#include "theory/RootName.h"
#include "theory/SpelledScale.h"

namespace orvel {

namespace {

// How long typing rests before the scales are ranked again.
constexpr int kPauseMs = 150;
constexpr int kNameColumnWidth = 125;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QString Joined(const std::vector<NoteName>& notes) {
    QStringList names;
    for (const NoteName& note : notes) {
        names << Text(note.Display());
    }
    return names.join(' ');
}

// Ranked scales as table rows: bank, scale, root, then the notes each adds
// beyond `against` or the one it misses, then whether it fits the whole
// progression. A chord's scales are named from its root as written
// (`chordRoot`), the others as the key and the chords name them. Cells
// are spelled when the table shows them.
class RankedRows final : public ListRows {
  public:
    RankedRows(const std::vector<TScale>& catalogue, std::vector<RankedScale> rows,
               Progression progression, std::vector<Key> keys, PitchClassesAboveC against,
               std::optional<NoteName> chordRoot)
        : catalogue_(catalogue),
          rows_(std::move(rows)),
          progression_(std::move(progression)),
          keys_(std::move(keys)),
          against_(against),
          chordRoot_(chordRoot) {}

    std::size_t RowCount() const override { return rows_.size(); }

    QString Cell(std::size_t index, int column) const override {
        const RankedScale& row = rows_.at(index);
        const TScale& entry = catalogue_[row.entry];
        switch (column) {
            case 0:
                return Text(entry.Bank);
            case 1:
                return Text(entry.Scale);
            case 2:
                return Text(Root(row).Display());
            case 3:
                return row.missing
                           ? Text(progression_.Spelled(*row.missing).value_or(NoteName{}).Display())
                           : Joined(NotesBeyond(Spelled(row), against_));
            case 4:
                return row.fitsProgression ? "yes" : "";
            default:
                return {};
        }
    }

  private:
    NoteName Root(const RankedScale& row) const {
        return chordRoot_ ? *chordRoot_ : RootName(row.root, progression_, keys_);
    }
    SpelledScale Spelled(const RankedScale& row) const {
        const TScale& entry = catalogue_[row.entry];
        return SpellScale(entry.Notes, Root(row), SpellAsFor(entry.Bank));
    }

    const std::vector<TScale>& catalogue_;
    std::vector<RankedScale> rows_;
    Progression progression_;
    std::vector<Key> keys_;
    PitchClassesAboveC against_;
    std::optional<NoteName> chordRoot_;
};

// The best fits as table rows: the scale on its root ("C Major"), its
// notes, the notes it leaves out with a chord each comes from, and its
// other names.
class BestRows final : public ListRows {
  public:
    BestRows(const std::vector<TScale>& catalogue, std::vector<BestFit> rows,
             Progression progression, std::vector<Key> keys)
        : catalogue_(catalogue),
          rows_(std::move(rows)),
          progression_(std::move(progression)),
          keys_(std::move(keys)) {}

    std::size_t RowCount() const override { return rows_.size(); }

    QString Cell(std::size_t index, int column) const override {
        const BestFit& row = rows_.at(index);
        const TScale& entry = catalogue_[row.entry];
        const NoteName root = RootName(row.root, progression_, keys_);
        switch (column) {
            case 0:
                return Text(root.Display() + " " + entry.Scale);
            case 1:
                return Text(SpellScale(entry.Notes, root, SpellAsFor(entry.Bank)).DisplayNotes());
            case 2:
                return row.HoldsEveryNote() ? QString("none: holds every note") : LeftOut(row);
            case 3: {
                QStringList names;
                for (const std::uint32_t also : row.also) {
                    names << Text(catalogue_[also].Scale);
                }
                return names.join(", ");
            }
            default:
                return {};
        }
    }

  private:
    QString LeftOut(const BestFit& row) const {
        QStringList notes;
        for (const PitchClass note : row.leftOut.Members()) {
            if (const auto holder = progression_.FirstWith(note)) {
                notes << Text(holder->note.Display() + " of " + holder->item->text);
            }
        }
        return notes.join(", ");
    }

    const std::vector<TScale>& catalogue_;
    std::vector<BestFit> rows_;
    Progression progression_;
    std::vector<Key> keys_;
};

}  // namespace

wdwChords::wdwChords(const std::vector<TScale>& catalogue, QWidget* parent)
    : ToolWindow("wdwChords", "Scales for Chords", parent),
      catalogue_(catalogue),
      line_(new QPlainTextEdit(this)),
      readAs_(new QButtonGroup(this)),
      chords_(new QListWidget(this)),
      key_(new AccidentalsLabel(this)),
      bestModel_({"Scale", "Notes", "Left Out", "Also"}, this),
      fitsModel_({"Bank", "Scale", "Root", "Added Notes"}, this),
      nearlyModel_({"Bank", "Scale", "Root", "Missing"}, this),
      chordScalesModel_({"Bank", "Scale", "Root", "Added Notes", "Fits All"}, this),
      bestCaption_(new QLabel(this)),
      best_(MakeScaleTable("Best Fits", bestModel_, this)),
      fitsCaption_(new QLabel(this)),
      fits_(MakeScaleTable("Fits the Whole Progression", fitsModel_, this)),
      nearlyCaption_(new QLabel(this)),
      nearly_(MakeScaleTable("Missing One Note", nearlyModel_, this)),
      chordScalesCaption_(new QLabel("Chord-Scales", this)),
      chordScales_(MakeScaleTable("Chord-Scales", chordScalesModel_, this)),
      showInMain_(new QPushButton("&Show in Main Window", this)) {
    line_->setPlaceholderText("Dm7 G7 Cmaj7   or a lead sheet:   | Am | F | C | G7 % |");
    line_->setAccessibleName("Chords");
    line_->setToolTip(
        "Chord symbols, separated by spaces, commas, bar lines or line breaks, "
        "% repeating the bar before; or, read as notes, the notes of a melody");
    line_->setTabChangesFocus(true);
    line_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Three lines of a lead sheet show at once; more scroll.
    line_->setFixedHeight(
        line_->fontMetrics().lineSpacing() * 3 +
        2 * (line_->frameWidth() + static_cast<int>(line_->document()->documentMargin())));
    key_->setAccessibleName("Key");
    QFont keyFont = key_->font();
    keyFont.setBold(true);
    keyFont.setPointSizeF(keyFont.pointSizeF() * 1.2);
    key_->setFont(keyFont);
    key_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* lineCaption = new QLabel("&Chords:", this);
    lineCaption->setBuddy(line_);

    auto* chordsButton = new QRadioButton("C&hords", this);
    auto* notesButton = new QRadioButton("&Notes", this);
    chordsButton->setChecked(true);
    readAs_->addButton(chordsButton, static_cast<int>(ReadAs::Chords));
    readAs_->addButton(notesButton, static_cast<int>(ReadAs::Notes));
    chordsButton->setToolTip("Each word is a chord symbol: C F G are the I, IV and V chords");
    notesButton->setToolTip("The whole line is one set of notes: C F G are three notes");

    chords_->setAccessibleName("Chords of the progression");
    chords_->setFlow(QListView::LeftToRight);
    chords_->setWrapping(true);
    chords_->setMaximumHeight(64);
    chords_->setToolTip("Select a chord for its chord-scales");
    chords_->setItemDelegate(new AccidentalsDelegate(chords_));
    showInMain_->setToolTip("Choose this scale's root in the main window and tick the notes");
    showInMain_->setEnabled(false);

    auto* top = new QHBoxLayout;
    top->addWidget(lineCaption);
    top->addWidget(line_, 1);
    top->addWidget(new QLabel("Read as:", this));
    top->addWidget(chordsButton);
    top->addWidget(notesButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(chords_);
    layout->addWidget(key_);
    layout->addWidget(bestCaption_);
    layout->addWidget(best_, 2);
    auto* lists = new QGridLayout;
    lists->addWidget(fitsCaption_, 0, 0);
    lists->addWidget(fits_, 1, 0);
    lists->addWidget(nearlyCaption_, 0, 1);
    lists->addWidget(nearly_, 1, 1);
    layout->addLayout(lists, 2);
    layout->addWidget(chordScalesCaption_);
    layout->addWidget(chordScales_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(showInMain_);
    layout->addLayout(buttons);
    for (auto [caption, table] : {std::pair{bestCaption_, best_},
                                  {fitsCaption_, fits_},
                                  {nearlyCaption_, nearly_},
                                  {chordScalesCaption_, chordScales_}}) {
        caption->setBuddy(table);
    }
    // Placed where room is short, a progression still reads whole.
    line_->setMinimumWidth(line_->fontMetrics().horizontalAdvance("| Dm7 | G7 | Cmaj7 | A7 |"));
    resize(900, 760);

    pause_.setSingleShot(true);
    pause_.setInterval(kPauseMs);
    connect(&pause_, &QTimer::timeout, this, &wdwChords::Refresh);
    connect(line_, &QPlainTextEdit::textChanged, &pause_, qOverload<>(&QTimer::start));
    connect(readAs_, &QButtonGroup::idClicked, this, &wdwChords::Refresh);
    connect(chords_, &QListWidget::currentRowChanged, this, &wdwChords::ShowChordScales);
    for (QTableView* table : {best_, fits_, nearly_, chordScales_}) {
        connect(table, &QTableView::activated, this, [this, table] { OpenDetails(*table); });
        connect(table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [this, table] {
                    lastTable_ = table;
                    showInMain_->setEnabled(SelectedScale().has_value());
                });
    }
    connect(showInMain_, &QPushButton::clicked, this, [this] {
        if (const auto scale = SelectedScale()) {
            emit notesRequested(progression_.Notes(), scale->root.PitchClass());
        }
    });
    setTabOrder(line_, chordsButton);
    setTabOrder(chordsButton, notesButton);
    setTabOrder(notesButton, chords_);
    setTabOrder(chords_, best_);
    setTabOrder(best_, fits_);
    setTabOrder(fits_, nearly_);
    setTabOrder(nearly_, chordScales_);
    setTabOrder(chordScales_, showInMain_);
    Refresh();
}

void wdwChords::Refresh() {
    pause_.stop();
    const auto as = static_cast<ReadAs>(readAs_->checkedId());
    progression_ = ReadProgression(line_->toPlainText().toStdString(), as);
    const PitchClassesAboveC notes = progression_.Notes();
    ranked_ = RankProgression(catalogue_, progression_);

    const int selected = std::max(0, chords_->currentRow());
    chords_->clear();
    for (const ProgressionItem& item : progression_.items) {
        QString text = Text(item.text);
        if (item.chord) {
            text += ":  " + Joined(item.chord->Sounding().notes);
        } else if (item.rest) {
            text += ":  no chord";
        } else if (!item.Read()) {
            text += ":  " + Text(item.error);
        }
        auto* entry = new QListWidgetItem(text, chords_);
        if (!item.Read()) {
            entry->setForeground(ErrorRedOn(palette().color(QPalette::Base)));
            entry->setToolTip(ReadableToolTip("Cannot be read: " + Text(item.error)));
            entry->setFlags(entry->flags() & ~Qt::ItemIsSelectable);
        }
    }
    ShowKeyAndBestFits();
    const auto rows = [&](const std::vector<RankedScale>& ranked) {
        return std::make_shared<RankedRows>(catalogue_, ranked, progression_, ranked_.keys, notes,
                                            std::nullopt);
    };
    Fill(*fits_, *fitsCaption_, "Fits the Whole Progression", rows(ranked_.fits));
    Fill(*nearly_, *nearlyCaption_, "Missing One Note", rows(ranked_.nearly));
    // The same place in the row of chords as before, or else the first chord.
    std::optional<int> first;
    std::optional<int> again;
    for (int i = 0; i < chords_->count(); ++i) {
        if (progression_.items[static_cast<std::size_t>(i)].chord) {
            first = first.value_or(i);
            again = !again && i >= selected ? std::optional(i) : again;
        }
    }
    if (const auto row = again ? again : first) {
        chords_->setCurrentRow(*row);
    }
    ShowChordScales();
}

std::optional<std::size_t> wdwChords::SelectedChord() const {
    const int current = chords_->currentRow();
    if (current < 0 || current >= static_cast<int>(progression_.items.size()) ||
        !progression_.items[static_cast<std::size_t>(current)].chord) {
        return std::nullopt;
    }
    std::size_t read = 0;
    for (int i = 0; i < current; ++i) {
        read += progression_.items[static_cast<std::size_t>(i)].chord ? 1 : 0;
    }
    return read < ranked_.perChord.size() ? std::optional(read) : std::nullopt;
}

void wdwChords::ShowKeyAndBestFits() {
    const std::vector<Key>& keys = ranked_.keys;
    QString key =
        keys.empty() ? QString("Key: none without chords") : "Key: " + Text(keys.front().Display());
    if (keys.size() > 1) {
        QStringList also;
        for (std::size_t k = 1; k < keys.size(); ++k) {
            also << Text(keys[k].Display());
        }
        key += " (or " + also.join(", ") + ")";
    }
    key_->SetPlainText(key);
    Fill(*best_, *bestCaption_, "Best Fits",
         std::make_shared<BestRows>(catalogue_, ranked_.best, progression_, keys));
}

void wdwChords::ShowChordScales() {
    const auto chord = SelectedChord();
    if (!chord) {
        Fill(*chordScales_, *chordScalesCaption_, "Chord-Scales", nullptr);
        return;
    }
    const ProgressionItem& item =
        progression_.items[static_cast<std::size_t>(chords_->currentRow())];
    Fill(*chordScales_, *chordScalesCaption_, "Chord-Scales of " + Text(item.text),
         std::make_shared<RankedRows>(catalogue_, ranked_.perChord[*chord], progression_,
                                      ranked_.keys, item.chord->Notes(),
                                      ChordScaleRoot(*item.chord)));
}

void wdwChords::Fill(QTableView& table, QLabel& caption, const QString& title,
                     std::shared_ptr<ListRows> rows) {
    const std::size_t count = rows ? rows->RowCount() : 0;
    caption.setText(count == 0 ? title : QString("%1 (%2)").arg(title).arg(count));
    auto& model = dynamic_cast<TableModel&>(*table.model());
    model.SetRows(std::move(rows));
    // The widths of what shows first; long bank and scale names give way,
    // so that the root and the notes stay in view, and show in full as
    // their tooltips.
    table.resizeColumnsToContents();
    for (const int column : {0, 1}) {
        table.setColumnWidth(column, std::min(table.columnWidth(column), kNameColumnWidth));
    }
}

std::optional<wdwChords::Chosen> wdwChords::SelectedScale() const {
    if (lastTable_ == nullptr || !lastTable_->selectionModel()->hasSelection()) {
        return std::nullopt;
    }
    const auto index = static_cast<std::size_t>(lastTable_->currentIndex().row());
    if (lastTable_ == best_) {
        if (index >= ranked_.best.size()) {
            return std::nullopt;
        }
        const BestFit& row = ranked_.best[index];
        return Chosen{row.entry, RootName(row.root, progression_, ranked_.keys)};
    }
    const std::vector<RankedScale>* rows = lastTable_ == fits_     ? &ranked_.fits
                                           : lastTable_ == nearly_ ? &ranked_.nearly
                                                                   : nullptr;
    std::optional<NoteName> chordRoot;
    if (rows == nullptr) {
        const auto chord = SelectedChord();
        if (!chord) {
            return std::nullopt;
        }
        rows = &ranked_.perChord[*chord];
        chordRoot = ChordScaleRoot(
            *progression_.items[static_cast<std::size_t>(chords_->currentRow())].chord);
    }
    if (index >= rows->size()) {
        return std::nullopt;
    }
    const RankedScale& row = (*rows)[index];
    return Chosen{row.entry, chordRoot.value_or(RootName(row.root, progression_, ranked_.keys))};
}

ScaleRow wdwChords::RowOf(const Chosen& scale) const {
    const PitchClass root = scale.root.PitchClass();
    return {.entry = catalogue_[scale.entry],
            .root = root,
            .ticks = Ticks{.notes = progression_.Notes(), .chosenRoot = root},
            .rootLetter = scale.root.letter};
}

void wdwChords::OpenDetails(QTableView& table) {
    lastTable_ = &table;
    if (const auto scale = SelectedScale()) {
        emit detailsRequested(RowOf(*scale));
    }
}

}  // namespace orvel
