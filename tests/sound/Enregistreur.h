#pragma once
// Test helper: records the private null sink's monitor with parec, and
// measures what was heard.

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

namespace essai {

inline constexpr double Fe = 44100.0;

/// Recorded samples louder than this are sound; the null sink gives exact zeros otherwise.
inline constexpr int Seuil = 64;

/// A duration as a number of samples.
inline qsizetype secondes(double s) {
    return qsizetype(s * Fe);
}

/// The first sample of [debut, fin) that is sound, or -1.
inline qsizetype premierSon(const std::vector<int16_t>& s, qsizetype debut, qsizetype fin) {
    for (qsizetype i = debut; i < fin; ++i)
        if (std::abs(int(s[std::size_t(i)])) > Seuil)
            return i;
    return -1;
}

/// What the sink played, sample by sample, as it arrives.
class Enregistreur {
public:
    /// Empty when the private sound server answers, has its null sink and
    /// recording runs; otherwise why not. Called first by every audio test.
    QString demarreSurServeurPrive() {
        if (!qEnvironmentVariableIsSet("PULSE_SERVER"))
            return QStringLiteral(
                "run through CTest: the fixture starts the private PulseAudio daemon");
        return demarre();
    }

    /// Empty when recording runs, otherwise why not.
    QString demarre() {
        const QString parec = QStandardPaths::findExecutable(QStringLiteral("parec"));
        if (parec.isEmpty()) {
            return QStringLiteral("parec not found (Debian package pulseaudio-utils)");
        }
        horloge_.start();
        QObject::connect(&processus_, &QProcess::readyReadStandardOutput,
                         [this] { ajoute(processus_.readAllStandardOutput()); });
        // Without a short latency the null sink hands data over in 2 s blocks.
        processus_.start(parec, {QStringLiteral("--latency-msec=10"), QStringLiteral("-d"),
                                 QStringLiteral("vsink.monitor"), QStringLiteral("--rate=44100"),
                                 QStringLiteral("--channels=1"), QStringLiteral("--format=s16le"),
                                 QStringLiteral("--raw")});
        if (!processus_.waitForStarted(5000)) {
            return QStringLiteral("parec does not start: ") + processus_.errorString();
        }
        // Wait for the first samples: the stream is connected.
        QElapsedTimer t;
        t.start();
        while (echantillons_.size() < 4410 && t.elapsed() < 5000 &&
               processus_.state() == QProcess::Running) {
            processus_.waitForReadyRead(100);
        }
        if (echantillons_.size() < 4410) {
            return QStringLiteral("parec records nothing: ") +
                   QString::fromLocal8Bit(processus_.readAllStandardError());
        }
        return {};
    }

    ~Enregistreur() {
        processus_.disconnect();
        processus_.kill();
        processus_.waitForFinished(2000);
    }

    /// Index of the next sample to arrive: "now" on the recording's clock
    /// (late by the recording latency, so delays measured from it are upper bounds).
    qsizetype maintenant() {
        QCoreApplication::processEvents();
        ajoute(processus_.readAllStandardOutput());
        return qsizetype(echantillons_.size());
    }

    /// Runs the event loop until sample `fin` has been recorded (false after 5 s more).
    bool attends(qsizetype fin) {
        QElapsedTimer t;
        t.start();
        while (maintenant() < fin) {
            if (t.elapsed() > 5000 + qint64((fin - qsizetype(echantillons_.size())) / 44)) {
                return false;
            }
            processus_.waitForReadyRead(5);
        }
        return true;
    }

    const std::vector<int16_t>& echantillons() const { return echantillons_; }

    /// Milliseconds since recording began, on the test's clock.
    qint64 horloge() const { return horloge_.elapsed(); }
    /// When sample `i` reached the test, on the same clock: an upper bound of
    /// when it left the sink.
    qint64 arrivee(qsizetype i) const {
        auto it = std::upper_bound(arrivees_.begin(), arrivees_.end(), i,
                                   [](qsizetype v, const auto& a) { return v < a.first; });
        return it == arrivees_.end() ? -1 : it->second;
    }

private:
    void ajoute(const QByteArray& octets) {
        reste_ += octets;
        const qsizetype n = reste_.size() / 2;
        for (qsizetype k = 0; k < n; ++k) {
            echantillons_.push_back(
                int16_t(uint16_t(uint8_t(reste_[2 * k]) | uint8_t(reste_[2 * k + 1]) << 8)));
        }
        reste_.remove(0, 2 * n);
        if (n > 0) {
            // Samples before index size() arrived by now.
            arrivees_.emplace_back(qsizetype(echantillons_.size()), horloge_.elapsed());
        }
    }

    QProcess processus_;
    QByteArray reste_;
    std::vector<int16_t> echantillons_;
    QElapsedTimer horloge_;
    std::vector<std::pair<qsizetype, qint64>> arrivees_; ///< (end index, ms)
};

/// Power at frequency f over samples [debut, fin), Hann-windowed (Goertzel).
inline double puissance(const std::vector<int16_t>& s, qsizetype debut, qsizetype fin, double f,
                        bool hann = true) {
    const double w = 2 * M_PI * f / Fe;
    const double c = 2 * std::cos(w);
    double q1 = 0, q2 = 0;
    const double n = double(fin - debut);
    for (qsizetype i = debut; i < fin; ++i) {
        const double fenetre = hann ? 0.5 - 0.5 * std::cos(2 * M_PI * double(i - debut) / n) : 1.0;
        const double q0 = c * q1 - q2 + fenetre * s[std::size_t(i)];
        q2 = q1;
        q1 = q0;
    }
    return q1 * q1 + q2 * q2 - c * q1 * q2;
}

/// The loudest frequency between 50 and 8000 Hz, to a twentieth of a hertz.
inline double frequenceDominante(const std::vector<int16_t>& s, qsizetype debut, qsizetype fin) {
    double meilleure = 0, max = -1;
    for (double f = 50; f <= 8000; f += 5) {
        const double p = puissance(s, debut, fin, f);
        if (p > max) {
            max = p;
            meilleure = f;
        }
    }
    const double grossiere = meilleure;
    for (double f = grossiere - 6; f <= grossiere + 6; f += 0.05) {
        const double p = puissance(s, debut, fin, f);
        if (p > max) {
            max = p;
            meilleure = f;
        }
    }
    return meilleure;
}

} // namespace essai
