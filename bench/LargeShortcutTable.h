#pragma once
// A large shortcut table for the benchmarks, its function keys in no order.

#include "preferences/PreferencesModule.h"

#include <memory>
#include <string>

namespace keyhop::bench {

inline void fillTable(int rows) {
    PreferencesModule::shortcutsList = std::make_unique<ShortcutTable>();
    ShortcutTable& table = *PreferencesModule::shortcutsList;
    table.resize(rows - 1);
    for (int r = 0; r < rows; ++r) {
        table.cell(r, 0) = "F" + std::to_string(r * 7 % 19 + 1);
        table.cell(r, 1) = r % 2 == 0 ? "X" : "";
        table.cell(r, 5) = "Application number " + std::to_string(r);
        table.cell(r, 6) = "/opt/app" + std::to_string(r);
    }
}

} // namespace keyhop::bench
