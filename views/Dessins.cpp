#include "views/Dessins.h"

#include "views/PictureBox.h"

namespace vibralume {

namespace {

constexpr float RayonParticule = 0.08f;

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
    const double plaque = m.PosRepos[1] + m.Elongation[1];
    modele.Box(float(plaque + 1.48), 0.f, float(plaque + 1.51), 3.2f, Qt::black);
    for (int i = 1; i <= NbTranches; ++i) {
        preparesTranche(modele, m, i);
        dessineParticules(modele, m, i);
    }
}

void DessineModeleStationnaire(PictureBox& modele, PictureBox& vibreurOS, const Module1& m) {
    modele.Cls();
    vibreurOS.Cls();
    const double x = m.PosRepos[1] + 1.5 + m.Elongation[1] / 10;
    vibreurOS.Line(float(x), 0.2f, float(x), 3.0f, Qt::black);
    for (int i = 1; i <= NbTranches; ++i) {
        preparesTranche(modele, m, i);
        const double abscisse = m.PosRepos[i] + m.Elongation[i];
        if (abscisse < 0 || abscisse > 20)
            continue;
        dessineParticules(modele, m, i);
    }
}

void DessineRegle(PictureBox& regle) {
    regle.setDrawWidth(1);
    for (int k = 0; k <= 250; ++k)
        regle.Line(k / 10.f, 0.f, k / 10.f, 0.1f, Qt::black);
    regle.setDrawWidth(2);
    for (int k = 0; k <= 25; ++k) {
        regle.Line(float(k), 0.f, float(k), 0.2f, Qt::black);
        regle.currentX += -0.25;
        regle.currentY += 0.1;
        regle.Print(k);
    }
}

void DessineVibreur(PictureBox& vibreur, double x) {
    vibreur.Line(float(x), 0.5f, float(x), 3.5f, QColor(255, 0, 0));
}

void AfficheQuadrillage(PictureBox& oscillo) {
    oscillo.setDrawWidth(1);
    oscillo.setDrawStyle(PictureBox::StyleTrait::Pointille);
    for (int k = 5; k <= 100; k += 5) {
        oscillo.Line(k / 10.f, 0.f, k / 10.f, 8.f, CouleurGrille);
        if (k < 80)
            oscillo.Line(0.f, k / 10.f, 10.2f, k / 10.f, CouleurGrille);
    }
    oscillo.setDrawStyle(PictureBox::StyleTrait::Plein);
    for (int k = 1; k <= 10; ++k) {
        oscillo.Line(float(k), 0.f, float(k), 8.f, CouleurGrille);
        if (k < 9)
            oscillo.Line(0.f, float(k), 10.2f, float(k), CouleurGrille);
    }
}

} // namespace vibralume
