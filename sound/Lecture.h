#pragma once
// Playback of the tone file: an endless, gapless loop of its samples on the
// default audio output, started and stopped from the user-interface thread
// without waiting for the sound.
//
// The output is fed from a thread of its own (Alimentation), so that the
// tone goes on unbroken while the user-interface thread is busy or the
// machine loaded. This class stays on the user-interface thread: it reads
// the file, picks the output and hands both over by queued calls.
//
// The file is read anew at every JoueSon, so a rewritten tone is heard at
// once (players that cache a file by name keep the old tone). Without an
// audio output the program runs on silently, after one line on the journal.

#include <QObject>

#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

class QThread;

namespace vibralume {

class Alimentation;

/// Starts and stops the looping tone.
class Lecture : public QObject {
    Q_OBJECT
public:
    /// Plays the file `source()` names at each JoueSon; the notice goes to `journal`.
    Lecture(std::function<std::filesystem::path()> source, std::ostream& journal,
            QObject* parent = nullptr);
    /// Silences the tone and ends the sound's thread.
    ~Lecture() override;

    /// Plays the tone file in an endless loop from its first sample, in place
    /// of whatever plays; returns at once. A missing or unreadable file stops the tone.
    void JoueSon();
    /// Stops the tone; nothing else is heard. Returns at once.
    void ArreteSon();

    /// Gain applied to the samples at the output (0 to 1), never to the file;
    /// heard within the output's buffer, whatever thread calls it.
    void setGain(double gain);
    /// True from a JoueSon that found a tone and an output until ArreteSon,
    /// or until the output fails.
    bool joue() const { return joue_; }
    /// Samples in one turn of the loop being played (0 before any).
    std::size_t echantillonsEnBoucle() const { return enBoucle_; }

private:
    void demarreFil();
    void signale(const std::string& raison);

    std::function<std::filesystem::path()> source_;
    std::ostream& journal_;
    std::atomic<double> gain_{1};
    std::unique_ptr<QThread> fil_;         ///< the sound's thread, from the first tone on
    Alimentation* alimentation_ = nullptr; ///< lives on fil_; deleted here once it has ended
    std::size_t enBoucle_ = 0;
    bool joue_ = false;
    bool averti_ = false;
};

} // namespace vibralume
