#include "sound/Lecture.h"

#include "sound/Generateur.h"
#include "sound/LitTon.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include <cmath>
#include <iostream>

namespace vibralume {

namespace {

QtMessageHandler gestionnairePrecedent = nullptr;

void taitPulse(QtMsgType type, const QMessageLogContext& contexte, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("PulseAudioService:"))) {
        return;
    }
    if (gestionnairePrecedent != nullptr) {
        gestionnairePrecedent(type, contexte, message);
    }
}

// The first look at the outputs connects to the sound server; without one,
// the multimedia library warns on its own, and the program's single line
// says it better.
QList<QAudioDevice> sortiesAudio() {
    static bool premiere = true;
    if (!premiere) {
        return QMediaDevices::audioOutputs();
    }
    premiere = false;
    gestionnairePrecedent = qInstallMessageHandler(taitPulse);
    QList<QAudioDevice> sorties = QMediaDevices::audioOutputs();
    qInstallMessageHandler(gestionnairePrecedent);
    return sorties;
}

QAudioFormat formatTon() {
    QAudioFormat format;
    format.setSampleRate(FrequenceEchantillonnage);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

} // namespace

Lecture::Lecture(std::function<std::filesystem::path()> source, std::ostream& journal,
                 QObject* parent)
    : QObject(parent), source_(std::move(source)), journal_(journal) {
    remplissage_.setTimerType(Qt::PreciseTimer);
    remplissage_.setInterval(PeriodeRemplissageMs);
    connect(&remplissage_, &QTimer::timeout, this, &Lecture::alimente);
}

Lecture::~Lecture() {
    ArreteSon();
    if (sortie_) {
        sortie_->disconnect(this);
    }
}

void Lecture::JoueSon() {
    auto echantillons = LitTon(source_());
    if (!echantillons) {
        ArreteSon();
        return;
    }
    boucle_.remplace(std::move(*echantillons));
    if (!prepareSortie()) {
        return;
    }
    // A fresh start drops what the output still holds of the old tone, so
    // the new one is heard at once, from its first sample.
    remplissage_.stop();
    // Set at every start: the output replaces the size asked for by the one
    // the server granted, which shrinks a little at each restart.
    sortie_->setBufferSize(qsizetype{FrequenceEchantillonnage} * 2 * DureeTamponMs / 1000);
    flux_ = sortie_->start();
    if (flux_ == nullptr) {
        return;
    }
    alimente();
    remplissage_.start();
}

void Lecture::ArreteSon() {
    remplissage_.stop();
    flux_ = nullptr;
    if (sortie_) {
        sortie_->stop();
    }
}

bool Lecture::joue() const {
    return sortie_ && flux_ != nullptr &&
           (sortie_->state() == QAudio::ActiveState || sortie_->state() == QAudio::IdleState);
}

bool Lecture::prepareSortie() {
    if (sortiesAudio().isEmpty()) {
        signale("aucune sortie audio");
        return false;
    }
    const QAudioDevice defaut = QMediaDevices::defaultAudioOutput();
    if (sortie_ && peripherique_ == defaut) {
        return true;
    }
    // A new default device (headphones plugged in) gets a new output.
    ArreteSon();
    if (sortie_) {
        sortie_->disconnect(this);
    }
    sortie_.reset();
    peripherique_ = defaut;
    sortie_ = std::make_unique<QAudioSink>(defaut, formatTon());
    connect(sortie_.get(), &QAudioSink::stateChanged, this, &Lecture::surEtat);
    return true;
}

// Tops the output up to its buffer size: ahead by at most the buffer's
// duration, so that nothing old lingers once the tone changes.
void Lecture::alimente() {
    if (flux_ == nullptr || !sortie_) {
        return;
    }
    const qsizetype libre = sortie_->bytesFree();
    if (libre <= 0) {
        return;
    }
    tampon_.resize(static_cast<std::size_t>(libre));
    const std::size_t octets = boucle_.lis(tampon_.data(), tampon_.size());
    if (gain_ != 1) {
        auto* e = reinterpret_cast<int16_t*>(tampon_.data());
        for (std::size_t k = 0; k < octets / 2; ++k)
            e[k] = int16_t(std::lround(e[k] * gain_));
    }
    flux_->write(tampon_.data(), static_cast<qint64>(octets));
}

void Lecture::surEtat(QAudio::State etat) {
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
    signale(erreur == QAudio::OpenError ? "la sortie audio ne s'ouvre pas"
                                        : "la sortie audio a cessé de fonctionner");
}

void Lecture::signale(const std::string& raison) {
    if (averti_) {
        return;
    }
    averti_ = true;
    journal_ << "vibralume : " << raison << ", le son reste muet" << '\n' << std::flush;
}

} // namespace vibralume
