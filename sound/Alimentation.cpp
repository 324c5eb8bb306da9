#include "sound/Alimentation.h"

#include "sound/Generateur.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QThread>

#include <cmath>

namespace vibralume {

namespace {

QAudioFormat formatTon() {
    QAudioFormat format;
    format.setSampleRate(FrequenceEchantillonnage);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

} // namespace

// The timer is a child so that it follows this object onto the sound's thread.
Alimentation::Alimentation(const std::atomic<double>& gain)
    : gain_(gain), retour_(QThread::currentThread()), remplissage_(this) {
    remplissage_.setTimerType(Qt::PreciseTimer);
    remplissage_.setInterval(PeriodeRemplissageMs);
    connect(&remplissage_, &QTimer::timeout, this, &Alimentation::alimente);
}

Alimentation::~Alimentation() = default;

void Alimentation::joue(std::vector<int16_t> echantillons, const QAudioDevice& peripherique) {
    boucle_.remplace(std::move(echantillons));
    remplissage_.stop();
    if (!sortie_ || peripherique_ != peripherique) {
        // A new default device (headphones plugged in) gets a new output.
        arrete();
        if (sortie_) {
            sortie_->disconnect(this);
            // Its destructor runs pending events: not in the middle of this call.
            sortie_.release()->deleteLater();
        }
        peripherique_ = peripherique;
        sortie_ = std::make_unique<QAudioSink>(peripherique, formatTon());
        connect(sortie_.get(), &QAudioSink::stateChanged, this, &Alimentation::surEtat);
    }
    // Set at every start: the output replaces the size asked for by the one
    // the server granted, which shrinks a little at each restart. A fresh
    // start drops what the server still holds of the old tone, so the new
    // one is heard at once, from its first sample.
    sortie_->setBufferSize(qsizetype{FrequenceEchantillonnage} * 2 * DureeTamponMs / 1000);
    flux_ = sortie_->start();
    if (flux_ == nullptr) {
        return;
    }
    alimente();
    remplissage_.start();
}

void Alimentation::arrete() {
    remplissage_.stop();
    flux_ = nullptr;
    if (sortie_) {
        sortie_->stop();
    }
}

void Alimentation::ferme() {
    arrete();
    if (sortie_) {
        sortie_->disconnect(this);
        sortie_.reset();
    }
    // Back to the thread that made this object, which deletes it once the
    // sound's thread has ended.
    moveToThread(retour_);
    QThread::currentThread()->quit();
}

// Tops the output up to its buffer size: ahead by at most the buffer's
// duration, so that a gain change is heard within that time.
void Alimentation::alimente() {
    if (flux_ == nullptr || !sortie_) {
        return;
    }
    const qsizetype libre = sortie_->bytesFree();
    if (libre <= 0) {
        return;
    }
    tampon_.resize(static_cast<std::size_t>(libre));
    const std::size_t octets = boucle_.lis(tampon_.data(), tampon_.size());
    const double gain = gain_.load(std::memory_order_relaxed);
    if (gain != 1) {
        auto* e = reinterpret_cast<int16_t*>(tampon_.data());
        for (std::size_t k = 0; k < octets / 2; ++k)
            e[k] = int16_t(std::lround(e[k] * gain));
    }
    flux_->write(tampon_.data(), static_cast<qint64>(octets));
}

void Alimentation::surEtat(QAudio::State etat) {
    if (!sortie_ || etat != QAudio::StoppedState) {
        return;
    }
    const QAudio::Error erreur = sortie_->error();
    // Running dry for a moment is no failure: the next refill resumes.
    if (erreur == QAudio::NoError || erreur == QAudio::UnderrunError) {
        return;
    }
    remplissage_.stop();
    flux_ = nullptr;
    emit panne(erreur == QAudio::OpenError
                   ? QStringLiteral("la sortie audio ne s'ouvre pas")
                   : QStringLiteral("la sortie audio a cessé de fonctionner"));
}

} // namespace vibralume
