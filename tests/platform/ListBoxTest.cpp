// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "TestWindow.h"
#include "platform/ListBox.h"
#include "platform/MainMenuBar.h"

namespace orvel {
namespace {

using testing_support::At;
using testing_support::With;
using P = PropertyName;

// A million rows whose texts are made when asked for, counting the asks.
class CountingRows final : public ListRows {
  public:
    explicit CountingRows(std::size_t rows) : rows_(rows) {}
    std::size_t RowCount() const override { return rows_; }
    QString Cell(std::size_t row, int column) const override {
        ++asks;
        return QString("r%1c%2").arg(row).arg(column);
    }
    mutable std::size_t asks = 0;

  private:
    std::size_t rows_;
};

class ListBoxTest : public testing::Test {
  protected:
    ListBox& MakeList(std::int64_t columns) {
        return window.CreateControl<ListBox>(
            Control::kNoIndex,
            With(At("lbList", 10, 10, 387, 249), {{P::ColumnCount, columns},
                                                  {P::ColumnWidths, QString("35%,50%,15%,0%")},
                                                  {P::HasHeading, false}}));
    }
    Window window;
};

TEST_F(ListBoxTest, ColumnsTakeTheirShareOfTheWidthAndZeroHides) {
    ListBox& list = MakeList(4);
    window.Open();
    QCoreApplication::processEvents();
    const int width = list.viewport()->width();
    EXPECT_EQ(list.columnWidth(0), static_cast<int>(width * 0.35));
    EXPECT_EQ(list.columnWidth(1), static_cast<int>(width * 0.50));
    EXPECT_EQ(list.columnWidth(2), static_cast<int>(width * 0.15));
    EXPECT_TRUE(list.isColumnHidden(3));
    EXPECT_FALSE(list.isColumnHidden(2));

    list.AddRow({"Bank", "Scale", "C", "2192"});
    EXPECT_EQ(list.Cell(0, 3), "2192") << "the hidden column keeps its value";
    EXPECT_THROW(list.Cell(0, 4), std::out_of_range);
    EXPECT_THROW(list.Cell(1, 0), std::out_of_range);

    ListBox& three = window.CreateControl<ListBox>(
        Control::kNoIndex,
        With(At("lbThree", 10, 300, 387, 95),
             {{P::ColumnCount, std::int64_t{3}}, {P::ColumnWidths, QString("35%,50%,15%,0%")}}));
    EXPECT_EQ(three.ColumnCount(), 3);
    EXPECT_FALSE(three.isColumnHidden(2));

    EXPECT_THROW(
        window.CreateControl<ListBox>(
            Control::kNoIndex, With(At("lbBad", 0, 0), {{P::ColumnWidths, QString("35,abc")}})),
        std::invalid_argument);
}

TEST_F(ListBoxTest, SelectionAndChangeEvents) {
    ListBox& list = MakeList(4);
    std::vector<std::int64_t> seen;
    list.Change = [&](ListBox& raised) { seen.push_back(raised.ListIndex()); };
    EXPECT_EQ(list.ListIndex(), -1);
    list.AddRow({"a", "b", "c", "1"});
    list.AddRow({"d", "e", "f", "2"});
    EXPECT_EQ(list.RowCount(), 2u);
    list.SetListIndex(1);
    EXPECT_EQ(list.ListIndex(), 1);
    list.SetListIndex(0);

    list.DeleteAllRows();
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_EQ(list.RowCount(), 0u);
    EXPECT_EQ(seen, (std::vector<std::int64_t>{1, 0, -1}))
        << "emptying a list with a selection is a change";

    list.DeleteAllRows();
    EXPECT_EQ(seen.size(), 3u) << "emptying an empty list changes nothing";
}

TEST_F(ListBoxTest, ClickSelectsOneRow) {
    ListBox& list = MakeList(4);
    window.Open();
    for (int i = 0; i < 5; ++i) {
        list.AddRow({QString::number(i), "x", "y", "z"});
    }
    QCoreApplication::processEvents();
    const QRect second = list.visualRect(list.model()->index(1, 0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(list.ListIndex(), 1);
    const QRect fourth = list.visualRect(list.model()->index(3, 1));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ShiftModifier, fourth.center());
    EXPECT_EQ(list.selectionModel()->selectedRows().size(), 1);
}

TEST_F(ListBoxTest, BulkRowsAreReadOnlyWhereShown) {
    ListBox& list = MakeList(4);
    window.Open();
    auto rows = std::make_shared<CountingRows>(1'000'000);
    list.SetRows(rows);
    EXPECT_THROW(list.AddRow({"after", "the", "bulk", "rows"}), std::logic_error);
    EXPECT_EQ(list.RowCount(), 1'000'000u);
    QCoreApplication::processEvents();
    list.viewport()->repaint();
    EXPECT_GT(rows->asks, 0u) << "the visible rows were painted";
    EXPECT_LT(rows->asks, 2000u) << "only the visible rows are read";
    EXPECT_EQ(list.Cell(999'999, 2), "r999999c2");
    list.scrollToBottom();
    QCoreApplication::processEvents();
    list.viewport()->repaint();
    EXPECT_LT(rows->asks, 4000u);
}

TEST_F(ListBoxTest, ModelPassesQtsModelChecks) {
    ListBox& list = MakeList(4);
    QAbstractItemModelTester tester(list.model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    list.AddRow({"a", "b", "c", "1"});
    list.AddRow({"d"});
    EXPECT_EQ(list.Cell(1, 0), "d");
    EXPECT_EQ(list.Cell(1, 3), "") << "a short row reads empty past its cells";
    list.SetRows(std::make_shared<CountingRows>(50));
    EXPECT_EQ(list.Cell(49, 0), "r49c0");
    list.SetRows(std::make_shared<CountingRows>(7));
    EXPECT_EQ(list.model()->rowCount(), 7);
    list.DeleteAllRows();
    EXPECT_EQ(list.model()->rowCount(), 0);
    list.AddRow({"again"});
    EXPECT_EQ(list.Cell(0, 0), "again");
}

TEST_F(ListBoxTest, CopyPutsTheSelectedRowsVisibleCellsOnTheClipboard) {
    MainMenuBar& bar = MainMenuBar::Instance();
    window.InstallMenuBar(&bar);
    ListBox& list = MakeList(4);
    window.Open();
    QApplication::setActiveWindow(&window);
    list.AddRow({"Diatonic", "Major", "C", "2773"});
    const QString longName(100'000, 'n');
    list.AddRow({"Long", longName, "C", "1"});
    EXPECT_EQ(list.model()->index(1, 1).data().toString(),
              longName.left(ListModel::kShownCharacters) + QChar(0x2026))
        << "a huge cell shows only its start";
    list.setFocus();
    QCoreApplication::processEvents();
    bar.RefreshEditCommands();
    EXPECT_FALSE(bar.Entry("EditCopy")->isEnabled()) << "nothing selected, nothing to copy";

    list.SetListIndex(0);
    bar.RefreshEditCommands();
    ASSERT_TRUE(bar.Entry("EditCopy")->isEnabled());
    EXPECT_FALSE(bar.Entry("EditPaste")->isEnabled()) << "a list takes no paste";
    QApplication::clipboard()->clear();
    bar.Entry("EditCopy")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "Diatonic\tMajor\tC");
    list.SetListIndex(1);
    bar.setFocus();  // as Alt+E gives it, opening the menu from the keyboard
    QCoreApplication::processEvents();
    bar.RefreshEditCommands();
    ASSERT_TRUE(bar.Entry("EditCopy")->isEnabled()) << "still the list's command";
    bar.Entry("EditCopy")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "Long\t" + longName + "\tC") << "copied in full";
}

}  // namespace
}  // namespace orvel
