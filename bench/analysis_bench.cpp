// The table of values at one million rows: building it (with and without trying every row for an overflow),
// one row's text, copying it all, saving it as CSV, and (with the GUI) the table window's list laid out and
// scrolled to its end.
//   build/bin/analysis_bench [--benchmark_filter=table/build]

#include "frontend/core/equation.h"
#include "frontend/core/testing/equations.h"
#include "tools/analysis/table.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#ifdef KOVALIN_BENCH_GUI
#include "tools/analysis/frm_table.h"
#include "tools/analysis/table_model.h"

#include <QApplication>
#include <QListView>
#endif

namespace
{

using frontend::core::CoefficientTexts;
using frontend::core::testing::equationOf;
using tools::analysis::TableRun;

constexpr std::int64_t million = 1'000'000;

/// A degree-10 polynomial with ordinary coefficients.
CoefficientTexts degree10()
{
    return CoefficientTexts::real({ "1", "-2.5", "0.5", "3", "-1", "0.25", "1/3", "-0.125", "2", "0.001", "1E-6" });
}

/// The same with a constant term large enough that the quick bound cannot vouch for the run, so every row
/// is tried for an overflow.
CoefficientTexts degree10Large()
{
    CoefficientTexts texts = degree10();
    texts.re[0] = "1E306";
    return texts;
}

const TableRun millionRun { -5.0, 1e-5, million };

void buildTable(benchmark::State &state, CoefficientTexts texts, bool complex)
{
    const frontend::core::Equation equation = equationOf(std::move(texts));
    for (auto _ : state) {
        auto build = complex ? tools::analysis::CreateTableC(equation, millionRun, 15)
                             : tools::analysis::CreateTableR(equation, millionRun, 15);
        benchmark::DoNotOptimize(build);
        if (build.EvalOverflow) {
            state.SkipWithError("unexpected overflow");
        }
    }
    state.SetItemsProcessed(state.iterations() * million);
}

void rowText(benchmark::State &state, int degree, bool complex)
{
    CoefficientTexts texts =
        CoefficientTexts::complexPairs(std::vector<std::string>(static_cast<std::size_t>(degree) + 1, "0.75"),
            std::vector<std::string>(static_cast<std::size_t>(degree) + 1, complex ? "-0.5" : "0"));
    texts.complex = complex;
    const frontend::core::Equation equation = equationOf(texts);
    const auto table = complex ? tools::analysis::CreateTableC(equation, millionRun, 15).table
                               : tools::analysis::CreateTableR(equation, millionRun, 15).table;
    std::int64_t row = 2;
    for (auto _ : state) {
        benchmark::DoNotOptimize(table->row(row));
        row = row + 7919 < table->rowCount() ? row + 7919 : 2;
    }
}

void copyTable(benchmark::State &state)
{
    const auto table = tools::analysis::CreateTableR(equationOf(degree10()), millionRun, 15).table;
    std::filesystem::current_path(std::filesystem::temp_directory_path()); // the scratch file goes there
    std::size_t bytes = 0;
    for (auto _ : state) {
        const auto text = tools::analysis::tableCopyText("y = ...", *table);
        if (!text) {
            state.SkipWithError("the scratch file cannot be created");
            break;
        }
        bytes = text->size();
        benchmark::DoNotOptimize(text->data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes));
}

#ifdef KOVALIN_BENCH_GUI
/// The CSV save as the window makes it: streamed into a temporary file beside the target, flushed to the disk
/// and renamed over it.
void saveCsv(benchmark::State &state, bool complex)
{
    CoefficientTexts texts = degree10();
    texts.complex = complex;
    if (complex) {
        texts.im.assign(texts.re.size(), "0.5");
    }
    const auto table = complex ? tools::analysis::CreateTableC(equationOf(texts), millionRun, 15).table
                               : tools::analysis::CreateTableR(equationOf(texts), millionRun, 15).table;
    const auto target = std::filesystem::temp_directory_path() / "kovalin_bench_table.csv";
    const QString path = QString::fromStdString(target.string());
    for (auto _ : state) {
        if (!tools::analysis::saveTableCsv(*table, path)) {
            state.SkipWithError("the file could not be written");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(std::filesystem::file_size(target)));
    state.SetItemsProcessed(state.iterations() * million);
    std::filesystem::remove(target);
}
#endif

#ifdef KOVALIN_BENCH_GUI
/// What the user waits for after Create: the model made, the list laid out and its last row in view.
void tableWindow(benchmark::State &state)
{
    for (auto _ : state) {
        auto build = tools::analysis::CreateTableR(equationOf(degree10()), millionRun, 15);
        QListView list;
        list.setUniformItemSizes(true);
        auto *model = new tools::analysis::TableModel(std::move(*build.table), &list);
        model->setRowSize(QSize(400, 18));
        list.setModel(model);
        list.resize(420, 300);
        list.show();
        list.scrollToBottom();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(list.visualRect(model->index(model->rowCount() - 1, 0)));
    }
}
#endif

} // namespace

BENCHMARK_CAPTURE(buildTable, real, degree10(), false)->Name("table/build/real_1e6")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(buildTable, complex, degree10(), true)
    ->Name("table/build/complex_1e6")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(buildTable, tried, degree10Large(), false)
    ->Name("table/build/every_row_tried_1e6")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(rowText, real10, 10, false)->Name("table/row/real_degree10");
BENCHMARK_CAPTURE(rowText, complex100, 100, true)->Name("table/row/complex_degree100");
BENCHMARK(copyTable)->Name("table/copy_1e6")->Unit(benchmark::kMillisecond)->Iterations(2);
#ifdef KOVALIN_BENCH_GUI
BENCHMARK_CAPTURE(saveCsv, real, false)->Name("table/save_csv/real_1e6")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(saveCsv, complex, true)->Name("table/save_csv/complex_1e6")->Unit(benchmark::kMillisecond);
BENCHMARK(tableWindow)->Name("table/window_1e6")->Unit(benchmark::kMillisecond);
#endif

int main(int argc, char **argv)
{
#ifdef KOVALIN_BENCH_GUI
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
