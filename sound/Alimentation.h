#pragma once
// The audio output and what keeps it fed, on the sound's own thread: a
// user-interface thread held by a window being built, or slowed down by other
// programs, no longer leaves the output without samples.
//
// Everything here runs on that thread; the player (Lecture) reaches it by
// queued calls only, and hears back from it by the `panne` signal. The
// output is fed in push mode from this object's own timer: Qt's pull mode
// would look for room only every 20 ms, half the margin against a
// late wake-up, where this timer takes up the server's requests within 5 ms.

#include "sound/BoucleTon.h"

#include <QAudio>
#include <QAudioDevice>
#include <QObject>
#include <QString>
#include <QTimer>

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

class QAudioSink;
class QIODevice;
class QThread;

namespace vibralume {

/// Feeds the looping tone to the audio output, on the thread it lives in.
class Alimentation : public QObject {
    Q_OBJECT
public:
    /// `gain` (0 to 1) is read at every refill; it belongs to the caller and outlives this.
    explicit Alimentation(const std::atomic<double>& gain);
    ~Alimentation() override;

    /// Plays `echantillons` in a loop on `peripherique` from the first
    /// sample, dropping what the output still holds of the previous tone.
    void joue(std::vector<int16_t> echantillons, const QAudioDevice& peripherique);
    /// Silences the output at once.
    void arrete();
    /// Silences the output, lets it go, goes back to the thread that made
    /// this object and ends the one it lived in.
    void ferme();

    /// Latency asked of the output, from a sample written to it being heard.
    /// The sound server splits it (Qt asks it to adjust the device's
    /// latency): about 60 ms queued for this stream, refilled 20 ms at a
    /// time, and up to 20 ms in the device. So a refill may come 40 ms late
    /// without a break, and a gain applied as samples are written is heard
    /// within about 80 ms (50 ms measured on the null sink), under the
    /// 100 ms that the sensor's loudness needs to follow the wave.
    static constexpr int DureeTamponMs = 80;
    /// Refill period: the server's requests are taken up within 5 ms.
    static constexpr int PeriodeRemplissageMs = 5;

signals:
    /// The output failed for `raison`; nothing plays until the next joue.
    void panne(const QString& raison);

private:
    void alimente();
    void surEtat(QAudio::State etat);

    const std::atomic<double>& gain_;
    QThread* retour_; ///< where this was made, and goes back to when closed
    BoucleTon boucle_;
    QAudioDevice peripherique_;
    std::unique_ptr<QAudioSink> sortie_;
    QIODevice* flux_ = nullptr; ///< the output's input, owned by sortie_, while playing
    QTimer remplissage_;
    std::vector<char> tampon_;
};

} // namespace vibralume
