// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Finding a scale by name (Tools > Find Scale…): typing part of a scale's
// name or bank lists the catalogue's matching entries, each with its
// aliases (the entries of the same set in the same bank). A root popup sits
// beside the list. Enter or double-click asks for the details window on the
// selected scale from that root; "Show in Main Window" asks for its notes
// there. The main window answers both (detailsRequested, notesRequested).

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "scales/TScale.h"
#include "window/wdwDetails.h"

namespace orvel {

class wdwFindScale : public QWidget {
    Q_OBJECT

  public:
    // At most this many entries are listed; the caption says how many more.
    static constexpr int kShownRows = 500;

    // `catalogue` is the main window's, which outlives this window.
    wdwFindScale(const std::vector<TScale>& catalogue, QWidget* parent);

    QLineEdit& Line() const { return *line_; }
    QComboBox& Root() const { return *root_; }
    QTableWidget& Found() const { return *found_; }

  signals:
    void detailsRequested(const orvel::wdwDetails::Row& row);
    void notesRequested(orvel::PitchClassesAboveC notes, int root);

  private:
    void Search();
    void OpenDetails();
    const TScale* Selected() const;
    int RootPitchClass() const;

    const std::vector<TScale>& catalogue_;
    // The names of each set in each bank, in catalogue order.
    std::map<std::pair<std::string, PitchClassSet>, std::vector<std::string>> aliases_;
    std::vector<std::size_t> shown_;  // the entries listed, by row
    QLineEdit* line_;
    QComboBox* root_;
    QLabel* caption_;
    QTableWidget* found_;
    QPushButton* showInMain_;
};

}  // namespace orvel
