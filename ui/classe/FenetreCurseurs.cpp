#include "ui/classe/FenetreCurseurs.h"

#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QScreen>
#include <cmath>

namespace vibralume {

namespace {

/// Where a value cannot be worked out (a time of nothing, a sensor outside the medium).
const QString Tiret = QStringLiteral("–");

/// Room between the main window's frame and this one, in pixels.
constexpr int Ecart = 8;

QString nombre(double x, int decimales) {
    return QLocale().toString(x, 'f', decimales);
}

} // namespace

FenetreCurseurs::FenetreCurseurs(QWidget* parent) : QWidget(parent, Qt::Tool), police_(font()) {
    setObjectName(QStringLiteral("FenetreCurseurs"));
    setWindowTitle(tr("Mesures aux curseurs"));
    auto* grille = new QGridLayout(this);
    grille->setColumnStretch(1, 1);
    dt_ = ajouteLigne(tr("Δt"), "lectureDt");
    frequence_ = ajouteLigne(tr("1/Δt"), "lectureFrequence");
    niveaux_ = ajouteLigne(tr("Écart de niveau"), "lectureNiveaux");
    distance_ = ajouteLigne(tr("Distance des capteurs"), "lectureDistance", &nomDistance_);
    celerite_ = ajouteLigne(tr("Célérité d/Δt"), "lectureCelerite", &nomCelerite_);
    elargitPourTitre();
}

// Wide enough for a window manager to show the whole title, in bold, beside
// its icon and buttons, rather than cut it in the middle.
void FenetreCurseurs::elargitPourTitre() {
    QFont gras = font();
    gras.setBold(true);
    setMinimumWidth(QFontMetrics(gras).horizontalAdvance(windowTitle()) +
                    10 * QFontMetrics(gras).height());
}

QLabel* FenetreCurseurs::ajouteLigne(const QString& nom, const char* objet, QLabel** nomLigne) {
    auto* grille = static_cast<QGridLayout*>(layout());
    const int ligne = grille->rowCount() - (grille->count() == 0 ? 1 : 0);
    auto* titre = new QLabel(nom, this);
    auto* valeur = new QLabel(this);
    valeur->setObjectName(QString::fromLatin1(objet));
    valeur->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    valeur->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Screen readers read the value under its line's name.
    valeur->setAccessibleName(nom);
    if (nomLigne)
        *nomLigne = titre;
    grille->addWidget(titre, ligne, 0);
    grille->addWidget(valeur, ligne, 1);
    return valeur;
}

void FenetreCurseurs::montre(const LectureCurseurs& l, bool capteurs) {
    dt_->setText(tr("%1 ms").arg(nombre(l.dtMs, 0)));
    frequence_->setText(l.frequenceHz ? tr("%1 Hz").arg(nombre(*l.frequenceHz, 2)) : Tiret);
    niveaux_->setText(tr("%1 div").arg(nombre(l.dNiveaux, 2)));
    distance_->setText(l.distanceCm ? tr("%1 cm").arg(nombre(*l.distanceCm, 1)) : Tiret);
    if (!l.celeriteCmS)
        celerite_->setText(Tiret);
    else if (l.ecartCeleriteCmS)
        celerite_->setText(
            tr("%1 ± %2 cm/s").arg(nombre(*l.celeriteCmS, 2), nombre(*l.ecartCeleriteCmS, 2)));
    else
        celerite_->setText(tr("%1 cm/s").arg(nombre(*l.celeriteCmS, 2)));
    for (QLabel* w : {distance_, celerite_, nomDistance_, nomCelerite_})
        w->setVisible(capteurs);
    adjustSize();
}

QString FenetreCurseurs::resume() const {
    QStringList lignes;
    for (const QLabel* v : {dt_, frequence_, niveaux_, distance_, celerite_})
        if (!v->isHidden())
            lignes << tr("%1 : %2").arg(v->accessibleName(), v->text());
    return lignes.join(QStringLiteral(" ; "));
}

void FenetreCurseurs::setZoom(double zoom) {
    // The application's font may be sized in pixels rather than points.
    QFont f = police_;
    if (police_.pointSizeF() > 0)
        f.setPointSizeF(police_.pointSizeF() * zoom);
    else
        f.setPixelSize(int(std::lround(police_.pixelSize() * zoom)));
    setFont(f);
    elargitPourTitre();
    adjustSize();
}

void FenetreCurseurs::placePres(const QWidget& fenetre, const QWidget& panneau) {
    adjustSize();
    const QRect cadre = fenetre.frameGeometry();
    const QScreen* ecran = fenetre.screen();
    const QRect libre = ecran ? ecran->availableGeometry() : cadre.adjusted(-1000, 0, 1000, 0);
    const QSize taille = frameGeometry().size().expandedTo(size());
    const QPoint coin = panneau.mapToGlobal(QPoint(0, 0));
    // Level with the panel on either side of the window, else in line with
    // it under or over the window; the first that the screen holds.
    const QPoint places[] = {{cadre.right() + 1 + Ecart, coin.y()},
                             {cadre.left() - Ecart - taille.width(), coin.y()},
                             {coin.x(), cadre.bottom() + 1 + Ecart},
                             {coin.x(), cadre.top() - Ecart - taille.height()}};
    for (const QPoint& p : places)
        if (libre.contains(QRect(p, taille))) {
            move(p);
            return;
        }
    // No room around: over the window, at the screen's right edge, where the
    // user can move it.
    move(libre.right() + 1 - taille.width(),
         std::clamp(coin.y(), libre.top(),
                    std::max(libre.top(), libre.bottom() + 1 - taille.height())));
}

} // namespace vibralume
