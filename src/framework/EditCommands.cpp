// Standard edit commands on the focused line edit. Clear deletes the
// selection, as the command of that name does on the Mac.

#include "framework/EditCommands.h"

#include <QApplication>
#include <QLineEdit>

#include <functional>
#include <map>

namespace framework {

namespace {

using Command = std::function<void(QLineEdit&)>;

const std::map<std::string, Command>& commands() {
    static const std::map<std::string, Command> table{
        {"EditCut", [](QLineEdit& field) { field.cut(); }},
        {"EditCopy", [](QLineEdit& field) { field.copy(); }},
        {"EditPaste", [](QLineEdit& field) { field.paste(); }},
        {"EditClear",
         [](QLineEdit& field) {
             if (field.hasSelectedText()) {
                 field.del();
             }
         }},
    };
    return table;
}

QLineEdit* focusedTextField() {
    return qobject_cast<QLineEdit*>(QApplication::focusWidget());
}

} // namespace

bool canCarryOutEditCommand(const std::string& itemName) {
    return commands().count(itemName) != 0 && focusedTextField() != nullptr;
}

bool carryOutEditCommand(const std::string& itemName) {
    const auto command = commands().find(itemName);
    QLineEdit* field = focusedTextField();
    if (command == commands().end() || field == nullptr) {
        return false;
    }
    command->second(*field);
    return true;
}

} // namespace framework
