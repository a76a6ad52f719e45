// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/RankedScaleRows.h"

#include <QStringList>

#include "theory/RootName.h"
#include "theory/SpelledScale.h"

namespace orvel {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

QString NoteList(const std::vector<NoteName>& notes) {
    QStringList names;
    for (const NoteName& note : notes) {
        names << Text(note.Display());
    }
    return names.join(' ');
}

QString KeysText(const std::vector<Key>& keys, const QString& none) {
    if (keys.empty()) {
        return none;
    }
    QString text = Text(keys.front().Display());
    if (keys.size() > 1) {
        QStringList also;
        for (std::size_t k = 1; k < keys.size(); ++k) {
            also << Text(keys[k].Display());
        }
        text += " (or " + also.join(", ") + ")";
    }
    return text;
}

RankedRows::RankedRows(const std::vector<TScale>& catalogue, std::vector<RankedScale> rows,
                       Progression progression, std::vector<Key> keys, PitchClassesAboveC against,
                       std::optional<NoteName> chordRoot)
    : catalogue_(catalogue),
      rows_(std::move(rows)),
      progression_(std::move(progression)),
      keys_(std::move(keys)),
      against_(against),
      chordRoot_(chordRoot) {}

QString RankedRows::Cell(std::size_t index, int column) const {
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
                       : NoteList(NotesBeyond(
                             SpellScale(entry.Notes, Root(row), SpellAsFor(entry.Bank)), against_));
        case 4:
            return row.fitsProgression ? "yes" : "";
        default:
            return {};
    }
}

NoteName RankedRows::Root(const RankedScale& row) const {
    return chordRoot_ ? *chordRoot_ : RootName(row.root, progression_, keys_);
}

BestRows::BestRows(const std::vector<TScale>& catalogue, std::vector<BestFit> rows,
                   Progression progression, std::vector<Key> keys)
    : catalogue_(catalogue),
      rows_(std::move(rows)),
      progression_(std::move(progression)),
      keys_(std::move(keys)) {}

QString BestRows::Cell(std::size_t index, int column) const {
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

QString BestRows::LeftOut(const BestFit& row) const {
    QStringList notes;
    for (const PitchClass note : row.leftOut.Members()) {
        if (const auto holder = progression_.FirstWith(note)) {
            notes << Text(holder->item->chord ? holder->note.Display() + " of " + holder->item->text
                                              : holder->note.Display());
        }
    }
    return notes.join(", ");
}

}  // namespace orvel
