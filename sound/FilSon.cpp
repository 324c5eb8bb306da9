#include "sound/FilSon.h"

#include "sound/Generateur.h"

#include <pthread.h>

#include <algorithm>
#include <cmath>

namespace vibralume {

void FilSon::tourne(std::shared_ptr<PartageSon> partage) {
    pthread_setname_np(pthread_self(), "vibralume-son");
    // The tone must not wait behind the machine's other work, as the sound
    // server's own threads do not: a modest real-time priority where the
    // system grants one (a real-time limit for the user, or root), the
    // ordinary scheduling otherwise. The thread mostly sleeps; each wake-up
    // writes a few milliseconds of samples.
    sched_param priorite{};
    priorite.sched_priority = PrioriteTempsReel;
    pthread_setschedparam(pthread_self(), SCHED_RR, &priorite);
    FilSon fil(std::move(partage));
    while (fil.attendsDemande()) {
        fil.sers();
        fil.signale();
    }
    fil.sortie_.ferme();
    const std::lock_guard verrou(fil.partage_->verrou);
    fil.partage_->termine = true;
    fil.partage_->termineSignal.notify_all();
}

// Takes the latest request and tells the player where it stands; waits
// until there is something to do, or a new request: the next top-up while
// playing, the next attempt at an output while it is missing. False at the end.
bool FilSon::attendsDemande() {
    for (;;) {
        auto jusqua = Horloge::time_point::max();
        {
            const std::lock_guard verrou(partage_->verrou);
            if (partage_->fin) {
                return false;
            }
            if (partage_->demande != demande_) {
                prends();
            }
            if (voulu_) {
                jusqua = sortie_.ouverte() ? remplissage_ : essai_;
            } else if (sortie_.ouverte()) {
                jusqua = {};
            }
        }
        signale();
        if (Horloge::now() >= jusqua) {
            return true;
        }
        std::unique_lock verrou(partage_->verrou);
        if (partage_->fin || partage_->demande != demande_) {
            continue;
        }
        if (jusqua == Horloge::time_point::max()) {
            partage_->reveil.wait(verrou);
        } else {
            partage_->reveil.wait_until(verrou, jusqua);
        }
    }
}

// Under the lock.
void FilSon::prends() {
    demande_ = partage_->demande;
    if (partage_->voulu && !voulu_) {
        // Asked for anew: look for the output at once, as for the first time.
        echec_ = false;
        essai_ = {};
    }
    voulu_ = partage_->voulu;
    if (partage_->ton) {
        boucle_.remplace(std::move(*partage_->ton));
        partage_->ton.reset();
        tonNeuf_ = true;
    }
}

void FilSon::sers() {
    if (!voulu_) {
        sortie_.ferme();
        return;
    }
    if (!sortie_.ouverte()) {
        ouvre();
    } else if (tonNeuf_) {
        tonNeuf_ = false;
        if (!sortie_.vide()) {
            tombe("la sortie audio a cessé de fonctionner");
        }
    }
    // Written before the state is told: playing means samples on their way.
    if (sortie_.ouverte()) {
        ecris();
    }
}

// Waits as long as the server makes it: a server that never answers holds
// this thread (and only it) until the client library gives up.
void FilSon::ouvre() {
    if (!sortie_.ouvre()) {
        tombe("aucune sortie audio");
        return;
    }
    // A fresh stream holds nothing of an older tone.
    tonNeuf_ = false;
    echec_ = false;
    if (panne_) {
        panne_ = false;
        notice_ = "vibralume : la sortie audio est revenue, le son reprend";
    }
}

// Up to AvanceMs ahead of the loudspeaker, computed with the gain of the
// moment: a new gain is heard within that time.
void FilSon::ecris() {
    remplissage_ = Horloge::now() + Remplissage;
    const std::optional<std::chrono::microseconds> enAvance = sortie_.enAvance();
    if (!enAvance) {
        tombe("la sortie audio a cessé de fonctionner");
        return;
    }
    const auto manque = std::chrono::milliseconds(SortiePulse::AvanceMs) - *enAvance;
    const auto n = std::size_t(
        std::max<int64_t>(0, manque.count() * int64_t{FrequenceEchantillonnage} / 1000000));
    if (n == 0) {
        return;
    }
    tampon_.resize(n);
    const std::size_t lus =
        boucle_.lis(reinterpret_cast<char*>(tampon_.data()), n * sizeof(int16_t)) / sizeof(int16_t);
    const double gain = partage_->gain.load(std::memory_order_relaxed);
    if (gain != 1) {
        for (std::size_t k = 0; k < lus; ++k) {
            tampon_[k] = int16_t(std::lround(tampon_[k] * gain));
        }
    }
    if (!sortie_.ecris(tampon_.data(), lus)) {
        tombe("la sortie audio a cessé de fonctionner");
    }
}

// Told once for a whole outage, however many attempts it takes.
void FilSon::tombe(const char* raison) {
    sortie_.ferme();
    echec_ = true;
    essai_ = Horloge::now() + Reessai;
    if (!panne_) {
        panne_ = true;
        notice_ = std::string("vibralume : ") + raison + ", le son reste muet";
    }
}

EtatSortie FilSon::etat() const {
    if (!voulu_) {
        return EtatSortie::Silence;
    }
    if (sortie_.ouverte()) {
        return EtatSortie::Joue;
    }
    return echec_ ? EtatSortie::SansSortie : EtatSortie::Recherche;
}

// Only what changed, and the state again for every new request: the player
// may have guessed it wrong.
void FilSon::signale() {
    const EtatSortie e = etat();
    if (e == etatSignale_ && demande_ == demandeSignalee_ && notice_.empty()) {
        return;
    }
    etatSignale_ = e;
    demandeSignalee_ = demande_;
    PartageSon::Rapport rapport{demande_, e, std::move(notice_)};
    notice_.clear();
    const std::lock_guard verrou(partage_->verrou);
    if (partage_->rapporte) {
        partage_->rapporte(std::move(rapport));
    }
}

} // namespace vibralume
