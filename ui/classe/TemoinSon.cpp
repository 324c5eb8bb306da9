#include "ui/classe/TemoinSon.h"

#include "sound/Lecture.h"
#include "sound/Son.h"
#include "ui/miseenpage/Construction.h"
#include "ui/simulation/ControlesOS.h"
#include "ui/simulation/OS.h"
#include "views/PictureBox.h"

#include <QEvent>
#include <QLabel>

namespace vibralume {

TemoinSon::TemoinSon(OS& os, const Lecture& lecture, const Son& son)
    : QObject(&os), os_(os), lecture_(lecture), son_(son), marque_(new QLabel(&os)) {
    marque_->setObjectName(QStringLiteral("TemoinSon"));
    marque_->setAttribute(Qt::WA_TransparentForMouseEvents);
    marque_->setAlignment(Qt::AlignCenter);
    marque_->setStyleSheet(
        QStringLiteral("QLabel { background: rgb(176, 0, 0); color: white; padding: 0 2px; }"));
    marque_->hide();
    attente_.setSingleShot(true);
    attente_.setInterval(AttenteMs);
    connect(&attente_, &QTimer::timeout, this, [this] {
        rechercheLongue_ = true;
        evalue();
    });
    connect(&lecture, &Lecture::etatChange, this, &TemoinSon::etatChange);
    os.controles().Command5->installEventFilter(this);
}

QString TemoinSon::raison() const {
    if (!sansSon_)
        return {};
    if (!son_.tonDisponible())
        return tr("Pas de son : le fichier du son n'a pas pu être écrit");
    return tr("Pas de son : aucune sortie audio, nouvel essai chaque seconde");
}

void TemoinSon::etatChange(EtatSortie etat) {
    rechercheLongue_ = false;
    if (etat == EtatSortie::Recherche)
        attente_.start();
    else
        attente_.stop();
    evalue();
}

bool TemoinSon::eventFilter(QObject* objet, QEvent* e) {
    switch (e->type()) {
    case QEvent::Show:
    case QEvent::Hide:
        evalue();
        break;
    case QEvent::Move:
    case QEvent::Resize:
        place();
        break;
    default:
        break;
    }
    return QObject::eventFilter(objet, e);
}

void TemoinSon::evalue() {
    PictureBox* arret = os_.controles().Command5;
    bool muet = false;
    if (os_.choix().ecoute()) {
        switch (lecture_.etat()) {
        case EtatSortie::Joue:
            break;
        case EtatSortie::Recherche:
            muet = rechercheLongue_;
            break;
        case EtatSortie::Silence: // the player refused a tone it does not have
        case EtatSortie::SansSortie:
            muet = true;
            break;
        }
        muet = muet || !son_.tonDisponible();
    }
    if (muet == sansSon_)
        return;
    sansSon_ = muet;
    const QString texte = raison();
    arret->setToolTip(texte);
    arret->setAccessibleDescription(texte);
    if (muet) {
        marque_->setText(tr("pas de son"));
        place();
        marque_->show();
        marque_->raise();
    } else {
        marque_->hide();
    }
    emit sansSonChange(muet);
}

// Along the bottom of the stop picture, at the window's zoom.
void TemoinSon::place() {
    const QWidget* arret = os_.controles().Command5;
    const double zoom = double(os_.width()) / 1008;
    marque_->setFont(resoudPolice({"Calibri", 8, true}, zoom));
    marque_->adjustSize();
    const QRect r = arret->geometry();
    marque_->move(r.center().x() - marque_->width() / 2, r.bottom() + 1 - marque_->height());
}

} // namespace vibralume
