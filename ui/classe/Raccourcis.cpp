#include "ui/classe/Raccourcis.h"

#include "ui/classe/FenetreRaccourcis.h"
#include "ui/classe/Volume.h"
#include "ui/classe/ZoomOS.h"
#include "ui/simulation/ControlesOS.h"
#include "ui/simulation/OS.h"
#include "ui/simulation/PanneauMesures.h"
#include "views/Etiquette.h"
#include "views/ImageControle.h"
#include "views/PictureBox.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace vibralume {

namespace {

/// A click on `w` could be made now: it is shown and enabled.
bool cliquable(const QWidget* w, const QWidget* fenetre) {
    return w->isVisibleTo(fenetre) && w->isEnabled();
}

} // namespace

Raccourcis::Raccourcis(OS& os, ZoomOS& zoom, Volume& volume)
    : QObject(&os), os_(os), zoom_(zoom), volume_(volume) {
    ajouteTouches();
}

QAction* Raccourcis::ajoute(const QString& groupe, const QString& touches, const QString& effet,
                            const QList<QKeySequence>& sequences, std::function<void()> action) {
    auto* a = new QAction(effet, this);
    a->setShortcuts(sequences);
    // The window's keys whatever control has the focus, never a control's.
    a->setShortcutContext(Qt::WindowShortcut);
    a->setAutoRepeat(false);
    connect(a, &QAction::triggered, this, std::move(action));
    os_.addAction(a);
    // A second key of a line already listed adds no line of its own.
    if (touches.isEmpty())
        return a;
    auto it = std::find_if(groupes_.begin(), groupes_.end(),
                           [&](const Groupe& g) { return g.titre == groupe; });
    if (it == groupes_.end())
        it = groupes_.insert(groupes_.end(), Groupe{groupe, {}});
    it->lignes.push_back({touches, effet});
    return a;
}

