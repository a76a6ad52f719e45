// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ToolWindow.h"

#include <QHeaderView>
#include <QShortcut>

#include "platform/AccidentalsDelegate.h"

namespace orvel {

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

}  // namespace orvel
