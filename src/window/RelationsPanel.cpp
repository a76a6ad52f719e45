// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/RelationsPanel.h"

#include <QHeaderView>
#include <QStringList>
#include <algorithm>
#include <memory>

#include "window/ToolWindow.h"

namespace orvel {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QString NameOf(const RelatedScale& scale, const std::vector<TScale>& catalogue) {
    return scale.entries.empty() ? QString("\u2014") : Text(catalogue[scale.entries.front()].Scale);
}

QString AlsoOf(const RelatedScale& scale, const std::vector<TScale>& catalogue) {
    QStringList names;
    for (std::size_t i = 1; i < scale.entries.size(); ++i) {
        names << Text(catalogue[scale.entries[i]].Scale);
    }
    return names.join(", ");
}

// Rows of text, made when shown.
class TextRows final : public ListRows {
  public:
    explicit TextRows(std::vector<QStringList> rows) : rows_(std::move(rows)) {}
    std::size_t RowCount() const override { return rows_.size(); }
    QString Cell(std::size_t index, int column) const override {
        const QStringList& row = rows_.at(index);
        return column < row.size() ? row[column] : QString();
    }

  private:
    std::vector<QStringList> rows_;
};

QString SymbolOf(const std::optional<StackedChord>& chord) {
    // As the window writes chords: "B°", "Bø7", "E♭maj7".
    if (!chord) {
        return "\u2014";
    }
    QString symbol =
        Text(chord->root.Display()) + Text(chord->symbol.substr(chord->root.Ascii().size()));
    symbol.replace("m7b5", "\u00F87").replace("dim", "\u00B0").replace("#", "\u266F");
    return symbol;
}

void FillRows(TableModel& model, std::vector<QStringList> rows) {
    model.SetRows(std::make_shared<TextRows>(std::move(rows)));
}

}  // namespace

RelationsPanel::RelationsPanel(const std::vector<TScale>& catalogue, QWidget* parent)
    : QTabWidget(parent),
      catalogue_(catalogue),
      modesModel_({"Root", "Mode", "Also", "Brightness"}, this),
      neighboursModel_({"Change", "Scale", "Also"}, this),
      parallelModel_({"Scale", "Also"}, this),
      chordsModel_({"Degree", "Triad", "Seventh", "Numeral"}, this),
      modes_(MakeScaleTable("Modes", modesModel_, this)),
      neighbours_(MakeScaleTable("Neighbours", neighboursModel_, this)),
      parallel_(MakeScaleTable("Parallel and relative", parallelModel_, this)),
      chords_(MakeScaleTable("Chords on each degree", chordsModel_, this)),
      setClass_(new QLabel(this)) {
    setAccessibleName("Relations");
    addTab(modes_, "Modes");
    addTab(neighbours_, "Neighbours");
    addTab(parallel_, "Parallel");
    addTab(chords_, "Chords");
    setClass_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    setClass_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    setClass_->setMargin(8);
    addTab(setClass_, "Set Class");
    chords_->setToolTip("Click a chord to hear it");
    setMinimumHeight(180);

    connect(modes_, &QTableView::activated, this, [this](const QModelIndex& index) {
        emit scaleChosen(relations_.modes.at(static_cast<std::size_t>(index.row())));
    });
    connect(neighbours_, &QTableView::activated, this, [this](const QModelIndex& index) {
        emit scaleChosen(neighbourRows_.at(static_cast<std::size_t>(index.row())));
    });
    connect(parallel_, &QTableView::activated, this, [this](const QModelIndex& index) {
        emit scaleChosen(parallelRows_.at(static_cast<std::size_t>(index.row())));
    });
    connect(chords_, &QTableView::clicked, this, [this](const QModelIndex& index) {
        const DegreeChord& chord = relations_.chords.at(static_cast<std::size_t>(index.row()));
        const std::optional<StackedChord>& played =
            index.column() == 2 ? chord.seventh : chord.triad;
        if (played) {
            emit chordChosen(played->Notes());
        }
    });
}

