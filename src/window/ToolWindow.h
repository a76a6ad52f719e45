// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every window beside the main one shares: it is a window of its own
// (not modal), named for tests and screen readers, and Escape or Ctrl+W
// closes it. ToolWindows opens it with the focus on FocusTarget. A window
// that opens files takes one dropped on it: it accepts drops
// (setAcceptDrops) and opens the file in OpenDropped.
//
// MakeScaleTable gives the tables of scales these windows list: read-only,
// a row at a time, over a TableModel, with readable accidentals; Enter or
// a double-click on a row activates it.

#include <QLabel>
#include <QString>
#include <QStringList>
#include <QTableView>
#include <QWidget>
#include <memory>
#include <optional>
#include <string_view>

#include "platform/AccidentalsLabel.h"
#include "platform/ListRows.h"
#include "platform/TableModel.h"

namespace orvel {

class ToolWindow : public QWidget {
  public:
    ToolWindow(const QString& objectName, const QString& title, QWidget* parent);

    // The control that takes the keyboard when the window is opened.
    virtual QWidget& FocusTarget() const = 0;

  protected:
    virtual void OpenDropped(const QString& /*path*/) {}
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};

// A table of scales over `model`, which the table's parent keeps; named
// `name` for screen readers.
QTableView* MakeScaleTable(const QString& name, TableModel& model, QWidget* parent);
// The bold line that names the key ("Key: A minor (or C major)").
AccidentalsLabel* MakeKeyLabel(QWidget* parent);

// The file an Export… button's dialog chose, its name ending as the format
// chosen asks, and that format's place among `filters` ("MIDI file
// (*.mid)"); nothing where the dialog was cancelled.
struct ExportFile {
    QString path;
    std::size_t format = 0;
};
std::optional<ExportFile> AskExportFile(QWidget* parent, const QString& title, const QString& name,
                                        const QStringList& filters);
// Writes the bytes to `path` whole or not at all; what went wrong, as a
// window says it, or nothing.
std::optional<QString> SaveExport(const QString& path, std::string_view bytes);
void FillScaleTable(QTableView& table, QLabel& caption, const QString& title,
                    std::shared_ptr<ListRows> rows);

}  // namespace orvel
