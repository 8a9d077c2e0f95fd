// How long the shortcut list window takes to open on a large shortcut table
// (build, fill, sort by function key), and to sort its list again.
// Run: QT_QPA_PLATFORM=offscreen build/bench/main_window_benchmark

#include "app/App.h"
#include "framework/Listbox.h"
#include "preferences/PreferencesModule.h"
#include "windows/MainWindow.h"

#include "BenchmarkMain.h"
#include "LargeShortcutTable.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QEvent>

#include <string>

namespace {

using namespace keyhop;
using bench::fillTable;

// A closed window is destroyed once the event loop gets to it.
void closeWindow() {
    MainWindow::get().Close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void OpenWindow(benchmark::State& state) {
    fillTable(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(&MainWindow::get());
        state.PauseTiming();
        closeWindow();
        state.ResumeTiming();
    }
}
BENCHMARK(OpenWindow)->Arg(10)->Arg(1000)->Unit(benchmark::kMillisecond);

// A click on the first heading, each time in the other direction.
void SortOnFunctionKey(benchmark::State& state) {
    fillTable(static_cast<int>(state.range(0)));
    auto& list = *MainWindow::get().findControl<framework::Listbox>("ShortcutsListBox");
    int direction = 1;
    for (auto _ : state) {
        direction = -direction;
        list.setColumnSortDirection(0, direction);
        list.PressHeader(0);
    }
    closeWindow();
}
BENCHMARK(SortOnFunctionKey)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return keyhop::bench::runWithApp(argc, argv);
}
