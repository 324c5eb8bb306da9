#pragma once
// What the audio output really does, as the listen control shows it: a tone
// asked for is not yet a tone heard.

namespace vibralume {

/// The audio output's state, from the player's side.
enum class EtatSortie {
    Silence,    ///< silent, as asked
    Recherche,  ///< a tone asked for: looking for the sound server, connecting
    Joue,       ///< the tone plays
    SansSortie, ///< a tone asked for and no output: tried again every second
};

} // namespace vibralume
