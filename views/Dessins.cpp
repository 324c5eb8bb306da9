#include "views/Dessins.h"

#include "model/Tick.h"
#include "views/PictureBox.h"

namespace vibralume {

namespace {

// Model view, in centimetres.
/// Radius of a particle.
constexpr float RayonParticule = 0.08f;
/// Height of the plate of a progressive wave: the model's full height.
constexpr float HauteurPlaque = 3.2f;
/// Top and bottom of the plate of a standing wave, in its own strip.
constexpr float HautPlaqueStationnaire = 0.2f;
constexpr float BasPlaqueStationnaire = 3.0f;
/// A standing wave shows the slices whose displaced abscissa lies from 0 to
/// this, left of the end of the medium.
constexpr double FinMilieuStationnaire = 20;

// Ruler, in centimetres.
/// Millimetre ticks: how many tenths, and how long each tick is.
constexpr int DixiemesRegle = 250;
constexpr float LongueurMillimetre = 0.1f;
/// Centimetre ticks: how many, and how long.
constexpr int CentimetresRegle = 25;
constexpr float LongueurCentimetre = 0.2f;
/// From the foot of a centimetre tick to the top-left corner of its number.
constexpr double DecalageNombreX = -0.25;
constexpr double DecalageNombreY = 0.1;

// Vibrator view, in centimetres.
/// Top and bottom of the red rod.
constexpr float HautTige = 0.5f;
constexpr float BasTige = 3.5f;
const QColor RougeTige{255, 0, 0};

// Oscilloscope grid, in divisions: drawn past the screen's 10.14 x 6
// divisions, which the screen's edges cut.
constexpr float LargeurGrille = 10.2f;
constexpr float HauteurGrille = 8.0f;
/// Dotted half-division lines, in tenths of a division: across up to 100,
/// down below 80.
constexpr int DixiemesGrilleX = 100;
constexpr int DixiemesGrilleY = 80;
/// Solid division lines: across 1 to 10, down below 9.
constexpr int DivisionsGrilleX = 10;
constexpr int DivisionsGrilleY = 9;

bool dansGroupeVert(const Module1& m, int i) {
    return m.TrancheColoree != 0 && m.TrancheColoree - 2 <= i && i <= m.TrancheColoree + 2;
}

void preparesTranche(PictureBox& modele, const Module1& m, int i) {
    modele.setFillColor(dansGroupeVert(m, i) ? VertTranches : QColor(Qt::black));
    modele.setForeColor(Qt::black);
}

void dessineParticules(PictureBox& modele, const Module1& m, int i) {
    for (int j = 1; j <= NbRangees; ++j)
        modele.Circle(float(m.PosX[i][j]), float(m.PosY[i][j]), RayonParticule);
}

} // namespace

void DessineModeleProgressif(PictureBox& modele, const Module1& m) {
    modele.Cls();
    const Plaque plaque = PlaqueVibreur(m);
    modele.Box(float(plaque.gauche), 0.f, float(plaque.droite), HauteurPlaque, Qt::black);
    for (int i = 1; i <= NbTranches; ++i) {
        preparesTranche(modele, m, i);
        dessineParticules(modele, m, i);
    }
}

void DessineModeleStationnaire(PictureBox& modele, PictureBox& vibreurOS, const Module1& m,
                               double xVibreur) {
    modele.Cls();
    vibreurOS.Cls();
    vibreurOS.Line(float(xVibreur), HautPlaqueStationnaire, float(xVibreur), BasPlaqueStationnaire,
                   Qt::black);
    for (int i = 1; i <= NbTranches; ++i) {
        preparesTranche(modele, m, i);
        const double abscisse = m.PosRepos[i] + m.Elongation[i];
        if (abscisse < 0 || abscisse > FinMilieuStationnaire)
            continue;
        dessineParticules(modele, m, i);
    }
}

void DessineRegle(PictureBox& regle) {
    regle.setDrawWidth(1);
    for (int k = 0; k <= DixiemesRegle; ++k)
        regle.Line(k / 10.f, 0.f, k / 10.f, LongueurMillimetre, Qt::black);
    regle.setDrawWidth(2);
    for (int k = 0; k <= CentimetresRegle; ++k) {
        regle.Line(float(k), 0.f, float(k), LongueurCentimetre, Qt::black);
        regle.currentX += DecalageNombreX;
        regle.currentY += DecalageNombreY;
        regle.Print(k);
    }
}

void DessineVibreur(PictureBox& vibreur, double x) {
    vibreur.Line(float(x), HautTige, float(x), BasTige, RougeTige);
}

void AfficheQuadrillage(PictureBox& oscillo) {
    oscillo.setDrawWidth(1);
    oscillo.setDrawStyle(PictureBox::StyleTrait::Pointille);
    for (int k = 5; k <= DixiemesGrilleX; k += 5) {
        oscillo.Line(k / 10.f, 0.f, k / 10.f, HauteurGrille, CouleurGrille);
        if (k < DixiemesGrilleY)
            oscillo.Line(0.f, k / 10.f, LargeurGrille, k / 10.f, CouleurGrille);
    }
    oscillo.setDrawStyle(PictureBox::StyleTrait::Plein);
    for (int k = 1; k <= DivisionsGrilleX; ++k) {
        oscillo.Line(float(k), 0.f, float(k), HauteurGrille, CouleurGrille);
        if (k < DivisionsGrilleY)
            oscillo.Line(0.f, float(k), LargeurGrille, float(k), CouleurGrille);
    }
}

} // namespace vibralume
