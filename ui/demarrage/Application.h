#pragma once
// What every run of the program sets up before its first window.

#include <QString>

namespace vibralume {

/// One look on every machine: the Fusion style, the embedded fonts, Carlito
/// as the default family; and the interface in `langue` ("fr" or "en").
/// False when that language's translation could not be installed (the
/// interface is then in French).
bool prepareApplication(const QString& langue = QStringLiteral("fr"));

} // namespace vibralume
