#include "ui/classe/Curseurs.h"

#include "ui/classe/FenetreCurseurs.h"
#include "ui/classe/MenuFond.h"
#include "ui/classe/TableCommandes.h"
#include "ui/classe/ZoomOS.h"
#include "ui/simulation/OS.h"
#include "ui/simulation/PanneauMesures.h"
#include "views/CurseursOscillo.h"
#include "views/Etiquette.h"
#include "views/PictureBox.h"

#include <QAccessible>
#include <QAction>
#include <QRadioButton>

namespace vibralume {

Curseurs::Curseurs(OS& os, TableCommandes& table, MenuFond& menu, ZoomOS& zoom)
    : QObject(&os), os_(os), ecran_(new CurseursOscillo(*os.controles().Oscillo, os.choix())),
      fenetre_(new FenetreCurseurs(&os)) {
    const ControlesOS& c = os.controles();
    const QString groupe = tr("Oscilloscope");
    const OS* fenetre = &os;
    QAction* montre =
        table.ajoute({.nom = "curseurs",
                      .groupe = groupe,
                      .effet = tr("Curseurs de mesure : afficher ou cacher"),
                      .touches = {Qt::Key_C},
                      .fait = [this] { bascule(); },
                      // Where they can be seen: on the oscilloscope's open screen.
                      .permise = [o = c.Oscillo] { return o->isVisible(); },
                      .texte = tr("Curseurs de mesure"),
                      .coche = [fenetre] { return fenetre->choix().valeurs().curseurs.visibles; }});
    table.ajoute({.nom = "curseurSuivant",
                  .groupe = groupe,
                  .effet = tr("Curseur suivant, puis flèches pour le déplacer d'un dixième de "
                              "division (Maj : d'un pixel), Échap pour finir"),
                  .touches = {Qt::SHIFT | Qt::Key_C},
                  .fait = [this] { choisitSuivant(); },
                  .permise = [e = ecran_] { return e->isVisible(); }});
    menu.ajoute({montre});

    connect(ecran_, &CurseursOscillo::bouge, this, &Curseurs::actualise);
    PanneauMesures* mesures = &os.mesures();
    // What they read follows the sensors and the time base, even while paused.
    connect(mesures, &PanneauMesures::echantillonne, this, &Curseurs::actualise);
    connect(mesures, &PanneauMesures::capteurBascule, this, &Curseurs::actualise);
    for (QRadioButton* b : c.Sens)
        connect(b, &QRadioButton::toggled, this, &Curseurs::actualise);
    for (QWidget* w : std::initializer_list<QWidget*>{c.Micro1, c.Micro2, c.Oscilloscope})
        w->installEventFilter(this);
    fenetre_->setZoom(zoom.zoom());
    connect(&zoom, &ZoomOS::zoomChange, fenetre_, [this](double z, bool plein) {
        // Full screen is the main window's alone.
        if (!plein)
            fenetre_->setZoom(z);
        placeLecture();
    });
    // The window grows or moves (a zoom): the readout keeps clear of it.
    os.installEventFilter(this);
    actualise();
}

void Curseurs::bascule() {
    CurseursMesure c = os_.choix().valeurs().curseurs;
    c.visibles = !c.visibles;
    os_.choix().curseurs(c);
    actualise();
}

void Curseurs::choisitSuivant() {
    if (!ecran_->isVisible())
        return;
    // A first press takes the arrows to the cursor picked last (at first,
    // time 1: the delay is what is measured first); the next ones go round.
    const auto suivant =
        ecran_->hasFocus()
            ? CurseursOscillo::Curseur((ecran_->choisi() + 1) % CurseursOscillo::NbCurseurs)
            : ecran_->choisi();
    ecran_->choisit(suivant);
    ecran_->setFocus(Qt::ShortcutFocusReason);
}

LectureCurseurs Curseurs::lecture() const {
    const ValeursChoix& v = os_.choix().valeurs();
    const double base = BasesTemps[std::size_t(v.indexBaseTemps)];
    return LitCurseurs(v.curseurs, base, DistanceCapteurs(v),
                       MsParPixel(base, ecran_->pixelsParDivision()));
}

void Curseurs::actualise() {
    ecran_->actualise();
    const ValeursChoix& v = os_.choix().valeurs();
    const bool montre = v.curseurs.visibles && os_.controles().Oscillo->isVisible();
    if (!montre) {
        fenetre_->hide();
        montree_.reset();
        return;
    }
    const std::pair<LectureCurseurs, bool> maintenant{lecture(),
                                                      v.capteurs[0].actif && v.capteurs[1].actif};
    if (montree_ != maintenant) {
        montree_ = maintenant;
        fenetre_->montre(maintenant.first, maintenant.second);
        const QString resume = fenetre_->resume();
        if (ecran_->accessibleDescription() != resume) {
            ecran_->setAccessibleDescription(resume);
            QAccessibleEvent e(ecran_, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&e);
        }
    }
    if (!fenetre_->isVisible()) {
        placeLecture();
        fenetre_->show();
    }
}

void Curseurs::placeLecture() {
    if (placee_ && fenetre_->pos() != placeAuto_)
        return;
    fenetre_->placePres(os_, *os_.controles().Oscilloscope);
    placeAuto_ = fenetre_->pos();
    placee_ = true;
}

bool Curseurs::eventFilter(QObject* objet, QEvent* e) {
    if (objet == &os_) {
        if ((e->type() == QEvent::Move || e->type() == QEvent::Resize) && fenetre_->isVisible())
            placeLecture();
        return QObject::eventFilter(objet, e);
    }
    switch (e->type()) {
    case QEvent::Move:
    case QEvent::Show:
    case QEvent::Hide:
        actualise();
        break;
    default:
        break;
    }
    return QObject::eventFilter(objet, e);
}

} // namespace vibralume
