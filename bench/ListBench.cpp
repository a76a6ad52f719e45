// SPDX-License-Identifier: GPL-3.0-or-later
// Handing rows to a list in bulk and showing them, first paint included,
// offscreen:
//
//   build/default/bin/orvel_list_bench

#include <benchmark/benchmark.h>

#include "QtBenchMain.h"
#include "platform/ListBox.h"
#include "platform/Window.h"

namespace orvel::bench {
namespace {

// Rows whose texts are made on demand, as the match results give them.
class GeneratedRows final : public ListRows {
  public:
    explicit GeneratedRows(std::size_t rows) : rows_(rows) {}
    std::size_t RowCount() const override { return rows_; }
    QString Cell(std::size_t row, int column) const override {
        return column == 0   ? QString("Bank %1").arg(row % 97)
               : column == 1 ? QString("Scale %1").arg(row)
                             : "C";
    }

  private:
    std::size_t rows_;
};

void BM_ListShowsBulkRows(benchmark::State& state) {
    const auto rows = static_cast<std::size_t>(state.range(0));
    Window window;
    window.ApplySettings(
        {{PropertyName::Width, std::int64_t{615}}, {PropertyName::Height, std::int64_t{605}}});
    ListBox& list = window.CreateControl<ListBox>(
        Control::kNoIndex, {{PropertyName::Name, QString("lbContaining")},
                            {PropertyName::Left, std::int64_t{208}},
                            {PropertyName::Top, std::int64_t{210}},
                            {PropertyName::Width, std::int64_t{387}},
                            {PropertyName::Height, std::int64_t{249}},
                            {PropertyName::ColumnCount, std::int64_t{4}},
                            {PropertyName::ColumnWidths, QString("35%,50%,15%,0%")}});
    window.Open();
    QCoreApplication::processEvents();
    const auto source = std::make_shared<GeneratedRows>(rows);
    for (auto _ : state) {
        list.SetRows(source);
        QCoreApplication::processEvents();
        list.viewport()->repaint();
        state.PauseTiming();
        list.DeleteAllRows();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_ListShowsBulkRows)
    ->Arg(120'000)
    ->Arg(12'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace orvel::bench

ORVEL_QT_BENCHMARK_MAIN()
