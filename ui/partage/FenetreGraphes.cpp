#include "ui/partage/FenetreGraphes.h"

#include "assets/Ressources.h"
#include "model/LeLongDuMilieu.h"
#include "model/Mesure.h"
#include "ui/miseenpage/Construction.h"
#include "ui/simulation/ControlesOS.h"
#include "ui/simulation/OS.h"
#include "ui/simulation/PanneauMesures.h"
#include "views/PictureBox.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QMenu>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace vibralume {

namespace {

/// The window at 100 %: the model's width of graphs with their axes.
constexpr QSize TailleBase{1040, 640};

} // namespace

FenetreGraphes::FenetreGraphes(OS& os, Enregistrement& enregistrement, QWidget* parent)
    : QWidget(parent, Qt::Window), os_(os), enregistrement_(enregistrement),
      graphes_(new GraphesMilieu(this)) {
    setObjectName(QStringLiteral("FenetreGraphes"));
    setWindowTitle(tr("Graphes - Vibralume"));
    setWindowIcon(iconeProgramme());
    setAttribute(Qt::WA_QuitOnClose, false);
    graphes_->setObjectName(QStringLiteral("GraphesMilieu"));
    graphes_->setAccessibleName(tr("Graphes du déplacement et de la pression le long du milieu"));
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->addWidget(graphes_);
    resize(TailleBase);
    centreAuPremierAffichage(this);

    choix_ = [this](const QString& titre, const QString& proposition, const QString& filtre) {
        return QFileDialog::getSaveFileName(this, titre, proposition, filtre);
    };
    // This window's keys, not the main window's: Ctrl+S saves the graphs.
    auto* enregistrer = new QAction(tr("Enregistrer l'image des graphes..."), this);
    enregistrer->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    enregistrer->setShortcutContext(Qt::WindowShortcut);
    connect(enregistrer, &QAction::triggered, this, &FenetreGraphes::enregistreImage);
    addAction(enregistrer);
    auto* fermer = new QAction(tr("Fermer"), this);
    fermer->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::Key_W)});
    fermer->setShortcutContext(Qt::WindowShortcut);
    connect(fermer, &QAction::triggered, this, &QWidget::close);
    addAction(fermer);
    menu_ = new QMenu(this);
    menu_->addAction(enregistrer);
    menu_->addSeparator();
    menu_->addAction(fermer);

    connect(&os.mesures(), &PanneauMesures::echantillonne, this, &FenetreGraphes::actualise);
}

ContenuGraphes FenetreGraphes::contenu() const {
    const Module1& m = os_.etat();
    const ChoixEleve& choix = os_.choix();
    const Bord bord = choix.valeurs().bord;
    const bool periodique = !choix.solitaire();
    const double fin = FinMilieuVu(bord);
    ContenuGraphes g;
    g.bord = bord;
    g.points = PointsDeplacement(m, fin);
    g.pressions = PointsPression(m, fin);
    g.places = NoeudsEtVentres(m, bord);
    g.demiEchelle = DemiEchelleDeplacement(AmplitudeAttendue(m, bord, periodique));
    g.trancheColoree = m.TrancheColoree;
    for (int16_t n : {1, 2})
        if (choix.capteur(n).actif) {
            const float x = float(choix.capteur(n).x);
            g.capteurs[std::size_t(n - 1)] = CapteurGraphe{AbscisseLecture(x), NiveauCapteur(m, x)};
        }
    return g;
}

void FenetreGraphes::setZoom(double zoom) {
    if (zoom == zoom_ || !(zoom > 0))
        return;
    const double facteur = zoom / zoom_;
    zoom_ = zoom;
    graphes_->setZoom(zoom);
    QSize voulue = (QSizeF(size()) * facteur).toSize();
    if (screen())
        voulue = voulue.boundedTo(screen()->availableGeometry().size());
    resize(voulue);
}

void FenetreGraphes::actualise() {
    // Hidden, it costs nothing; shown again, it draws the state of then.
    if (isVisible())
        graphes_->montre(contenu());
}

void FenetreGraphes::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    actualise();
}

void FenetreGraphes::contextMenuEvent(QContextMenuEvent* e) {
    menu_->popup(e->globalPos());
}

QMenu* FenetreGraphes::menu() {
    return menu_;
}

QImage FenetreGraphes::image() {
    const qreal dpr = devicePixelRatioF();
    QImage image(size() * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::white);
    render(&image);
    return image;
}

void FenetreGraphes::enregistreImage() {
    enregistrement_.enregistreImage(image(),
                                    //: A word of a file name: no accents, no spaces
                                    tr("graphes"), tr("Enregistrer l'image des graphes"), choix_);
}

} // namespace vibralume