void Raccourcis::ajouteTouches() {
    const ControlesOS& c = os_.controles();
    OS* os = &os_;
    PanneauMesures* mesures = &os_.mesures();
    auto peut = [os](const QWidget* w) { return cliquable(w, os); };
    // A scroll bar moved as a click on its arrows or its trough would move it.
    auto barre = [peut](QScrollBar* s, QAbstractSlider::SliderAction pas) {
        return [peut, s, pas] {
            if (peut(s))
                s->triggerAction(pas);
        };
    };
    auto choisit = [peut](QAbstractButton* o) {
        return [peut, o] {
            if (peut(o))
                o->click();
        };
    };
    const auto plus = QAbstractSlider::SliderSingleStepAdd;
    const auto moins = QAbstractSlider::SliderSingleStepSub;

    const QString marche = tr("Marche de la simulation");
    ajoute(marche, tr("Espace"), tr("Pause, ou reprise de la simulation"), {Qt::Key_Space}, [=] {
        if (peut(c.Command1))
            os->Command1_Click();
        else if (peut(c.Command2))
            os->Command2_Click();
    });
    ajoute(marche, tr("Flèche droite"), tr("Pas à pas : 25 ms de plus"), {Qt::Key_Right}, [=] {
        if (peut(c.Command3))
            os->Command3_Click();
    })->setAutoRepeat(true);

    const QString vibration = tr("Vibration");
    QAction* a = ajoute(vibration, tr("Flèche haut / bas"), tr("Fréquence plus haute / plus basse"),
                        {Qt::Key_Up}, barre(c.frequence, plus));
    a->setAutoRepeat(true);
    a = ajoute(vibration, QString(), QString(), {Qt::Key_Down}, barre(c.frequence, moins));
    a->setAutoRepeat(true);
    a = ajoute(vibration, tr("Page haut / bas"), tr("Fréquence : grand pas"), {Qt::Key_PageUp},
               barre(c.frequence, QAbstractSlider::SliderPageStepAdd));
    a->setAutoRepeat(true);
    a = ajoute(vibration, QString(), QString(), {Qt::Key_PageDown},
               barre(c.frequence, QAbstractSlider::SliderPageStepSub));
    a->setAutoRepeat(true);
    // The amplitude of whichever vibration is shown.
    auto amplitude = [=](QAbstractSlider::SliderAction pas) {
        return [=] {
            QScrollBar* s = peut(c.Amplitude) ? c.Amplitude : c.AmplitudeSoliton;
            if (peut(s))
                s->triggerAction(pas);
        };
    };
    a = ajoute(vibration, tr("Maj + flèche haut / bas"), tr("Amplitude plus grande / plus petite"),
               {Qt::SHIFT | Qt::Key_Up}, amplitude(plus));
    a->setAutoRepeat(true);
    a = ajoute(vibration, QString(), QString(), {Qt::SHIFT | Qt::Key_Down}, amplitude(moins));
    a->setAutoRepeat(true);
    ajoute(vibration, tr("I"), tr("Vibration solitaire, ou périodique"), {Qt::Key_I}, [=] {
        if (peut(c.Label11))
            os->Label11_Click();
        else if (peut(c.Label31))
            os->Label31_Click();
    });
    const char* solitons[] = {QT_TR_NOOP("Soliton court"), QT_TR_NOOP("Soliton moyen"),
                              QT_TR_NOOP("Soliton long")};
    for (int16_t k = 1; k <= 3; ++k) {
        QPushButton* bouton = k == 1 ? c.SolitonCourt : k == 2 ? c.SolitonMoyen : c.SolitonLong;
        ajoute(vibration, QStringLiteral("F%1").arg(4 + k), tr(solitons[k - 1]),
               {QKeySequence(Qt::Key_F4 + k)}, [=] {
                   if (peut(bouton))
                       os->Soliton_Click(k);
               });
    }
    ajoute(vibration, tr("L"), tr("Écouter le son produit, ou l'arrêter"), {Qt::Key_L}, [=] {
        if (peut(c.Command4))
            os->Command4_Click();
        else if (peut(c.Command5))
            os->Command5_Click();
    });

    const QString fenetres = tr("Fenêtres");
    ajoute(fenetres, tr("M"), tr("Modèle microscopique : ouvrir ou fermer"), {Qt::Key_M}, [=] {
        if (c.ModeleMicro->isHidden())
            os->AfficheModeleMicro();
        else
            mesures->CacherModeleMicro_Click();
    });
    ajoute(fenetres, tr("O"), tr("Oscilloscope : ouvrir ou fermer"), {Qt::Key_O}, [=] {
        if (!c.Oscilloscope->isHidden())
            mesures->CacheOscillo_Click();
        else if (peut(c.Picture2))
            mesures->AfficheOscilloscope();
    });
    ajoute(fenetres, tr("V"), tr("Vibreur : ouvrir ou fermer"), {Qt::Key_V}, [=] {
        if (c.Vibreur->isHidden())
            mesures->AfficheVibreur();
        else
            mesures->CacheVibreur_Click();
    });
    ajoute(fenetres, tr("F2"), tr("Énoncé du modèle microscopique"), {Qt::Key_F2},
           [=] { os->EnonceModele_DblClick(); });

    const QString capteurs = tr("Oscilloscope");
    // "&" and "é" are the 1 and 2 of a French keyboard without Shift.
    ajoute(capteurs, tr("1"), tr("Capteur 1 : activer ou désactiver"),
           {Qt::Key_1, Qt::Key_Ampersand}, [=] {
               if (peut(c.micro1_noncoche) || peut(c.micro1_coche))
                   mesures->capteur_Click(1);
           });
    ajoute(capteurs, tr("2"), tr("Capteur 2 : activer ou désactiver"), {Qt::Key_2, Qt::Key_Eacute},
           [=] {
               if (peut(c.micro2_noncoche) || peut(c.micro2_coche))
                   mesures->capteur_Click(2);
           });
    auto baseSuivante = [=](int sens) {
        return [=] {
            for (std::size_t k = 0; k < c.Sens.size(); ++k)
                if (c.Sens[k]->isChecked()) {
                    QRadioButton* suivante = c.Sens[(k + c.Sens.size() + sens) % c.Sens.size()];
                    if (peut(suivante))
                        suivante->click();
                    return;
                }
        };
    };
    ajoute(capteurs, tr("T / Maj + T"), tr("Sensibilité horizontale suivante / précédente"),
           {Qt::Key_T}, baseSuivante(1));
    ajoute(capteurs, QString(), QString(), {Qt::SHIFT | Qt::Key_T}, baseSuivante(-1));

    const QString milieu = tr("Milieu de propagation");
    ajoute(milieu, tr("P"), tr("Pas de condition aux limites"), {Qt::Key_P},
           choisit(c.OndeProgressive));
    ajoute(milieu, tr("E"), tr("Milieu ouvert aux deux extrémités"), {Qt::Key_E},
           choisit(c.OndeStationnaire));
    ajoute(milieu, tr("F"), tr("Milieu ouvert à gauche fermé à droite"), {Qt::Key_F},
           choisit(c.OndeStationnaire2));
    ajoute(milieu, tr("A"), tr("Simuler un amortissement, ou non"), {Qt::Key_A},
           choisit(c.Amortissement));
    ajoute(milieu, tr("G / S"), tr("Gaz / Solide"), {Qt::Key_G}, choisit(c.Gaz));
    ajoute(milieu, QString(), QString(), {Qt::Key_S}, choisit(c.Solide));
    a = ajoute(milieu, tr("Alt + flèche haut / bas"), tr("Célérité plus grande / plus petite"),
               {Qt::ALT | Qt::Key_Up}, barre(c.v, plus));
    a->setAutoRepeat(true);
    a = ajoute(milieu, QString(), QString(), {Qt::ALT | Qt::Key_Down}, barre(c.v, moins));
    a->setAutoRepeat(true);

    const QString affichage = tr("Affichage et son");
    ZoomOS* zoom = &zoom_;
    Volume* volume = &volume_;
    a = ajoute(affichage, tr("Ctrl + plus / moins"), tr("Agrandir / réduire la fenêtre"),
               {Qt::CTRL | Qt::Key_Plus, Qt::CTRL | Qt::Key_Equal}, [zoom] { zoom->agrandit(); });
    a->setAutoRepeat(true);
    a = ajoute(affichage, QString(), QString(), {Qt::CTRL | Qt::Key_Minus},
               [zoom] { zoom->reduit(); });
    a->setAutoRepeat(true);
    ajoute(affichage, tr("Ctrl + 0"), tr("Taille normale (100 %)"),
           {Qt::CTRL | Qt::Key_0, Qt::CTRL | Qt::Key_Agrave}, [zoom] { zoom->zoomNormal(); });
    ajoute(affichage, tr("F11"), tr("Plein écran, ou retour"), {Qt::Key_F11},
           [zoom] { zoom->basculePleinEcran(); });
    // A control framed by the keyboard loses its frame first (NavigationClavier).
    ajoute(affichage, tr("Échap"),
           tr("Ôter le cadre de la commande choisie au clavier, sinon quitter le plein écran"),
           {Qt::Key_Escape}, [zoom] { zoom->quittePleinEcran(); });
    a = ajoute(affichage, tr("Ctrl + flèche haut / bas"),
               tr("Volume du son plus fort / plus faible"), {Qt::CTRL | Qt::Key_Up},
               [volume] { volume->plus(); });
    a->setAutoRepeat(true);
    a = ajoute(affichage, QString(), QString(), {Qt::CTRL | Qt::Key_Down},
               [volume] { volume->moins(); });
    a->setAutoRepeat(true);
    ajoute(affichage, tr("Ctrl + M"), tr("Couper le son, ou le remettre"), {Qt::CTRL | Qt::Key_M},
           [volume] { volume->basculeMuet(); });
    ajoute(affichage, tr("F1"), tr("Cette liste des raccourcis"), {Qt::Key_F1},
           [this] { montreListe(); });
}

void Raccourcis::montreListe() {
    if (!liste_)
        liste_ = new FenetreRaccourcis(*this, &os_);
    liste_->show();
    liste_->raise();
    liste_->activateWindow();
}

} // namespace vibralume
