// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MessageBox.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QSpacerItem>

namespace orvel {

namespace {

// Room a window manager's title bar takes besides the title: the window's
// icon on one side, its buttons on the other.
constexpr int kTitleBarAllowance = 200;

}  // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* parent, const QString& message,
                                            const QString& detail) {
    const QString title = QApplication::applicationDisplayName();
    auto box =
        std::make_unique<QMessageBox>(QMessageBox::NoIcon, title, message, QMessageBox::Ok, parent);
    box->setDetailedText(detail);
    // A message box sizes itself to its text; a short message would cut the
    // title down to "Orv… ne". A spacer across the layout keeps it wide.
    QFont titleFont = box->font();
    titleFont.setBold(true);
    const int width = QFontMetrics(titleFont).horizontalAdvance(title) + kTitleBarAllowance;
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    return box;
}

void ShowMessageBox(QWidget* parent, const QString& message, const QString& detail) {
    MakeMessageBox(parent, message, detail)->exec();
}

}  // namespace orvel
