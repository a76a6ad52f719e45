// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The modal message box: the program's name as its title, shown in full, the
// message, and what failed and where behind its "Show Details..." button.

#include <QMessageBox>
#include <QString>
#include <memory>

class QWidget;

namespace orvel {

// The box, laid out but not yet shown. `detail` may be empty: then the box
// has no details button.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, const QString& message,
                                            const QString& detail = {});

// Shows the box over `parent` and returns once the user has dismissed it.
void ShowMessageBox(QWidget* parent, const QString& message, const QString& detail = {});

}  // namespace orvel
