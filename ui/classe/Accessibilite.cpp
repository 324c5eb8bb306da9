#include "ui/classe/Accessibilite.h"

#include "ui/accessible/FicheAccessible.h"
#include "ui/simulation/ControlesOS.h"
#include "ui/simulation/OS.h"
#include "views/ConteneurEnonce.h"
#include "views/Etiquette.h"
#include "views/ImageControle.h"
#include "views/PictureBox.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace vibralume {

namespace {

void nomme(QWidget* w, const QString& nom, const QString& description = {}) {
    w->setAccessibleName(nom);
    if (!description.isEmpty())
        w->setAccessibleDescription(description);
}

// A scroll bar reads out its caption as it stands after each change.
void suitLegende(QScrollBar* barre, const Etiquette* legende, OS& os) {
    barre->setAccessibleDescription(legende->text());
    QObject::connect(barre, &QScrollBar::valueChanged, &os,
                     [barre, legende] { barre->setAccessibleDescription(legende->text()); });
}

void bouton(std::initializer_list<QWidget*> controles) {
    for (QWidget* w : controles)
        FicheAccessible::pose(w, {QAccessible::Button});
}

// A sensor's box, whichever picture shows, and its caption: ticked while the
// sensor is on.
void caseCapteur(std::initializer_list<QWidget*> controles, const QWidget* coche) {
    for (QWidget* w : controles)
        FicheAccessible::pose(w, {QAccessible::CheckBox, [coche] { return !coche->isHidden(); }});
}

// The number as the interface's language writes it ("1,8" in French), and its unit.
void enUnite(QScrollBar* barre, std::function<double(int)> mesure, const QString& unite) {
    FicheAccessible fiche;
    fiche.valeur = [mesure, unite](int valeur) {
        const QLocale langue;
        return langue.toString(mesure(valeur), 'g', QLocale::FloatingPointShortest) +
               QLatin1Char(' ') + unite;
    };
    FicheAccessible::pose(barre, fiche);
}

} // namespace

