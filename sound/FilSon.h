#pragma once
// The sound's thread: opens the output, feeds it the looping tone, and when
// the output fails or is absent, tries again every second for as long as the
// tone is asked for, so that it comes back by itself with the sound server.
//
// Every wait on the server happens here, never on the user-interface thread.
// While playing, the thread tops the stream up every 5 ms to a fixed time
// ahead of the loudspeaker and otherwise waits for a request, so that a
// stop, a new tone or a new gain is taken up at once.

#include "sound/BoucleTon.h"
#include "sound/PartageSon.h"
#include "sound/SortiePulse.h"

#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace vibralume {

/// What runs on the sound's thread.
class FilSon {
public:
    /// The thread's body: serves the requests in `partage` until its `fin`,
    /// then silences the output and says so by `termine`.
    static void tourne(std::shared_ptr<PartageSon> partage);

    /// Wait between two attempts at an output.
    static constexpr std::chrono::milliseconds Reessai{1000};
    /// How often the stream is topped up.
    static constexpr std::chrono::milliseconds Remplissage{5};
    /// Real-time priority asked for the thread, under the sound server's.
    static constexpr int PrioriteTempsReel = 5;

private:
    using Horloge = std::chrono::steady_clock;

    explicit FilSon(std::shared_ptr<PartageSon> partage) : partage_(std::move(partage)) {}

    bool attendsDemande();
    void prends();
    void sers();
    void ouvre();
    void ecris();
    void tombe(const char* raison);
    EtatSortie etat() const;
    void signale();

    std::shared_ptr<PartageSon> partage_;
    SortiePulse sortie_;
    BoucleTon boucle_;
    std::vector<int16_t> tampon_;
    uint64_t demande_ = 0;      ///< the request being served
    bool voulu_ = false;        ///< it asks for a tone
    bool tonNeuf_ = false;      ///< a new tone, not yet started on the open output
    bool echec_ = false;        ///< an attempt at an output failed since the tone was asked for
    bool panne_ = false;        ///< the output is lost or absent, and the journal was told
    Horloge::time_point essai_; ///< no attempt at an output before this
    Horloge::time_point remplissage_; ///< the next top-up
    std::string notice_;              ///< for the journal, with the next report
    uint64_t demandeSignalee_ = 0;
    EtatSortie etatSignale_ = EtatSortie::Silence;
};

} // namespace vibralume
