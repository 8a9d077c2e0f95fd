// How long rebuilding the status menu takes for a large shortcut table.
// Run: QT_QPA_PLATFORM=offscreen build/bench/status_menu_benchmark

#include "app/App.h"
#include "preferences/PreferencesModule.h"

#include "BenchmarkMain.h"
#include "LargeShortcutTable.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace keyhop;
using bench::fillTable;

// The rebuild as the list window's Ok runs it: a new menu with every entry,
// replacing the previous build's entries. Without a tray here there is no
// status item to hand the menu to, which is a single pointer swap.
void UpdateStatusItem(benchmark::State& state) {
    fillTable(static_cast<int>(state.range(0)));
    App& application = app();
    application.updateStatusItem();
    for (auto _ : state) {
        application.updateStatusItem();
    }
    state.counters["entries"] = static_cast<double>(application.statusMenuItems().size());
}
BENCHMARK(UpdateStatusItem)->Arg(10)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    return keyhop::bench::runWithApp(argc, argv);
}
