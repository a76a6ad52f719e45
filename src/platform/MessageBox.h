#pragma once

#include <QString>

class QWidget;

namespace orvel {

// Shows `message` in a modal message box over `parent` and returns once the
// user has dismissed it.
void ShowMessageBox(QWidget* parent, const QString& message);

}  // namespace orvel
