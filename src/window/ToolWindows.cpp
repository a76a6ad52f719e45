// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/ToolWindows.h"

#include <QHeaderView>
#include <QShortcut>

#include "platform/AccidentalsDelegate.h"

namespace orvel {

QTableWidget* MakeScaleTable(const QString& name, const QStringList& columns, QWidget* parent) {
    auto* table = new QTableWidget(0, static_cast<int>(columns.size()), parent);
    table->setHorizontalHeaderLabels(columns);
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
    table->setToolTip("Double-click or Enter: the scale in detail");
    table->setItemDelegate(new AccidentalsDelegate(table));
    return table;
}

void CloseOnEscapeOrCtrlW(QWidget& window) {
    for (const QKeySequence& keys :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        auto* shortcut = new QShortcut(keys, &window);
        QObject::connect(shortcut, &QShortcut::activated, &window, &QWidget::close);
    }
}

}  // namespace orvel
