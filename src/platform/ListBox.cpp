// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ListBox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <stdexcept>

#include "platform/TextConversions.h"
#include "platform/Window.h"

namespace orvel {

// Draws a row's cells as one selected row: no focus frame round one cell.
class ListBox::RowDelegate final : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->state &= ~QStyle::State_HasFocus;
    }
};

ListBox::ListBox(Window& window, std::int64_t index)
    : QTableView(&window.ContentArea()),
      Control(*this, window, index),
      model_(new ListModel(1, this)) {
    setModel(model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    setTabKeyNavigation(false);
    // Every row has the same height and the row header stays hidden: the view
    // then lays out millions of rows without measuring any of them.
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(0);
    ApplyScrollBars();
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { FollowSelection(); });
    // New rows are read from the top.
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        scrollToTop();
        FollowSelection();
    });
    setItemDelegate(new RowDelegate(this));
    connect(this, &QAbstractItemView::activated, this, [this] {
        if (Activate && listIndex_ >= 0) {
            Activate(*this);
        }
    });
}

void ListBox::AddContextEntry(const QString& text, std::function<void(ListBox&)> triggered,
                              const QKeySequence& shortcut) {
    setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* entry = new QAction(text, this);
    entry->setShortcut(shortcut);
    entry->setShortcutContext(Qt::WidgetShortcut);
    connect(entry, &QAction::triggered, this,
            [this, triggered = std::move(triggered)] { triggered(*this); });
    addAction(entry);
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    // Qt's own copy takes the current cell; the list copies its row.
    if (event->matches(QKeySequence::Copy)) {
        Edit(EditCommand::Copy);
        return;
    }
    const std::size_t rows = RowCount();
    if (rows > 0) {
        // The first arrow press into a list with nothing selected selects the
        // first row (Qt would step past it); Home and End go to the first and
        // last row, not column.
        const bool arrow = event->key() == Qt::Key_Down || event->key() == Qt::Key_Up;
        if ((arrow && listIndex_ < 0) || event->key() == Qt::Key_Home) {
            SetListIndex(0);
            return;
        }
        if (event->key() == Qt::Key_End) {
            SetListIndex(static_cast<std::int64_t>(rows) - 1);
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

bool ListBox::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = indexAt(help->pos());
        if (index.isValid()) {
            const QString text = Cell(static_cast<std::size_t>(index.row()), index.column());
            const QRect cell = visualRect(index);
            const int margin =
                style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
            if (fontMetrics().horizontalAdvance(text) > cell.width() - 2 * margin) {
                QToolTip::showText(help->globalPos(), text, viewport(), cell);
                return true;
            }
        }
    }
    // Elsewhere the list's help tag.
    return QTableView::viewportEvent(event);
}

void ListBox::SetListIndex(std::int64_t row) {
    if (row < 0) {
        clearSelection();
        return;
    }
    if (static_cast<std::size_t>(row) >= RowCount()) {
        throw std::out_of_range("the list has no row " + std::to_string(row));
    }
    selectRow(static_cast<int>(row));
    scrollTo(model_->index(static_cast<int>(row), 0));
}

void ListBox::AddRow(const QStringList& cells) {
    model_->AddRow(cells);
}

void ListBox::SetEmptyText(const QString& text) {
    emptyText_ = text;
    viewport()->update();
}

void ListBox::paintEvent(QPaintEvent* event) {
    QTableView::paintEvent(event);
    if (emptyText_.isEmpty() || model()->rowCount() > 0) {
        return;
    }
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(viewport()->rect().adjusted(6, 4, -6, -4),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, emptyText_);
}

void ListBox::SetRows(std::shared_ptr<const ListRows> rows) {
    model_->SetRows(std::move(rows));
}

void ListBox::DeleteAllRows() {
    model_->SetRows(nullptr);
}

void ListBox::FollowSelection() {
    const QModelIndexList rows = selectionModel()->selectedRows();
    const std::int64_t selected = rows.isEmpty() ? -1 : rows.first().row();
    if (selected == listIndex_) {
        return;
    }
    listIndex_ = selected;
    EditStateChanged();
    if (Change) {
        Change(*this);
    }
}

bool ListBox::CanEdit(EditCommand command) const {
    return command == EditCommand::Copy && listIndex_ >= 0;
}

void ListBox::Edit(EditCommand command) {
    if (!CanEdit(command)) {
        return;
    }
    QStringList cells;
    for (int column = 0; column < ColumnCount(); ++column) {
        if (!isColumnHidden(column)) {
            cells << Cell(static_cast<std::size_t>(listIndex_), column);
        }
    }
    QApplication::clipboard()->setText(cells.join('\t'));
}

void ListBox::SetColumnWidths(const QString& widths) {
    columnShares_.clear();
    for (const QString& part : Split(widths, ",")) {
        const QString width = part.trimmed();
        if (!width.endsWith('%')) {
            throw std::invalid_argument("ColumnWidths takes percentages: " + widths.toStdString());
        }
        bool ok = false;
        const double share = width.chopped(1).toDouble(&ok);
        if (!ok || share < 0) {
            throw std::invalid_argument("ColumnWidths takes percentages: " + widths.toStdString());
        }
        columnShares_.push_back(share);
    }
    LayOutColumns();
}

void ListBox::LayOutColumns() {
    const int available = viewport()->width();
    for (int column = 0; column < ColumnCount(); ++column) {
        const double share = static_cast<std::size_t>(column) < columnShares_.size()
                                 ? columnShares_[static_cast<std::size_t>(column)]
                                 : 0.0;
        setColumnHidden(column, share == 0.0 && !columnShares_.empty());
        if (share > 0.0) {
            setColumnWidth(column, static_cast<int>(available * share / 100.0));
        }
    }
}

void ListBox::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    LayOutColumns();
}

