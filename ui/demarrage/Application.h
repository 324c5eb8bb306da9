#pragma once
// What every run of the program sets up before its first window.

namespace vibralume {

/// One look on every machine: the Fusion style, the embedded fonts, Carlito
/// as the default family.
void prepareApplication();

} // namespace vibralume
