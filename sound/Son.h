#pragma once
// What the main window needs of the sound: the tone file written for the
// vibrator's parameters, played in a loop, and stopped.

#include <cstdint>

namespace vibralume {

class Son {
public:
    virtual ~Son() = default;
    /// Writes the tone file for F Hz and peak P; false when no file could be
    /// written (the reason has then been told once on the journal).
    virtual bool GenereSon(double F, const int32_t& P) = 0;
    /// Plays the tone file in an endless loop from its first sample; returns at
    /// once. Without a tone (see tonDisponible) it silences the output instead.
    virtual void JoueSon() = 0;
    /// Silences the tone.
    virtual void ArreteSon() = 0;
    /// True when the last GenereSon wrote its tone, so that JoueSon has
    /// something to play; false before the first and after a failed one.
    virtual bool tonDisponible() const = 0;
};

} // namespace vibralume
