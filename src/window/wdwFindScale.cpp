// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/wdwFindScale.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "matching/NoteNameTable.h"

namespace orvel {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// The entries found, as table rows: bank, scale, and the other names.
class FoundRows final : public ListRows {
  public:
    FoundRows(const std::vector<TScale>& catalogue, const std::vector<FoundScale>& found)
        : catalogue_(catalogue), found_(found) {}

    std::size_t RowCount() const override { return found_.size(); }

    QString Cell(std::size_t row, int column) const override {
        const FoundScale& found = found_.at(row);
        const TScale& entry = catalogue_[found.entry];
        switch (column) {
            case 0:
                return Text(entry.Bank);
            case 1:
                return Text(entry.Scale);
            case 2: {
                QStringList aliases;
                for (const std::string& alias : found.aliases) {
                    aliases << Text(alias);
                }
                return aliases.join(", ");
            }
            default:
                return {};
        }
    }

  private:
    const std::vector<TScale>& catalogue_;
    const std::vector<FoundScale>& found_;  // the window's, replaced only after a model reset
};

}  // namespace

wdwFindScale::wdwFindScale(const std::vector<TScale>& catalogue, QWidget* parent)
    : ToolWindow("wdwFindScale", "Find Scale", parent),
      catalogue_(catalogue),
      model_({"Bank", "Scale", "Also Called"}, this),
      line_(new QLineEdit(this)),
      root_(new QComboBox(this)),
      caption_(new QLabel(this)),
      found_(MakeScaleTable("Scales found", model_, this)),
      showInMain_(new QPushButton("&Show in Main Window", this)) {
    line_->setPlaceholderText("Part of a name or bank: hira, blues, bebop");
    line_->setAccessibleName("Name or bank");
    auto* lineCaption = new QLabel("&Find:", this);
    lineCaption->setBuddy(line_);
    for (const std::string_view name : kNoteNameTable) {
        root_->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }
    SetRoot(kDefaultRootIndex.Note());
    root_->setToolTip("The root the scale is shown and ticked from");
    auto* rootCaption = new QLabel("&Root:", this);
    rootCaption->setBuddy(root_);
    caption_->setBuddy(found_);
    showInMain_->setToolTip("Choose the root in the main window and tick the scale's notes");

    auto* top = new QHBoxLayout;
    top->addWidget(lineCaption);
    top->addWidget(line_, 1);
    top->addWidget(rootCaption);
    top->addWidget(root_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(caption_);
    layout->addWidget(found_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(showInMain_);
    layout->addLayout(buttons);
    // Placed where room is short, it still shows a handful of scales.
    found_->setMinimumHeight(found_->verticalHeader()->defaultSectionSize() * 6);
    resize(620, 420);

    connect(line_, &QLineEdit::textChanged, this, &wdwFindScale::Search);
    connect(found_, &QTableView::activated, this, &wdwFindScale::OpenDetails);
    // Enter in the line opens the first scale found.
    connect(line_, &QLineEdit::returnPressed, this, &wdwFindScale::OpenDetails);
    connect(found_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { showInMain_->setEnabled(Selected() != nullptr); });
    connect(showInMain_, &QPushButton::clicked, this, [this] {
        if (const TScale* entry = Selected()) {
            emit notesRequested(NotesOn(entry->Notes, Root()), Root());
        }
    });
    setTabOrder(line_, root_);
    setTabOrder(root_, found_);
    setTabOrder(found_, showInMain_);
    Search();
}

void wdwFindScale::SetRoot(PitchClass root) {
    root_->setCurrentIndex(NoteTableIndex::Of(root).Value());
}

PitchClass wdwFindScale::Root() const {
    return NoteTableIndex(root_->currentIndex()).Note();
}

void wdwFindScale::Search() {
    std::vector<FoundScale> found = FindScales(catalogue_, line_->text().toStdString());
    model_.SetRows(nullptr);  // no row refers to the entries while they are replaced
    shown_ = std::move(found);
    model_.SetRows(std::make_shared<FoundRows>(catalogue_, shown_));
    caption_->setText(QString("Scales (%1)").arg(shown_.size()));
    // The aliases take the room that is left.
    found_->resizeColumnToContents(0);
    found_->resizeColumnToContents(1);
    if (!shown_.empty()) {
        found_->selectRow(0);
    }
    showInMain_->setEnabled(Selected() != nullptr);
}

const TScale* wdwFindScale::Selected() const {
    if (!found_->selectionModel()->hasSelection()) {
        return nullptr;
    }
    const int row = found_->currentIndex().row();
    if (row < 0 || static_cast<std::size_t>(row) >= shown_.size()) {
        return nullptr;
    }
    return &catalogue_[shown_[static_cast<std::size_t>(row)].entry];
}

void wdwFindScale::OpenDetails() {
    if (const TScale* entry = Selected()) {
        // No ticks: the details window shows it against the main window's.
        emit detailsRequested({.entry = *entry, .root = Root(), .ticks = std::nullopt});
    }
}

}  // namespace orvel
