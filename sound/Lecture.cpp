#include "sound/Lecture.h"

#include "sound/Alimentation.h"
#include "sound/LitTon.h"

#include <QMediaDevices>
#include <QThread>

#include <algorithm>

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

} // namespace

Lecture::Lecture(std::function<std::filesystem::path()> source, std::ostream& journal,
                 QObject* parent)
    : QObject(parent), source_(std::move(source)), journal_(journal) {}

// Waits for the sound's thread to stop the output: a few milliseconds, and
// the room is silent when the window has gone.
Lecture::~Lecture() {
    if (!fil_) {
        return;
    }
    QMetaObject::invokeMethod(alimentation_, &Alimentation::ferme, Qt::QueuedConnection);
    fil_->wait();
    delete alimentation_;
}

void Lecture::JoueSon() {
    auto echantillons = LitTon(source_());
    if (!echantillons) {
        ArreteSon();
        return;
    }
    enBoucle_ = echantillons->size();
    if (sortiesAudio().isEmpty()) {
        joue_ = false;
        signale("aucune sortie audio");
        return;
    }
    demarreFil();
    Alimentation* a = alimentation_;
    QMetaObject::invokeMethod(
        a,
        [a, e = std::move(*echantillons), d = QMediaDevices::defaultAudioOutput()]() mutable {
            a->joue(std::move(e), d);
        },
        Qt::QueuedConnection);
    joue_ = true;
}

void Lecture::ArreteSon() {
    joue_ = false;
    if (alimentation_ != nullptr) {
        QMetaObject::invokeMethod(alimentation_, &Alimentation::arrete, Qt::QueuedConnection);
    }
}

void Lecture::setGain(double gain) {
    gain_.store(std::clamp(gain, 0.0, 1.0), std::memory_order_relaxed);
}

// Only once there is something to play: a machine without sound runs no
// thread for it.
void Lecture::demarreFil() {
    if (fil_) {
        return;
    }
    fil_ = std::make_unique<QThread>();
    fil_->setObjectName(QStringLiteral("vibralume-son"));
    alimentation_ = new Alimentation(gain_);
    alimentation_->moveToThread(fil_.get());
    connect(alimentation_, &Alimentation::panne, this, [this](const QString& raison) {
        joue_ = false;
        signale(raison.toStdString());
    });
    fil_->start();
}

void Lecture::signale(const std::string& raison) {
    if (averti_) {
        return;
    }
    averti_ = true;
    journal_ << "vibralume : " << raison << ", le son reste muet" << '\n' << std::flush;
}

} // namespace vibralume
