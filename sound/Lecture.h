#pragma once
// Playback of the tone file: an endless, gapless loop of its samples on the
// default audio output, started and stopped from the user-interface thread
// without waiting for the sound.
//
// The file is read anew at every JoueSon, so a rewritten tone is heard at
// once (players that cache a file by name keep the old tone). Without an
// audio output the program runs on silently, after one line on the journal.

#include "sound/BoucleTon.h"

#include <QAudio>
#include <QAudioDevice>
#include <QObject>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

class QAudioSink;
class QIODevice;

namespace vibralume {

/// Starts and stops the looping tone.
class Lecture : public QObject {
    Q_OBJECT
public:
    /// Plays the file `source()` names at each JoueSon; the notice goes to `journal`.
    Lecture(std::function<std::filesystem::path()> source, std::ostream& journal,
            QObject* parent = nullptr);
    ~Lecture() override;

    /// Plays the tone file in an endless loop from its first sample, in place
    /// of whatever plays; returns at once. A missing or unreadable file stops the tone.
    void JoueSon();
    /// Stops the tone; nothing else is heard.
    void ArreteSon();

    /// Gain applied to the samples at the output (0 to 1), never to the file.
    void setGain(double gain) { gain_ = gain; }
    /// True while a tone goes to the output.
    bool joue() const;
    /// Samples in one turn of the loop being played (0 before any).
    std::size_t echantillonsEnBoucle() const { return boucle_.nombreEchantillons(); }

    /// Output buffer: short, so that stops and new tones are heard promptly.
    static constexpr int DureeTamponMs = 50;
    /// Refill period, well inside the buffer so that it never runs dry.
    static constexpr int PeriodeRemplissageMs = 10;

private:
    bool prepareSortie();
    void alimente();
    void surEtat(QAudio::State etat);
    void signale(const std::string& raison);

    std::function<std::filesystem::path()> source_;
    std::ostream& journal_;
    BoucleTon boucle_;
    QAudioDevice peripherique_;
    std::unique_ptr<QAudioSink> sortie_;
    QIODevice* flux_ = nullptr; ///< the output's input, owned by sortie_, while playing
    QTimer remplissage_;
    std::vector<char> tampon_;
    bool averti_ = false;
    double gain_ = 1;
};

} // namespace vibralume
