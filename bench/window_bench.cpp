// The window's side, offscreen: a whole File, Open, the refills alone, and each
// edit as the user sees it (the model operation, the refill of the 1138 rows and
// the labels). The window's part of a load is Open1Click less CoreLoad.
#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QListWidget>
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

#include "bench/bench_rom.h"
#include "bench/fixed_prompter.h"
#include "bench/quoted.h"
#include "eggmoves/table.h"
#include "rom/loader.h"
#include "ui/application.h"
#include "ui/form1.h"

namespace {

// One shown window for all benchmarks, as in the program.
struct Window {
    FixedPrompter prompter{QString::fromStdString(BenchRom(16 * MiB).string())};
    TForm1 form{prompter};
};
Window* TheWindow = nullptr;

// Lets Qt lay out and paint what the last handler changed, as the event loop
// would right after it.
void ShowChanges() {
    QCoreApplication::processEvents();
}

bool Opened(benchmark::State& state) {
    const int before = TheWindow->prompter.unexpected;
    TheWindow->form.Open1Click();
    const bool whole = LoadedRom.path == BenchRom(16 * MiB).string() &&
                       TheWindow->form.ListBox1->count() == EggMoveEntryCount &&
                       SpeciesCount + MoveCount == EggMoveEntryCount &&
                       TheWindow->prompter.unexpected == before;
    if (!whole) state.SkipWithError("File, Open did not load the synthetic ROM completely");
    return whole;
}

void Open1Click(benchmark::State& state) {
    Opened(state);
    for (auto _ : state) TheWindow->form.Open1Click();
    ShowChanges();
}
BENCHMARK(Open1Click)->Apply(Quoted);

void Open1ClickPainted(benchmark::State& state) {
    Opened(state);
    for (auto _ : state) {
        TheWindow->form.Open1Click();
        ShowChanges();
    }
}
BENCHMARK(Open1ClickPainted)->Apply(Quoted);

// The same load without the window, in this process, to subtract.
void CoreLoad(benchmark::State& state) {
    Opened(state);
    const std::string path = BenchRom(16 * MiB).string();
    for (auto _ : state) benchmark::DoNotOptimize(LoadRom(path, {}));
}
BENCHMARK(CoreLoad)->Apply(Quoted);

void FillListBox(benchmark::State& state) {
    Opened(state);
    for (auto _ : state) TheWindow->form.FillListBox();
    ShowChanges();
}
BENCHMARK(FillListBox)->Apply(Quoted);

void SetLabelCaptions(benchmark::State& state) {
    Opened(state);
    const std::int32_t loaded = SpeciesCount;
    for (auto _ : state) {
        // A label given its own text again does nothing, so the count moves as an edit's would.
        SpeciesCount = SpeciesCount == loaded ? loaded + 1 : loaded;
        TheWindow->form.SetLabelCaptions();
    }
    SpeciesCount = loaded;
}
BENCHMARK(SetLabelCaptions)->Apply(Quoted);

// Picking the row and the choice are the user's earlier clicks, so only the
// button's handler is timed; it must leave no row selected. A species and a move
// are picked in turn, so that the entry and the counters really change.
void Edit(benchmark::State& state, void (TForm1::*handler)(), int row, bool painted) {
    if (!Opened(state)) return;
    TForm1& form = TheWindow->form;
    for (auto _ : state) {
        form.ComboBox1->setCurrentIndex(form.ComboBox1->currentIndex() == 0 ? 600 : 0);
        form.ListBox1->setCurrentRow(row);
        const auto start = std::chrono::steady_clock::now();
        (form.*handler)();
        if (painted) ShowChanges();
        const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(spent.count());
        if (form.SelectedRow() != -1) {
            state.SkipWithError("the edit was not made");
            break;
        }
    }
    ShowChanges();
}

void Timed(benchmark::internal::Benchmark* b) {
    Quoted(b);
    b->UseManualTime();
}

// Insert and Delete act on row 0, where the most entries and lines move.
BENCHMARK_CAPTURE(Edit, Change, &TForm1::ChangeButtonClick, 500, false)->Apply(Timed);
BENCHMARK_CAPTURE(Edit, Insert, &TForm1::InsertButtonClick, 0, false)->Apply(Timed);
BENCHMARK_CAPTURE(Edit, Delete, &TForm1::DeleteButtonClick, 0, false)->Apply(Timed);
BENCHMARK_CAPTURE(Edit, ChangePainted, &TForm1::ChangeButtonClick, 500, true)->Apply(Timed);

}  // namespace

int main(int argc, char** argv) {
    // The figures need no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    QuenmarkApplication application(argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    auto window = std::make_unique<Window>();
    TheWindow = window.get();
    Form1 = &window->form;
    window->form.show();
    ShowChanges();

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Form1 = nullptr;
    TheWindow = nullptr;
    return 0;
}
