// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Draws the items of a list or table as Qt's own delegate does, but for the
// texts with accidentals, whose signs it sets readable (see
// ReadableAccidentals.h), on one line, cut short with "…" where too wide.

#include <QStyledItemDelegate>

namespace orvel {

class AccidentalsDelegate final : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace orvel
