// How long launch and quit spend on a preferences file of 10,000 shortcuts.
// Run by hand: build/bench/preferences_benchmark

#include "app/App.h"
#include "framework/Runtime.h"
#include "framework/Text.h"
#include "preferences/CommonPreferencesModule.h"
#include "preferences/PreferencesModule.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace {

using namespace keyhop;

constexpr int shortcutCount = 10000;

void fillTable() {
    auto& table = *PreferencesModule::shortcutsList;
    table.resize(shortcutCount - 1);
    for (int row = 0; row < shortcutCount; ++row) {
        const std::string number = framework::Str(row);
        table.cell(row, 0) = "F" + framework::Str(row % 19 + 1);
        table.cell(row, 1) = row % 2 == 0 ? "X" : "";
        table.cell(row, 2) = row % 3 == 0 ? "X" : "";
        table.cell(row, 3) = row % 5 == 0 ? "X" : "";
        table.cell(row, 4) = "X";
        table.cell(row, 5) = "Application " + number;
        table.cell(row, 6) = "/usr/share/applications/application-" + number + ".desktop";
    }
}

// Launch's work alone: the store and the table start empty each time.
void loadPreferences(benchmark::State& state) {
    PreferencesModule::shortcutsList = std::make_unique<ShortcutTable>();
    fillTable();
    PreferencesModule::savePreferences();
    for (auto _ : state) {
        state.PauseTiming();
        CommonPreferencesModule::dictionary_.reset();
        PreferencesModule::shortcutsList = std::make_unique<ShortcutTable>();
        state.ResumeTiming();
        PreferencesModule::loadPreferences();
    }
    if (PreferencesModule::shortcutsList->lastRow() != shortcutCount - 1) {
        state.SkipWithError("the shortcuts did not load");
    }
}

// Quit's work: the whole file written, synced to disk and put in place.
void savePreferences(benchmark::State& state) {
    PreferencesModule::shortcutsList = std::make_unique<ShortcutTable>();
    fillTable();
    for (auto _ : state) {
        PreferencesModule::savePreferences();
    }
}

BENCHMARK(loadPreferences)->Unit(benchmark::kMillisecond);
BENCHMARK(savePreferences)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // A private config folder, so that the user's own preferences stay as they are.
    std::string folder = (std::filesystem::temp_directory_path() / "keyhop-bench-XXXXXX").string();
    if (::mkdtemp(folder.data()) == nullptr) {
        throw std::runtime_error("no temporary folder");
    }
    ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);

    const framework::Runtime runtime(argc, argv);
    framework::Application::registerAppObject(std::make_unique<App>());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    CommonPreferencesModule::dictionary_.reset();
    PreferencesModule::shortcutsList.reset();
    std::filesystem::remove_all(folder);
    return 0;
}
