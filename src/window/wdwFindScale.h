// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Finding a scale by name (Tools > Find Scale…): the catalogue's entries
// that FindScales finds for the words typed, each with its aliases; with
// nothing typed, every entry, to browse. A root popup sits beside the list,
// on the main window's root when the window opens. Enter or double-click
// asks for the details window on the selected scale from that root; "Show
// in Main Window" asks for its notes there (detailsRequested,
// notesRequested).

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <vector>

#include "matching/FindScales.h"
#include "platform/TableModel.h"
#include "scales/PitchClass.h"
#include "scales/ScaleRow.h"
#include "scales/TScale.h"
#include "window/ToolWindow.h"

namespace orvel {

class wdwFindScale : public ToolWindow {
    Q_OBJECT

  public:
    // `catalogue` is the main window's, which outlives this window.
    wdwFindScale(const std::vector<TScale>& catalogue, QWidget* parent);

    // Chooses the root the scales are shown and ticked from.
    void SetRoot(PitchClass root);
    PitchClass Root() const;

    QLineEdit& Line() const { return *line_; }
    QComboBox& RootPopup() const { return *root_; }
    QTableView& Found() const { return *found_; }
    const TableModel& FoundModel() const { return model_; }
    QWidget& FocusTarget() const override { return *line_; }

  signals:
    void detailsRequested(const orvel::ScaleRow& row);
    void notesRequested(orvel::PitchClassesAboveC notes, orvel::PitchClass root);

  private:
    void Search();
    void OpenDetails();
    const TScale* Selected() const;

    const std::vector<TScale>& catalogue_;
    std::vector<FoundScale> shown_;
    TableModel model_;
    QLineEdit* line_;
    QComboBox* root_;
    QLabel* caption_;
    QTableView* found_;
    QPushButton* showInMain_;
};

}  // namespace orvel
