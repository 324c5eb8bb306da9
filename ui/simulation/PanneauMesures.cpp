#include "ui/simulation/PanneauMesures.h"

#include "model/Mesure.h"
#include "ui/simulation/DessinEtat.h"
#include "ui/simulation/GlissementMarqueur.h"
#include "views/Dessins.h"
#include "views/Etiquette.h"
#include "views/ImageControle.h"
#include "views/PictureBox.h"

#include <QEvent>
#include <QRadioButton>
#include <algorithm>
#include <array>
#include <cmath>

namespace vibralume {

namespace {

/// Mouse buttons as the handlers number them (middle = 4, as the platform does).
int numeroBouton(Qt::MouseButton b) {
    switch (b) {
    case Qt::LeftButton:
        return BoutonGauche;
    case Qt::RightButton:
        return BoutonDroit;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

/// Scale units of the model to the pixel position of a child's top-left corner.
QPoint coinDansModele(const PictureBox& modele, double X, double Y) {
    const QPointF px = modele.versPixels(X, Y);
    const int b = modele.bordure();
    return QPoint(int(std::nearbyint(px.x())) + b, int(std::nearbyint(px.y())) + b);
}

} // namespace

PanneauMesures::PanneauMesures(QWidget& fenetre, const ControlesOS& c, Module1& m,
                               ChoixEleve& choix, std::function<void()> MajAffichage)
    : fenetre_(fenetre), c_(c), m_(m), choix_(choix), MajAffichage_(std::move(MajAffichage)),
      glissement_(new GlissementMarqueur(
          fenetre, *c.ModeleMicro,
          [this](QWidget* s, double X, double Y) { ModeleMicro_DragOver(s, X, Y); },
          [this](QWidget* s, double X, double Y) { ModeleMicro_DragDrop(s, X, Y); }, this)) {
    connect(c.CacheVibreur, &ImageControle::clicked, this, &PanneauMesures::CacheVibreur_Click);
    connect(c.Label12, &Etiquette::clicked, this, &PanneauMesures::AfficheVibreur);
    connect(c.Picture1, &PictureBox::clicked, this, &PanneauMesures::AfficheVibreur);
    connect(c.CacheOscillo, &ImageControle::clicked, this, &PanneauMesures::CacheOscillo_Click);
    connect(c.Label13, &Etiquette::clicked, this, &PanneauMesures::AfficheOscilloscope);
    connect(c.Label14, &Etiquette::clicked, this, &PanneauMesures::AfficheOscilloscope);
    connect(c.Picture2, &PictureBox::clicked, this, &PanneauMesures::AfficheOscilloscope);
    connect(c.CacherModeleMicro, &ImageControle::clicked, this,
            &PanneauMesures::CacherModeleMicro_Click);
    for (int16_t n : {1, 2}) {
        connect(n == 1 ? c.micro1_noncoche : c.micro2_noncoche, &ImageControle::clicked, this,
                [this, n] { ActiveCapteur(n); });
        connect(n == 1 ? c.micro1_coche : c.micro2_coche, &ImageControle::clicked, this,
                [this, n] { DesactiveCapteur(n); });
        connect(n == 1 ? c.capteur1 : c.Capteur2, &Etiquette::clicked, this,
                [this, n] { capteur_Click(n); });
        Etiquette* micro = marqueur(n);
        const int b = c.ModeleMicro->bordure();
        const QPointF place = c.ModeleMicro->versEchelle(QPointF(micro->x() - b, micro->y() - b));
        choix_.placeCapteur(n, place.x(), place.y());
        micro->installEventFilter(this);
        micro->installEventFilter(glissement_);
        connect(micro, &Etiquette::mouseDown, this,
                [this, micro](Qt::MouseButton, QPoint prise) { Micro_MouseDown(micro, prise); });
    }
    // An option's click handler runs when it becomes selected.
    for (int16_t k = 0; k < int16_t(c.Sens.size()); ++k)
        connect(c.Sens[std::size_t(k)], &QRadioButton::toggled, this, [this, k](bool oui) {
            if (oui)
                Sens_Click(k);
        });
    connect(c.ModeleMicro, &PictureBox::mouseUp, this, &PanneauMesures::ModeleMicro_MouseUp);
}

PanneauMesures::~PanneauMesures() = default;

Etiquette* PanneauMesures::marqueur(int16_t n) const {
    return n == 1 ? c_.Micro1 : c_.Micro2;
}

void PanneauMesures::AfficheQuadrillage() {
    vibralume::AfficheQuadrillage(*c_.Oscillo);
}

void PanneauMesures::Sens_Click(int16_t Index) {
    if (Index < 0 || Index >= int16_t(BasesTemps.size()))
        return;
    choix_.baseTemps(Index);
    MajAffichage_();
    // TempsPrec stays: the next segment starts from the old sweep position
    // read on the new scale.
    c_.Oscillo->Cls();
    AfficheQuadrillage();
    traces_.oublie();
}

void PanneauMesures::AfficheOscilloscope() {
    choix_.oscilloscope(true);
    c_.Oscilloscope->show();
}

void PanneauMesures::CacheOscillo_Click() {
    choix_.oscilloscope(false);
    c_.Oscilloscope->hide();
}

void PanneauMesures::Capteurs() {
    for (int16_t n : {1, 2})
        if (capteurActif(n))
            TraceCapteur(n);
    emit echantillonne();
}

void PanneauMesures::TraceCapteur(int16_t n) {
    traces_.trace(*c_.Oscillo, SegmentCapteur(m_, n, abscisseCapteur(n)));
}

void PanneauMesures::RetraceOscillo() {
    traces_.retrace(*c_.Oscillo);
}

bool PanneauMesures::capteurActif(int16_t n) const {
    return choix_.capteur(n).actif;
}

float PanneauMesures::abscisseCapteur(int16_t n) const {
    return float(choix_.capteur(n).x);
}

PanneauMesures::Places PanneauMesures::places() const {
    Places p{};
    for (int16_t n : {1, 2})
        p[std::size_t(n)] = QPointF(choix_.capteur(n).x, choix_.capteur(n).y);
    return p;
}

QPoint PanneauMesures::pixelDe(QPointF cm) const {
    return coinDansModele(*c_.ModeleMicro, cm.x(), cm.y());
}

void PanneauMesures::replaceMarqueurs(const Places& places) {
    for (int16_t n : {1, 2}) {
        const QPointF p = places[std::size_t(n)];
        choix_.placeCapteur(n, p.x(), p.y());
        marqueur(n)->move(pixelDe(p));
    }
}

// A marker moved by anything else than the drag (a tool, a test) is where its
// pixels say; one moved to its own place keeps its exact centimetres.
bool PanneauMesures::eventFilter(QObject* objet, QEvent* e) {
    if (e->type() == QEvent::Move)
        for (int16_t n : {1, 2}) {
            Etiquette* m = marqueur(n);
            if (objet == m && m->pos() != pixelDe(places()[std::size_t(n)])) {
                const int b = c_.ModeleMicro->bordure();
                const QPointF p = c_.ModeleMicro->versEchelle(QPointF(m->x() - b, m->y() - b));
                choix_.placeCapteur(n, p.x(), p.y());
            }
        }
    return QObject::eventFilter(objet, e);
}

void PanneauMesures::ActiveCapteur(int16_t n) {
    choix_.capteur(n, true);
    marqueur(n)->show();
    // The trace starts from the pressure there now, not from an old level.
    m_.PressionPrec[std::size_t(n)] = PressionCapteur(m_, abscisseCapteur(n));
    (n == 1 ? c_.micro1_coche : c_.micro2_coche)->show();
    (n == 1 ? c_.micro1_noncoche : c_.micro2_noncoche)->hide();
    emit capteurBascule(n, true);
}

void PanneauMesures::DesactiveCapteur(int16_t n) {
    choix_.capteur(n, false);
    marqueur(n)->hide();
    (n == 1 ? c_.micro1_coche : c_.micro2_coche)->hide();
    (n == 1 ? c_.micro1_noncoche : c_.micro2_noncoche)->show();
    emit capteurBascule(n, false);
}

void PanneauMesures::capteur_Click(int16_t n) {
    if (!capteurActif(n))
        ActiveCapteur(n);
    else
        DesactiveCapteur(n);
}

void PanneauMesures::Micro_MouseDown(Etiquette* marqueur, QPoint prise) {
    glissement_->commence(marqueur, prise);
}

// Nothing is snapped or clamped: the oscilloscope reads the new place at its
// next sample, and PressionPrec keeps the level of the old one.
void PanneauMesures::ModeleMicro_DragOver(QWidget* Source, double X, double Y) {
    deplace(Source, X, Y);
}

void PanneauMesures::ModeleMicro_DragDrop(QWidget* Source, double X, double Y) {
    deplace(Source, X, Y);
}

void PanneauMesures::deplace(QWidget* Source, double X, double Y) {
    for (int16_t n : {1, 2})
        if (Source == marqueur(n))
            choix_.placeCapteur(n, X, Y);
    Source->move(pixelDe(QPointF(X, Y)));
}

void PanneauMesures::ModeleMicro_MouseUp(Qt::MouseButton bouton, double X, double) {
    choix_.trancheColoree(
        TrancheColoreeApresClic(m_.TrancheColoree, numeroBouton(bouton), float(X)));
}

// The marker stays wholly on the model, where a pupil can still see and grab it.
void PanneauMesures::DeplaceCapteur(int16_t n, double pas) {
    Etiquette* m = marqueur(n);
    const PictureBox& modele = *c_.ModeleMicro;
    const double droite =
        modele.versEchelle(QPointF(modele.interieur().width() - m->width(), 0)).x();
    const Capteur& k = choix_.capteur(n);
    ModeleMicro_DragDrop(m, std::clamp(k.x + pas, 0.0, std::max(0.0, droite)), k.y);
}

// Drawn at once, paused or not: a key pressed is seen to do something.
void PanneauMesures::DeplaceTrancheColoree(int pas) {
    choix_.trancheColoree(TrancheColoreeDeplacee(m_.TrancheColoree, pas));
    DessineEtat(c_, m_, choix_.valeurs());
}

void PanneauMesures::EffaceTrancheColoree() {
    choix_.trancheColoree(0);
    DessineEtat(c_, m_, choix_.valeurs());
}

void PanneauMesures::CacheVibreur_Click() {
    choix_.vibreur(false);
    c_.Vibreur->hide();
}

void PanneauMesures::AfficheVibreur() {
    choix_.vibreur(true);
    c_.Vibreur->show();
}

void PanneauMesures::CacherModeleMicro_Click() {
    choix_.modele(false);
    c_.ModeleMicro->hide();
    c_.Command1->hide();
    c_.Command2->hide();
    c_.Command3->hide();
    c_.VibreurOS->hide();
    c_.BordOuvert->hide();
    c_.BordFerme->hide();
    if (!c_.Oscilloscope->isHidden())
        c_.Oscilloscope->hide();
    // The oscilloscope cannot be opened again until the model is.
    c_.Picture2->hide();
    c_.Picture4->show();
}

} // namespace vibralume
