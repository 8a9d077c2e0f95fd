#pragma once
// The main of the benchmarks that need Keyhop's application object: offscreen
// Qt, the runtime and App, then everything released in the order of a quit.

#include "app/App.h"
#include "framework/Runtime.h"
#include "framework/Window.h"
#include "preferences/PreferencesModule.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace keyhop::bench {

inline int runWithApp(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const framework::Runtime runtime(argc, argv);
    framework::Application::registerAppObject(std::make_unique<App>());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    framework::Window::releaseAll();
    framework::Application::releaseAppObject();
    PreferencesModule::shortcutsList.reset();
    return 0;
}

} // namespace keyhop::bench
