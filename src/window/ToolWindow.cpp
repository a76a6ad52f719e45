// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ToolWindow.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QMimeData>
#include <QShortcut>

#include "musicfiles/SaveFile.h"
#include "platform/AccidentalsDelegate.h"

namespace orvel {

namespace {

constexpr int kNameColumnWidth = 125;

}  // namespace

ToolWindow::ToolWindow(const QString& objectName, const QString& title, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(objectName);
    setWindowTitle(title);
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, &QWidget::close);
    }
}

void ToolWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QMimeData* data = event->mimeData();
    if (data->hasUrls() && !data->urls().isEmpty() && data->urls().front().isLocalFile()) {
        event->acceptProposedAction();
    }
}

void ToolWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.front().isLocalFile()) {
        event->acceptProposedAction();
        OpenDropped(urls.front().toLocalFile());
    }
}

QTableView* MakeScaleTable(const QString& name, TableModel& model, QWidget* parent) {
    auto* table = new QTableView(parent);
    table->setModel(&model);
    table->setAccessibleName(name);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    // One line a row, as in the main window's lists: a long name is cut
    // short with "…" rather than wrapped into a taller row.
    table->setWordWrap(false);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setStretchLastSection(true);
    // Columns fit what shows, not thousands of rows spelled to measure them.
    table->horizontalHeader()->setResizeContentsPrecision(0);
    table->setToolTip("Double-click or Enter: the scale in detail");
    table->setItemDelegate(new AccidentalsDelegate(table));
    return table;
}

AccidentalsLabel* MakeKeyLabel(QWidget* parent) {
    auto* key = new AccidentalsLabel(parent);
    key->setAccessibleName("Key");
    QFont font = key->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.2);
    key->setFont(font);
    key->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return key;
}

std::optional<ExportFile> AskExportFile(QWidget* parent, const QString& title, const QString& name,
                                        const QStringList& filters) {
    QString chosen;
    QString path = QFileDialog::getSaveFileName(parent, title, name, filters.join(";;"), &chosen);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    const auto format = static_cast<std::size_t>(std::max<qsizetype>(0, filters.indexOf(chosen)));
    // "MIDI file (*.mid)" asks for ".mid".
    const QString filter = filters.value(static_cast<qsizetype>(format));
    const QString suffix = filter.mid(filter.lastIndexOf("*.") + 1).chopped(1);
    if (!path.endsWith(suffix)) {
        path += suffix;
    }
    return ExportFile{path, format};
}

std::optional<QString> SaveExport(const QString& path, std::string_view bytes) {
    try {
        SaveFile(path.toStdString(), std::span<const char>(bytes.data(), bytes.size()));
    } catch (const SaveFileError& error) {
        return "Cannot write " + path + ": " + QString::fromStdString(error.what());
    }
    return std::nullopt;
}

void FillScaleTable(QTableView& table, QLabel& caption, const QString& title,
                    std::shared_ptr<ListRows> rows) {
    const std::size_t count = rows ? rows->RowCount() : 0;
    caption.setText(count == 0 ? title : QString("%1 (%2)").arg(title).arg(count));
    auto& model = dynamic_cast<TableModel&>(*table.model());
    model.SetRows(std::move(rows));
    // The widths of what shows first; long names give way, so that the
    // root and the notes stay in view, and show in full as their tooltips.
    table.resizeColumnsToContents();
    for (const int column : {0, 1}) {
        table.setColumnWidth(column, std::min(table.columnWidth(column), kNameColumnWidth));
    }
}

}  // namespace orvel
