// Texts on widgets with mnemonics.

#include "framework/ShownText.h"

namespace framework {

QString shownText(const std::string& text) {
    return QString::fromStdString(text).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

std::string writtenText(const QString& shown) {
    return QString(shown).replace(QStringLiteral("&&"), QStringLiteral("&")).toStdString();
}

} // namespace framework
