// The window's side, offscreen: a whole File, Open, and each edit as the user
// sees it (the model operation, the refill of the 1138 rows and the labels). The
// window's part of a load is File, Open less the core's LoadRom.
#include <QComboBox>
#include <QCoreApplication>
#include <QListWidget>
#include <chrono>
#include <memory>

#include "bench/bench_rom.h"
#include "ui/application.h"
#include "ui/form1.h"

namespace {

// Every File, Open gets the ROM, the replace question Yes, and unsaved edits are
// discarded.
class FixedPrompter final : public Prompter {
  public:
    MessageAnswer ShowMessage(QWidget*, const std::string&, const std::string&,
                              MessageButtons buttons) override {
        if (buttons == MessageButtons::YesNoDefaultNo) return MessageAnswer::Yes;
        // A repetition's File, Open drops the edits of the one before.
        if (buttons == MessageButtons::SaveDiscardCancel) return MessageAnswer::Discard;
        // The shipped table is full: each Insert drops its last entry, as timed before.
        if (buttons == MessageButtons::EnlargeInsertCancel ||
            buttons == MessageButtons::InsertCancel)
            return MessageAnswer::Insert;
        ++unexpected;
        return MessageAnswer::No;
    }
    void ShowReport(QWidget*, const std::string&, const std::string&, const std::string&) override {
        ++unexpected;
    }
    bool ExecuteFileDialog(QWidget*, FileDialog& dialog) override {
        dialog.fileName = QString::fromStdString(BenchRom(16 * MiB));
        return true;
    }
    int unexpected = 0;
};

FixedPrompter* ThePrompter = nullptr;
TForm1* TheWindow = nullptr;

bool Opened(benchmark::State& state) {
    TheWindow->Open1Click();
    const bool whole = TheWindow->ListBox1->count() == EggMoveEntryCount &&
                       ThePrompter->unexpected == 0 && TheWindow->LoadedRom.complete;
    if (!whole) state.SkipWithError("File, Open did not load the synthetic ROM completely");
    return whole;
}

void Open1Click(benchmark::State& state) {
    Opened(state);
    for (auto _ : state) TheWindow->Open1Click();
    QCoreApplication::processEvents();
}
BENCHMARK(Open1Click)->Apply(Quoted);

void CoreLoad(benchmark::State& state) {
    Rom rom;
    for (auto _ : state) benchmark::DoNotOptimize(LoadRom(rom, BenchRom(16 * MiB), {}));
}
BENCHMARK(CoreLoad)->Apply(Quoted);

// Picking the row and the choice are the user's earlier clicks: only the button's
// handler and the repaint that follows are timed, with the check open or not.
void Edit(benchmark::State& state, void (TForm1::*handler)(), int row, bool check) {
    if (!Opened(state)) return;
    if (check) TheWindow->Check1Click();
    for (auto _ : state) {
        TheWindow->ListBox1->setCurrentRow(row);
        TheWindow->ComboBox1->setCurrentIndex(TheWindow->ComboBox1->currentIndex() == 0 ? 600 : 0);
        const auto start = std::chrono::steady_clock::now();
        (TheWindow->*handler)();
        QCoreApplication::processEvents();
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        // With the check open, each edit is timed on the table as loaded, not on
        // hundreds of findings piled up by the edits before it.
        if (check) TheWindow->Undo1->trigger();
    }
}
void Timed(benchmark::internal::Benchmark* b) {
    Quoted(b);
    b->UseManualTime();
}
BENCHMARK_CAPTURE(Edit, Change, &TForm1::ChangeButtonClick, 500, false)->Apply(Timed);
BENCHMARK_CAPTURE(Edit, Insert, &TForm1::InsertButtonClick, 0, false)->Apply(Timed);
BENCHMARK_CAPTURE(Edit, Delete, &TForm1::DeleteButtonClick, 0, false)->Apply(Timed);
BENCHMARK_CAPTURE(Edit, ChangeChecked, &TForm1::ChangeButtonClick, 500, true)->Apply(Timed);
BENCHMARK_CAPTURE(Edit, InsertChecked, &TForm1::InsertButtonClick, 0, true)->Apply(Timed);
BENCHMARK_CAPTURE(Edit, DeleteChecked, &TForm1::DeleteButtonClick, 0, true)->Apply(Timed);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    QuenmarkApplication application(argc, argv);
    FixedPrompter prompter;
    auto window = std::make_unique<TForm1>(prompter);
    ThePrompter = &prompter;
    TheWindow = window.get();
    window->show();
    QCoreApplication::processEvents();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