void RelationsPanel::Show(ScaleRelations relations) {
    relations_ = std::move(relations);
    std::vector<QStringList> modes;
    const std::size_t brightest =
        relations_.byBrightness.empty() ? 0 : relations_.byBrightness.front();
    for (std::size_t m = 0; m < relations_.modes.size(); ++m) {
        const RelatedScale& mode = relations_.modes[m];
        const auto rank =
            std::find(relations_.byBrightness.begin(), relations_.byBrightness.end(), m) -
            relations_.byBrightness.begin();
        modes.push_back({Text(mode.root.Display()), NameOf(mode, catalogue_),
                         AlsoOf(mode, catalogue_),
                         QString("%1%2").arg(rank + 1).arg(m == brightest ? " (brightest)" : "")});
    }
    FillRows(modesModel_, modes);

    neighbourRows_.clear();
    std::vector<QStringList> neighbours;
    const auto add = [&](const std::vector<RelatedScale>& scales, const QString& sign) {
        for (const RelatedScale& scale : scales) {
            const QString change =
                scale.from ? Text(scale.from->Display()) + " \u2192 " + Text(scale.note->Display())
                           : sign + " " + Text(scale.note->Display());
            neighbours.push_back({change,
                                  Text(scale.root.Display()) + " " + NameOf(scale, catalogue_),
                                  AlsoOf(scale, catalogue_)});
            neighbourRows_.push_back(scale);
        }
    };
    add(relations_.added, "+");
    add(relations_.removed, "\u2212");
    add(relations_.moved, "");
    FillRows(neighboursModel_, neighbours);

    parallelRows_.clear();
    std::vector<QStringList> parallel;
    if (relations_.relative) {
        parallel.push_back({"Relative: " + Text(relations_.relative->root.Display()) + " " +
                                NameOf(*relations_.relative, catalogue_),
                            AlsoOf(*relations_.relative, catalogue_)});
        parallelRows_.push_back(*relations_.relative);
    }
    for (const RelatedScale& scale : relations_.parallel) {
        parallel.push_back({Text(scale.root.Display()) + " " + NameOf(scale, catalogue_),
                            AlsoOf(scale, catalogue_)});
        parallelRows_.push_back(scale);
    }
    FillRows(parallelModel_, parallel);

    std::vector<QStringList> chords;
    for (std::size_t degree = 0; degree < relations_.chords.size(); ++degree) {
        const DegreeChord& chord = relations_.chords[degree];
        QString numeral = Text(chord.Numeral());
        if (degree < relations_.catalogueChords.size() &&
            !relations_.catalogueChords[degree].empty()) {
            QStringList held;
            for (const std::uint32_t entry : relations_.catalogueChords[degree]) {
                held << Text(catalogue_[entry].Scale);
            }
            numeral = held.join(", ");
        }
        chords.push_back({Text(relations_.modes[degree].root.Display()), SymbolOf(chord.triad),
                          SymbolOf(chord.seventh), numeral});
    }
    FillRows(chordsModel_, chords);

    const SetClass& set = relations_.setClass;
    QStringList vector;
    for (const int count : set.intervalVector) {
        vector << QString::number(count);
    }
    QString facts = QString("Forte %1, prime form %2")
                        .arg(Text(set.forteName), Text(SetClass::Text(set.primeForm)));
    if (set.rahnPrimeForm != set.primeForm) {
        facts += QString(" (Rahn: %1)").arg(Text(SetClass::Text(set.rahnPrimeForm)));
    }
    facts += QString("\nInterval vector <%1>\n%2 notes\n")
                 .arg(vector.join(' '))
                 .arg(set.primeForm.size());
    facts += set.transpositions < 12
                 ? QString("A mode of limited transposition: %1 distinct transpositions\n")
                       .arg(set.transpositions)
                 : QString("12 distinct transpositions\n");
    facts += set.ownInversion ? "Its own inversion" : "Chiral: its inversion is another set";
    setClass_->setText(facts);
    for (QTableView* table : {modes_, neighbours_, parallel_, chords_}) {
        table->resizeColumnsToContents();
    }
    setClass_->setAccessibleDescription(facts);
}

}  // namespace orvel