void ListBox::ApplyScrollBars() {
    const auto policy = [this](bool shown) {
        return !shown                ? Qt::ScrollBarAlwaysOff
               : autoHideScrollBars_ ? Qt::ScrollBarAsNeeded
                                     : Qt::ScrollBarAlwaysOn;
    };
    setVerticalScrollBarPolicy(policy(verticalScrollBar_));
    setHorizontalScrollBarPolicy(policy(horizontalScrollBar_));
}

bool ListBox::ApplyOwn(const Property& property) {
    switch (property.name) {
        case PropertyName::ColumnCount:
            model_->SetColumnCount(static_cast<int>(IntegerOf(property)));
            LayOutColumns();
            return true;
        case PropertyName::ColumnWidths:
            SetColumnWidths(TextOf(property));
            return true;
        case PropertyName::HasHeading:
            horizontalHeader()->setVisible(BooleanOf(property));
            return true;
        case PropertyName::SelectionType:
            RequireSupported(property, IntegerOf(property) == 0, "0 (one row at a time)");
            return true;
        case PropertyName::RequiresSelection:
            RequireSupported(property, !BooleanOf(property), "false");
            return true;
        case PropertyName::InitialValue:
            // Rows separated by CR LF, cells by tabs.
            DeleteAllRows();
            if (!TextOf(property).isEmpty()) {
                for (const QString& row : Split(TextOf(property), "\r\n")) {
                    AddRow(Split(row, "\t"));
                }
            }
            return true;
        case PropertyName::Border:
            // A style sheet border: the style's own panel frame loses its
            // top and bottom lines at fractional screen scales such as 150 %.
            // Its colour turns to the highlight while the list has the focus.
            setStyleSheet(BooleanOf(property)
                              ? "QTableView { border: 1px solid palette(mid); }"
                                "QTableView:focus { border-color: palette(highlight); }"
                              : "QTableView { border: none; }");
            return true;
        case PropertyName::ScrollBarVertical:
            verticalScrollBar_ = BooleanOf(property);
            ApplyScrollBars();
            return true;
        case PropertyName::ScrollBarHorizontal:
            horizontalScrollBar_ = BooleanOf(property);
            ApplyScrollBars();
            return true;
        case PropertyName::AutoHideScrollbars:
            autoHideScrollBars_ = BooleanOf(property);
            ApplyScrollBars();
            return true;
        case PropertyName::GridLinesHorizontal:
        case PropertyName::GridLinesVertical:
            RequireSupported(property, IntegerOf(property) == 0, "0 (no grid lines)");
            return true;
        case PropertyName::DefaultRowHeight: {
            const auto height = IntegerOf(property);
            verticalHeader()->setDefaultSectionSize(height > 0 ? static_cast<int>(height)
                                                               : fontMetrics().height() + 4);
            return true;
        }
        case PropertyName::HeadingIndex:
            RequireSupported(property, IntegerOf(property) == -1,
                             "-1 (rows stay in the order added)");
            return true;
        case PropertyName::ColumnsResizable:
        case PropertyName::EnableDrag:
        case PropertyName::EnableDragReorder:
        case PropertyName::Hierarchical:
        case PropertyName::ShowDropIndicator:
            RequireSupported(property, !BooleanOf(property), "false");
            return true;
        case PropertyName::UseFocusRing:
            RequireSupported(property, BooleanOf(property), "true (the border shows the focus)");
            return true;
        default:
            return false;
    }
}

}  // namespace orvel
