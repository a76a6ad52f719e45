// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the windows beside the main one share: a list of scales, and the
// keys that close them.

#include <QString>
#include <QStringList>
#include <QTableWidget>
#include <QWidget>

namespace orvel {

// A read-only table of scales, a row at a time, named for screen readers,
// its accidentals drawn readable; Enter or a double-click on a row opens it
// in detail.
QTableWidget* MakeScaleTable(const QString& name, const QStringList& columns, QWidget* parent);

// Escape and Ctrl+W close `window`.
void CloseOnEscapeOrCtrlW(QWidget& window);

}  // namespace orvel
