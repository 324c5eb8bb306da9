#pragma once
// What the player on the user-interface thread and the sound's thread share.
// Both hold it through a shared_ptr: a thread let go while the sound server
// hangs (see Lecture's destructor) never reaches a player that has gone.
//
// The player numbers its requests; the thread serves the latest only, so a
// burst of new tones costs one change of tone, and tags its reports with the
// request they answer, so that the player drops those a newer request made
// stale.

#include "sound/EtatSortie.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace vibralume {

/// The requests, the gain and the way back for the reports.
struct PartageSon {
    /// What the thread tells the player.
    struct Rapport {
        uint64_t demande = 0; ///< the request served
        EtatSortie etat = EtatSortie::Silence;
        std::string notice; ///< a line for the journal, or empty
    };

    std::mutex
        verrou; ///< guards everything below but the gain; never held over a wait on the server
    std::condition_variable reveil;          ///< a new request, or the end
    uint64_t demande = 0;                    ///< number of the latest request
    bool voulu = false;                      ///< a tone is asked for
    std::optional<std::vector<int16_t>> ton; ///< a new tone the thread has not taken yet
    bool fin = false;                        ///< the player has gone: silence, then end
    bool termine = false;                    ///< the thread has closed its output
    std::condition_variable termineSignal;
    /// Hands a report over to the player's thread; called under `verrou`, empty once the player has
    /// gone.
    std::function<void(Rapport)> rapporte;

    /// Applied to the samples as they are written (0 to 1).
    std::atomic<double> gain{1};
};

} // namespace vibralume
