#pragma once
// Texts shown on Qt widgets that would take "&" as a mnemonic marker: Keyhop
// shows them as written.

#include <QString>

#include <string>

namespace framework {

QString shownText(const std::string& text);
std::string writtenText(const QString& shown);

} // namespace framework
