#include "sound/Lecture.h"

#include "sound/FilSon.h"
#include "sound/LitTon.h"

#include <algorithm>

namespace vibralume {

Lecture::Lecture(std::function<std::filesystem::path()> source, std::ostream& journal,
                 QObject* parent)
    : QObject(parent), source_(std::move(source)), journal_(journal) {}

// Normally the thread silences the output within one write (20 ms), and the
// room is silent when the window has gone. A thread held by a server that
// does not answer is let go, so that the window closes at once; it ends by
// itself when the client library gives up, and reaches nothing of this.
Lecture::~Lecture() {
    if (!fil_.joinable()) {
        return;
    }
    std::unique_lock verrou(partage_->verrou);
    partage_->fin = true;
    partage_->rapporte = nullptr;
    partage_->reveil.notify_all();
    const bool termine =
        partage_->termineSignal.wait_for(verrou, AttenteFin, [this] { return partage_->termine; });
    verrou.unlock();
    if (termine) {
        fil_.join();
    } else {
        fil_.detach();
    }
}

void Lecture::JoueSon() {
    auto echantillons = LitTon(source_());
    if (!echantillons) {
        ArreteSon();
        return;
    }
    enBoucle_ = echantillons->size();
    // Only once there is something to play: a program never asked for a
    // tone runs no thread for it.
    if (!fil_.joinable()) {
        partage_->rapporte = [this](PartageSon::Rapport r) {
            QMetaObject::invokeMethod(
                this, [this, r = std::move(r)] { recoit(r); }, Qt::QueuedConnection);
        };
        fil_ = std::thread(FilSon::tourne, partage_);
    }
    demande(true, std::move(echantillons));
    // Until the thread says more: a tone playing goes on playing the new
    // one, an output missing stays missing.
    if (etat_ == EtatSortie::Silence) {
        change(EtatSortie::Recherche);
    }
}

void Lecture::ArreteSon() {
    if (fil_.joinable()) {
        demande(false, std::nullopt);
    }
    change(EtatSortie::Silence);
}

void Lecture::setGain(double gain) {
    partage_->gain.store(std::clamp(gain, 0.0, 1.0), std::memory_order_relaxed);
}

void Lecture::demande(bool voulu, std::optional<std::vector<int16_t>> ton) {
    {
        const std::lock_guard verrou(partage_->verrou);
        partage_->demande = ++demande_;
        partage_->voulu = voulu;
        partage_->ton = std::move(ton);
    }
    partage_->reveil.notify_all();
}

// A notice is told even when a newer request made the state stale: the
// outage it tells of happened.
void Lecture::recoit(const PartageSon::Rapport& rapport) {
    if (!rapport.notice.empty()) {
        journal_ << rapport.notice << '\n' << std::flush;
    }
    if (rapport.demande == demande_) {
        change(rapport.etat);
    }
}

void Lecture::change(EtatSortie etat) {
    if (etat != etat_) {
        etat_ = etat;
        emit etatChange(etat_);
    }
}

} // namespace vibralume
