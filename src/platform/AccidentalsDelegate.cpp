// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AccidentalsDelegate.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QtMath>

#include "platform/ReadableAccidentals.h"

namespace orvel {

QSize AccidentalsDelegate::sizeHint(const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    if (HasAccidentals(item.text)) {
        // Qt measured the text face's signs; these are drawn in another.
        const qreal plain = QFontMetricsF(item.font).horizontalAdvance(item.text);
        size.rwidth() += qCeil(WidthWithReadableAccidentals(item.font, item.text) - plain);
    }
    return size;
}

void AccidentalsDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    if (!HasAccidentals(item.text)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    const QString text = item.text;
    item.text.clear();  // the style draws the cell, this the text
    const QWidget* widget = item.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
    // Where the style puts a cell's text, and its margin.
    item.text = text;
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget)
                           .adjusted(margin, 0, -margin, 0);
    const QPalette::ColorGroup group = !(item.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (item.state & QStyle::State_Active) ? QPalette::Active
                                                                             : QPalette::Inactive;
    painter->save();
    painter->setFont(item.font);
    painter->setPen(item.palette.color(
        group, item.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setClipRect(area);
    DrawWithReadableAccidentals(*painter, area, item.displayAlignment, text, Overflow::Cut);
    painter->restore();
}

}  // namespace orvel
