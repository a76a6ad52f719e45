// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The details window's "Relations" (ScaleRelations.h), a tab each: the
// scale's modes (brightest first marked), its neighbours one note away,
// the scales of its size on its root and its relative, the chords on each
// degree, and its set-class facts. Double-click or Enter on a scale asks
// for its details (scaleChosen); a click on a chord asks for it to sound
// (chordChosen).

#include <QLabel>
#include <QTabWidget>
#include <QTableView>
#include <vector>

#include "matching/ScaleRelations.h"
#include "platform/TableModel.h"
#include "scales/TScale.h"

namespace orvel {

class RelationsPanel : public QTabWidget {
    Q_OBJECT

  public:
    // `catalogue` outlives the panel.
    RelationsPanel(const std::vector<TScale>& catalogue, QWidget* parent);

    void Show(ScaleRelations relations);
    const ScaleRelations& Shown() const { return relations_; }

    QTableView& Modes() const { return *modes_; }
    QTableView& Neighbours() const { return *neighbours_; }
    QTableView& Parallel() const { return *parallel_; }
    QTableView& Chords() const { return *chords_; }
    QLabel& SetClassText() const { return *setClass_; }

  signals:
    void scaleChosen(orvel::RelatedScale scale);
    void chordChosen(std::vector<orvel::PitchClass> notes);

  private:
    // The related scales each table lists, in its rows' order.
    std::vector<RelatedScale> neighbourRows_;
    std::vector<RelatedScale> parallelRows_;

    const std::vector<TScale>& catalogue_;
    ScaleRelations relations_;
    TableModel modesModel_;
    TableModel neighboursModel_;
    TableModel parallelModel_;
    TableModel chordsModel_;
    QTableView* modes_;
    QTableView* neighbours_;
    QTableView* parallel_;
    QTableView* chords_;
    QLabel* setClass_;
};

}  // namespace orvel