void Accessibilite::applique(OS& os) {
    const ControlesOS& c = os.controles();
    os.setAccessibleName(QStringLiteral("Vibralume"));
    os.setAccessibleDescription(tr("Simulation d'une onde sonore dans un milieu"));

    nomme(c.Picture3, tr("Ouvrir le modèle microscopique"),
          tr("Modèle microscopique de l'onde sonore qui se propage dans le milieu"));
    nomme(c.Label15, tr("Ouvrir le modèle microscopique"));
    nomme(c.ModeleMicro, tr("Modèle microscopique"),
          tr("Cliquer pour colorer un groupe de cinq tranches ; clic droit pour l'effacer"));
    nomme(c.Micro1, tr("Capteur 1"), tr("Capteur de pression 1, à déplacer sur le modèle"));
    nomme(c.Micro2, tr("Capteur 2"), tr("Capteur de pression 2, à déplacer sur le modèle"));
    nomme(c.Regle, tr("Règle graduée en centimètres"));
    nomme(c.Command1, tr("Pause"));
    nomme(c.Command2, tr("Marche"));
    nomme(c.Command3, tr("Pas à pas"), tr("Avancer de 25 millisecondes"));
    nomme(c.CacherModeleMicro, tr("Cacher le modèle microscopique"));
    nomme(c.VibreurOS, tr("Plaque du vibreur"));
    nomme(c.BordOuvert, tr("Extrémité ouverte du milieu"));
    nomme(c.BordFerme, tr("Extrémité fermée du milieu"));

    nomme(c.Vibreur, tr("Vibreur"), tr("La tige rouge oscille entre les deux repères d'amplitude"));
    nomme(c.Picture1, tr("Ouvrir le vibreur"));
    nomme(c.Label12, tr("Ouvrir le vibreur"));
    nomme(c.CacheVibreur, tr("Cacher le vibreur"));
    nomme(c.Label11, tr("Vibration solitaire"));
    nomme(c.Label31, tr("Vibration périodique"));
    nomme(c.frequence, tr("Fréquence du vibreur"));
    nomme(c.Amplitude, tr("Amplitude de la vibration"));
    nomme(c.AmplitudeSoliton, tr("Amplitude du soliton"));
    nomme(c.SolitonCourt, tr("Soliton court"), tr("Lancer une impulsion étroite"));
    nomme(c.SolitonMoyen, tr("Soliton moyen"), tr("Lancer une impulsion moyenne"));
    nomme(c.SolitonLong, tr("Soliton long"), tr("Lancer une impulsion large"));
    nomme(c.Command4, tr("Écouter le son produit"),
          tr("Un son de fréquence 1000 fois plus grande que celle du vibreur"));
    nomme(c.Image5, tr("Écouter le son produit"));
    nomme(c.Command5, tr("Arrêter le son"));
    nomme(c.Image6, tr("Arrêter le son"));

    // The values keep their text as their name; what they are is said beside.
    c.lambda->setAccessibleDescription(tr("Longueur d'onde"));
    c.f->setAccessibleDescription(tr("Fréquence"));
    c.vit->setAccessibleDescription(tr("Célérité"));

    nomme(c.Picture2, tr("Ouvrir l'oscilloscope"),
          tr("Évolution temporelle de la pression en deux points du milieu"));
    nomme(c.Picture4, tr("Oscilloscope indisponible"),
          tr("Il ne peut être activé que si le modèle microscopique est visible"));
    nomme(c.Oscilloscope, tr("Oscilloscope"));
    nomme(c.Oscillo, tr("Écran de l'oscilloscope"),
          tr("Pression des capteurs en fonction du temps"));
    nomme(c.CacheOscillo, tr("Cacher l'oscilloscope"));
    nomme(c.micro1_noncoche, tr("Capteur 1"), tr("Activer le capteur 1"));
    nomme(c.micro1_coche, tr("Capteur 1"), tr("Désactiver le capteur 1"));
    nomme(c.micro2_noncoche, tr("Capteur 2"), tr("Activer le capteur 2"));
    nomme(c.micro2_coche, tr("Capteur 2"), tr("Désactiver le capteur 2"));
    for (QRadioButton* s : c.Sens)
        s->setAccessibleDescription(tr("Sensibilité horizontale"));

    nomme(c.v, tr("Célérité du son dans le milieu"));
    nomme(c.EnonceModele, tr("Énoncé du modèle microscopique"),
          tr("Entrée ou double clic pour le lire"));

    bouton({c.Picture3,          c.Label15,  c.Command1, c.Command2,     c.Command3,
            c.CacherModeleMicro, c.Picture1, c.Label12,  c.CacheVibreur, c.Label11,
            c.Label31,           c.Command4, c.Image5,   c.Command5,     c.Image6,
            c.Picture2,          c.Label13,  c.Label14,  c.CacheOscillo, c.EnonceModele});
    caseCapteur({c.micro1_noncoche, c.micro1_coche, c.capteur1}, c.micro1_coche);
    caseCapteur({c.micro2_noncoche, c.micro2_coche, c.Capteur2}, c.micro2_coche);
    const auto dixiemes = [](int x) { return x / 10.0; };
    const auto celerite = [](int x) { return x * 5.0; };
    // A standing wave's amplitude is read in hundredths.
    const QRadioButton* progressive = c.OndeProgressive;
    const auto amplitude = [progressive](int x) {
        return progressive->isChecked() ? x / 10.0 : x / 100.0;
    };
    const QString cm = QStringLiteral("cm");
    enUnite(c.frequence, dixiemes, QStringLiteral("Hz"));
    enUnite(c.v, celerite, QStringLiteral("cm/s"));
    enUnite(c.Amplitude, amplitude, cm);
    enUnite(c.AmplitudeSoliton, dixiemes, cm);

    suitLegende(c.frequence, c.Label2, os);
    suitLegende(c.Amplitude, c.label3, os);
    suitLegende(c.AmplitudeSoliton, c.Label32, os);
    suitLegende(c.v, c.Label23, os);
}

} // namespace vibralume
