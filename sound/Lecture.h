#pragma once
// Playback of the tone file: an endless, gapless loop of its samples on the
// default audio output, started and stopped from the user-interface thread
// without waiting for the sound.
//
// The output lives on a thread of its own (FilSon), so that the tone goes on
// unbroken while the user-interface thread is busy or the machine loaded,
// and so that a sound server that is slow, hung or gone never holds the
// window: this class only reads the file and posts requests, and hears back
// the output's state by queued calls.
//
// The file is read anew at every JoueSon, so a rewritten tone is heard at
// once (players that cache a file by name keep the old tone). Without an
// audio output the program runs on silently, after one line on the journal,
// and tries again every second while the tone is asked for; another line
// says when the sound is back.

#include "sound/EtatSortie.h"
#include "sound/PartageSon.h"

#include <QObject>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <thread>
#include <vector>

namespace vibralume {

/// Starts and stops the looping tone.
class Lecture : public QObject {
    Q_OBJECT
public:
    /// Plays the file `source()` names at each JoueSon; the notices go to `journal`.
    Lecture(std::function<std::filesystem::path()> source, std::ostream& journal,
            QObject* parent = nullptr);
    /// Silences the tone and ends the sound's thread, waiting for it at most
    /// AttenteFin: a thread held by a hung server is let go.
    ~Lecture() override;

    /// Plays the tone file in an endless loop from its first sample, in place
    /// of whatever plays; returns at once. A missing or unreadable file stops the tone.
    void JoueSon();
    /// Stops the tone; nothing else is heard. Returns at once.
    void ArreteSon();

    /// Gain applied to the samples at the output (0 to 1), never to the file;
    /// heard within the output's latency, whatever thread calls it.
    void setGain(double gain);
    /// True while the tone really plays: from the output's first samples
    /// until ArreteSon, or until the output fails.
    bool joue() const { return etat_ == EtatSortie::Joue; }
    /// Samples in one turn of the loop being played (0 before any).
    std::size_t echantillonsEnBoucle() const { return enBoucle_; }
    /// The output's state, as last heard from the sound's thread.
    EtatSortie etat() const { return etat_; }

    /// Longest the destructor waits for the sound's thread to silence the output.
    static constexpr std::chrono::milliseconds AttenteFin{200};

signals:
    /// The output's state changed; emitted on this object's thread.
    void etatChange(EtatSortie etat);

private:
    void demande(bool voulu, std::optional<std::vector<int16_t>> ton);
    void recoit(const PartageSon::Rapport& rapport);
    void change(EtatSortie etat);

    std::function<std::filesystem::path()> source_;
    std::ostream& journal_;
    std::shared_ptr<PartageSon> partage_ = std::make_shared<PartageSon>();
    std::thread fil_; ///< the sound's thread, from the first tone on
    uint64_t demande_ = 0;
    std::size_t enBoucle_ = 0;
    EtatSortie etat_ = EtatSortie::Silence;
};

} // namespace vibralume
